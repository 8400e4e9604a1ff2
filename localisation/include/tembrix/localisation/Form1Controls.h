#pragma once

// The main window's controls in their control order, with their built-in
// French texts. This one table drives the window's start texts, the export
// into Francais.lng and every language walk.

#include <span>
#include <string_view>

namespace tembrix {

struct ControlText {
    std::string_view name;    ///< the control's name, also its objectName
    int index;                ///< index in its control array, or -1 for a single control
    bool hasCaption;          ///< false for text boxes, picture boxes, the file list
    bool hasToolTip;          ///< false for menu items
    std::string_view caption; ///< built-in caption, UTF-8 (empty for none)
    std::string_view toolTip; ///< built-in tooltip, UTF-8 (empty for none)
};

/// The window's name and its built-in title, UTF-8.
inline constexpr std::string_view kForm1Name = "Form1";
std::string_view form1BuiltinTitle();

/// Every control of the main window, in control order.
std::span<const ControlText> form1Controls();

} // namespace tembrix
