#pragma once

// Form1 seen by the language walks: its title and, in control order, the
// caption and tooltip of each control, as Windows-1252 bytes.

#include <QString>

#include <memory>
#include <vector>

#include "tembrix/localisation/TranslatableWindow.h"

class QObject;
class QWidget;

namespace tembrix {

struct Form1Widgets;

/// The caption of a design control: a frame's title, a label's or check box's
/// text, a button's caption, a menu's title or a menu item's text.
QString controlCaption(const QObject* control);
void setControlCaption(QObject* control, const QString& caption);

class Form1Texts : public TranslatableWindow {
public:
    Form1Texts(QWidget* window, Form1Widgets& widgets);
    ~Form1Texts() override;

    std::string name() const override;
    std::string title() const override;
    void setTitle(const std::string& text) override;
    /// The design controls in control order; the language entries added by
    /// the menu build follow entry 0.
    std::vector<TranslatableControl*> controls() const override;

private:
    class Control;
    Control* controlFor(QObject* object, int index, bool hasCaption, bool hasToolTip) const;

    QWidget* m_window;
    Form1Widgets& m_widgets;
    mutable std::vector<std::unique_ptr<Control>> m_controls;
};

} // namespace tembrix
