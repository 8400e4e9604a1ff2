#pragma once

namespace tembrix {

/// The character of one Windows-1252 byte.
char32_t codePointFromCp1252(unsigned char byte);
/// The Windows-1252 byte of a character, or '?' when the page lacks it.
char cp1252FromCodePoint(char32_t codePoint);

} // namespace tembrix
