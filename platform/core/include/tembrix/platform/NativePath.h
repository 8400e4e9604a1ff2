#pragma once

#include <cstdio>
#include <filesystem>
#include <string>

namespace tembrix {

// Paths are UTF-8 in memory on every system, as Linux and Qt already give them.
// Windows names files in UTF-16: these helpers turn a path into the system's own
// form and back, so that no name is lost to the ANSI code page on the way. A
// path that is not valid UTF-8 is taken in the ANSI code page (Windows) or
// byte for byte (elsewhere).

/// The path in the system's own form, for std::filesystem.
std::filesystem::path nativePath(const std::string& path);
/// The path in UTF-8.
std::string utf8Path(const std::filesystem::path& path);
/// std::fopen with a UTF-8 (or native) name. Mode "wbx" creates exclusively.
std::FILE* openFile(const std::filesystem::path& path, const char* mode);

} // namespace tembrix
