#pragma once

#include "tembrix/platformqt/DesktopServices.h"

#include <memory>

class QMessageBox;

namespace tembrix {

/// Modal message boxes with QMessageBox. The icon comes from the style's
/// icon bits (16 stop, 32 question, 48 exclamation, 64 information); every box
/// that shows has the single OK button, every box that asks Yes and No. Texts are shown as plain
/// text, CR LF as one line break.
class QtMessageBoxes : public MessageBoxes {
public:
    /// `applicationTitle` is the title of a box given none.
    explicit QtMessageBoxes(QString applicationTitle = QStringLiteral("Tembrix"));

    void show(QWidget* parent, const QString& text, int style,
              const QString& title = QString()) override;
    bool ask(QWidget* parent, const QString& text) override;

    /// The box that show() runs, built but not shown. A null parent means the
    /// application's active window, if any.
    std::unique_ptr<QMessageBox> build(QWidget* parent, const QString& text, int style,
                                       const QString& title) const;
    /// The box that ask() runs: Yes and No, No the default and the escape button.
    std::unique_ptr<QMessageBox> buildQuestion(QWidget* parent, const QString& text) const;
    /// True when the box that buildQuestion made was closed with Yes.
    static bool answeredYes(const QMessageBox& box);

private:
    QString m_applicationTitle;
};

} // namespace tembrix
