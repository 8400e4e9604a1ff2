#pragma once

// The system's code page: what a script's texts taken from paths are written
// in, so that the compiler on that system reads the folders as they are named,
// and what programs such as the compiler write their output in. On Windows
// the ANSI code page; elsewhere Windows-1252, the code page of the built-in
// texts.

#include <optional>
#include <string>
#include <string_view>

namespace tembrix {

/// The code page's number: GetACP() on Windows, 1252 elsewhere.
unsigned systemCodePage();

/// A UTF-8 text in the system's code page. Nothing when a character has no
/// byte of its own there (never a '?' or a look-alike in its place), or when
/// the text is not UTF-8.
std::optional<std::string> systemCodePageFromUtf8(std::string_view utf8);

/// Bytes in the system's code page as UTF-8.
std::string utf8FromSystemCodePage(std::string_view bytes);

} // namespace tembrix
