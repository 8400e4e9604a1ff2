#pragma once

#include <string>
#include <string_view>

namespace tembrix {

/// Appends `TranslateFolderMacros(text)` to `out` without a string of its own.
void appendFolderMacrosTranslated(std::string& out, std::string_view text);

} // namespace tembrix
