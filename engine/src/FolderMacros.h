#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tembrix {

/// Appends `TranslateFolderMacros(text)` to `out` without a string of its own.
/// When `unknown` is given, every "$(...)" that is not a folder macro, and so
/// stays as it is, is added to it (as a view into `text`).
void appendFolderMacrosTranslated(std::string& out, std::string_view text,
                                  std::vector<std::string_view>* unknown = nullptr);

} // namespace tembrix
