#pragma once

// Where core bytes meet Qt: file contents and texts are Windows-1252; paths
// are UTF-8, as every path in memory (see NativePath.h; elsewhere than on
// Windows, the system's file-name bytes, which a UTF-8 locale makes UTF-8).

#include <QString>

#include <optional>
#include <string>
#include <string_view>

namespace tembrix {

QString qtFromCp1252(std::string_view bytes);
/// Characters that Windows-1252 lacks become '?'.
std::string cp1252FromQt(const QString& text);

/// A text for the script taken from a path, in the system's code page
/// (CodePage.h); nothing when a character is not in that page.
std::optional<std::string> scriptTextFromQt(const QString& text);

QString qtFromPath(const std::string& path);
std::string pathFromQt(const QString& path);

} // namespace tembrix
