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

void QtMessageBoxes::show(QWidget* parent, const QString& text, int style, const QString& title) {
    build(parent, text, style, title)->exec();
}

} // namespace tembrix
