#pragma once

#include <cstddef>
#include <string_view>

namespace tembrix {

/// The character of one Windows-1252 byte.
char32_t codePointFromCp1252(unsigned char byte);
/// The Windows-1252 byte of a character, or '?' when the page lacks it.
char cp1252FromCodePoint(char32_t codePoint);

// Lower-case letter of every Windows-1252 byte.
struct FoldTable {
    unsigned char lower[256];
    constexpr FoldTable() : lower() {
        for (int c = 0; c < 256; ++c)
            lower[c] = static_cast<unsigned char>(c);
        for (int c = 'A'; c <= 'Z'; ++c)
            lower[c] = static_cast<unsigned char>(c + 32);
        for (int c = 0xC0; c <= 0xDE; ++c)
            if (c != 0xD7)
                lower[c] = static_cast<unsigned char>(c + 32);
        lower[0x8A] = 0x9A; // Š
        lower[0x8C] = 0x9C; // Œ
        lower[0x8E] = 0x9E; // Ž
        lower[0x9F] = 0xFF; // Ÿ
    }
};
inline constexpr FoldTable kLowerCase;

// Inline, since profile lookups compare names on their hot path.
inline bool equalsFolded(std::string_view a, std::string_view b) {
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (kLowerCase.lower[static_cast<unsigned char>(a[i])] !=
            kLowerCase.lower[static_cast<unsigned char>(b[i])])
            return false;
    }
    return true;
}

} // namespace tembrix
