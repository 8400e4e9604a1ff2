#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tembrix {

/// Which names the constants get: today's, Inno Setup 6's ({commonpf} for
/// {pf}, {commoncf} for {cf}), or Inno Setup 6's auto forms ({autopf},
/// {autocf}), which suit the default installation folder.
enum class FolderConstants { Classic, Inno6, Inno6Auto };

/// Appends `TranslateFolderMacros(text)` to `out` without a string of its own.
/// When `unknown` is given, every "$(...)" that is not a folder macro, and so
/// stays as it is, is added to it (as a view into `text`).
void appendFolderMacrosTranslated(std::string& out, std::string_view text,
                                  std::vector<std::string_view>* unknown = nullptr,
                                  FolderConstants names = FolderConstants::Classic);

} // namespace tembrix
