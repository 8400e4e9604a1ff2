#pragma once

#include "tembrix/platformqt/DesktopServices.h"

#include <memory>

class QMessageBox;

namespace tembrix {

/// Modal message boxes with QMessageBox. The icon comes from the style's
/// icon bits (16 stop, 32 question, 48 exclamation, 64 information); every box
/// has the single OK button. Texts are shown as plain text, CR LF as one line break.
class QtMessageBoxes : public MessageBoxes {
public:
    /// `applicationTitle` is the title of a box given none.
    explicit QtMessageBoxes(QString applicationTitle = QStringLiteral("Tembrix"));

    void show(QWidget* parent, const QString& text, int style,
              const QString& title = QString()) override;

    /// The box that show() runs, built but not shown. A null parent means the
    /// application's active window, if any.
    std::unique_ptr<QMessageBox> build(QWidget* parent, const QString& text, int style,
                                       const QString& title) const;

private:
    QString m_applicationTitle;
};

} // namespace tembrix
