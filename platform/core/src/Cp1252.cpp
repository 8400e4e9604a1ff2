#include "tembrix/platform/Cp1252.h"

#include "Cp1252Table.h"

namespace tembrix {

namespace {

// Code points of the bytes 80 to 9F; the rest of the page equals Latin-1.
constexpr char32_t kHighControls[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, //
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F, //
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, //
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

void appendUtf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out.push_back(static_cast<char>(cp));
    } else if (cp < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    }
}

} // namespace

char32_t codePointFromCp1252(unsigned char byte) {
    if (byte >= 0x80 && byte < 0xA0)
        return kHighControls[byte - 0x80];
    return byte;
}

char cp1252FromCodePoint(char32_t cp) {
    if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF))
        return static_cast<char>(cp);
    for (int i = 0; i < 32; ++i) {
        if (kHighControls[i] == cp)
            return static_cast<char>(0x80 + i);
    }
    return '?';
}

std::string utf8FromCp1252(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size() + bytes.size() / 8);
    for (char c : bytes)
        appendUtf8(out, codePointFromCp1252(static_cast<unsigned char>(c)));
    return out;
}

namespace {

// The length of the UTF-8 sequence at `at` (0 when it is broken off) and its
// code point. Overlong forms and surrogates are whole sequences but not valid
// characters, so that C0 80 cannot smuggle a NUL in.
std::size_t decodeUtf8(std::string_view utf8, std::size_t at, char32_t& cp, bool& valid) {
    valid = false;
    const auto lead = static_cast<unsigned char>(utf8[at]);
    const std::size_t length = lead < 0x80           ? 1
                               : (lead >> 5) == 0x6  ? 2
                               : (lead >> 4) == 0xE  ? 3
                               : (lead >> 3) == 0x1E ? 4
                                                     : 0;
    if (length == 0 || at + length > utf8.size())
        return 0;
    cp = length == 1 ? lead : lead & (0x7F >> length);
    for (std::size_t k = 1; k < length; ++k) {
        const auto next = static_cast<unsigned char>(utf8[at + k]);
        if ((next & 0xC0) != 0x80)
            return 0;
        cp = (cp << 6) | (next & 0x3F);
    }
    const bool overlong =
        (length == 2 && cp < 0x80) || (length == 3 && cp < 0x800) || (length == 4 && cp < 0x10000);
    valid = !overlong && !(cp >= 0xD800 && cp <= 0xDFFF) && cp <= 0x10FFFF;
    return length;
}

} // namespace

namespace {

// Each character as its Windows-1252 byte. One that the code page cannot hold,
// or a byte that is no UTF-8, becomes "?", or, when `exactly`, fails the text.
std::optional<std::string> toCp1252(std::string_view utf8, bool exactly) {
    std::string out;
    out.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size();) {
        char32_t cp = 0;
        bool valid = false;
        const std::size_t length = decodeUtf8(utf8, i, cp, valid);
        const char byte = valid ? cp1252FromCodePoint(cp) : '?';
        if (exactly && (!valid || (byte == '?' && cp != U'?')))
            return std::nullopt;
        out.push_back(byte);
        i += length ? length : 1;
    }
    return out;
}

} // namespace

std::string cp1252FromUtf8(std::string_view utf8) {
    return *toCp1252(utf8, false);
}

std::optional<std::string> cp1252FromUtf8Exactly(std::string_view utf8) {
    return toCp1252(utf8, true);
}

bool equalsIgnoringCase(std::string_view a, std::string_view b) {
    return equalsFolded(a, b);
}

bool endsWithIgnoringCase(std::string_view text, std::string_view suffix) {
    return text.size() >= suffix.size() &&
           equalsFolded(text.substr(text.size() - suffix.size()), suffix);
}

char lowerCased(char c) {
    return static_cast<char>(kLowerCase.lower[static_cast<unsigned char>(c)]);
}

std::string lowerCased(std::string_view text) {
    std::string out(text);
    for (char& c : out)
        c = static_cast<char>(kLowerCase.lower[static_cast<unsigned char>(c)]);
    return out;
}

bool isUtf8(std::string_view text) {
    char32_t cp = 0;
    bool valid = false;
    for (std::size_t i = 0, length; i < text.size(); i += length) {
        length = decodeUtf8(text, i, cp, valid);
        if (!valid)
            return false;
    }
    return true;
}

} // namespace tembrix
