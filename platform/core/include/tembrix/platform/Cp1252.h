#pragma once

// Conversion between Windows-1252 bytes, which every file of the program
// holds, and UTF-8, which the sources and the windowing layer use.

#include <optional>
#include <string>
#include <string_view>

namespace tembrix {

/// Each byte becomes its UTF-8 character; the five bytes that Windows-1252
/// leaves undefined (81 8D 8F 90 9D) map to the C1 controls of the same value.
std::string utf8FromCp1252(std::string_view bytes);

/// Each UTF-8 character becomes its Windows-1252 byte; a character that the
/// code page lacks, and any malformed byte, becomes '?'.
std::string cp1252FromUtf8(std::string_view utf8);
/// `cp1252FromUtf8` for a text that must arrive whole: nothing when a
/// character is not in the page or a byte is malformed.
std::optional<std::string> cp1252FromUtf8Exactly(std::string_view utf8);

/// Compares without letter case, as Windows does for profile names and file
/// names: ASCII letters and the Windows-1252 letters such as é/É.
bool equalsIgnoringCase(std::string_view a, std::string_view b);
/// True when the text ends with `suffix`, compared as `equalsIgnoringCase` does.
bool endsWithIgnoringCase(std::string_view text, std::string_view suffix);
/// The text with every Windows-1252 capital replaced by its small letter.
std::string lowerCased(std::string_view text);
/// One byte as `lowerCased` gives it.
char lowerCased(char c);

/// True when the text is well-formed UTF-8 (overlong forms and surrogates are not).
bool isUtf8(std::string_view text);

} // namespace tembrix
