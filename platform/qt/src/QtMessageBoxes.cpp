#include "tembrix/platformqt/QtMessageBoxes.h"

#include <QApplication>
#include <QMessageBox>

#include <utility>

namespace tembrix {

namespace {

QMessageBox::Icon iconFor(int style) {
    switch (style & 0x70) {
    case 16:
        return QMessageBox::Critical;
    case 32:
        return QMessageBox::Question;
    case 48:
        return QMessageBox::Warning;
    case 64:
        return QMessageBox::Information;
    default:
        return QMessageBox::NoIcon;
    }
}

} // namespace

QtMessageBoxes::QtMessageBoxes(QString applicationTitle)
    : m_applicationTitle(std::move(applicationTitle)) {}

std::unique_ptr<QMessageBox> QtMessageBoxes::build(QWidget* parent, const QString& text, int style,
                                                   const QString& title) const {
    if (!parent)
        parent = QApplication::activeWindow();
    auto box = std::make_unique<QMessageBox>(parent);
    box->setWindowTitle(title.isEmpty() ? m_applicationTitle : title);
    box->setIcon(iconFor(style));
    // Paths and file texts reach these boxes: never let them be read as markup.
    box->setTextFormat(Qt::PlainText);
    QString shown = text;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    box->setText(shown);
    box->setStandardButtons(QMessageBox::Ok);
    box->setDefaultButton(QMessageBox::Ok);
    return box;
}

std::unique_ptr<QMessageBox> QtMessageBoxes::buildQuestion(QWidget* parent,
                                                           const QString& text) const {
    auto box = build(parent, text, kMessageQuestion, QString());
    box->setStandardButtons(QMessageBox::Yes | QMessageBox::No);
    // Replacing a file is the answer that loses something: it must be chosen.
    box->setDefaultButton(QMessageBox::No);
    box->setEscapeButton(QMessageBox::No);
    return box;
}

bool QtMessageBoxes::answeredYes(const QMessageBox& box) {
    return box.clickedButton() != nullptr && box.clickedButton() == box.button(QMessageBox::Yes);
}

bool QtMessageBoxes::ask(QWidget* parent, const QString& text) {
    const auto box = buildQuestion(parent, text);
    box->exec();
    return answeredYes(*box);
}

void QtMessageBoxes::show(QWidget* parent, const QString& text, int style, const QString& title) {
    build(parent, text, style, title)->exec();
}

} // namespace tembrix
