#pragma once

// An abstract view of a window's controls, so that the language-file walks
// run without any widget toolkit. Texts are Windows-1252 bytes.

#include <optional>
#include <string>
#include <vector>

namespace tembrix {

class TranslatableControl {
public:
    virtual ~TranslatableControl() = default;

    /// The control's name as declared (`BTnext`, `frame`, `MNlangueChoice`).
    virtual std::string name() const = 0;
    /// The index of a control-array member; nothing for a single control.
    virtual std::optional<int> index() const = 0;

    /// Nothing when the control has no caption (a text box, the file list).
    virtual std::optional<std::string> caption() const = 0;
    /// Ignored by a control without a caption.
    virtual void setCaption(const std::string& text) = 0;
    /// Nothing when the control has no tooltip (a menu item).
    virtual std::optional<std::string> toolTip() const = 0;
    /// Ignored by a control without a tooltip.
    virtual void setToolTip(const std::string& text) = 0;
};

class TranslatableWindow {
public:
    virtual ~TranslatableWindow() = default;

    /// The window's name, which is also its section in a language file (`Form1`).
    virtual std::string name() const = 0;
    virtual std::string title() const = 0;
    virtual void setTitle(const std::string& text) = 0;
    /// Every control of the window, in the window's control order.
    virtual std::vector<TranslatableControl*> controls() const = 0;
};

} // namespace tembrix
