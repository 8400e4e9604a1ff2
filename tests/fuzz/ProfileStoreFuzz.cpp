// StoreProfileStrings on any file, section and entries. The input is the file,
// the section and the entries (one "key=value" a line), separated by lines
// "%%". Plain names and values must read back as they were stored.

#include <fstream>
#include <string>
#include <utility>
#include <vector>

#include "FuzzInput.h"
#include "tembrix/platform/Cp1252.h"
#include "tembrix/platform/ProfileFile.h"

namespace {

// Printable, not blank at either end, and nothing the line syntax gives a
// meaning: such a text must survive the round trip unchanged.
bool isPlain(std::string_view text, bool isValue) {
    if (text.empty())
        return isValue;
    if (text.size() > tembrix::kProfileValueLimit || text.front() == ' ' || text.back() == ' ')
        return false;
    for (unsigned char c : text)
        if (c < 0x20 || c == 0x7F || c == '=' || c == '[' || c == ']' || c == ';' || c == '"' ||
            c == '\'')
            return false;
    return true;
}

// The name that the store writes for a key: cut at a NUL, without blanks around.
std::string storedName(std::string_view key) {
    key = key.substr(0, key.find('\0'));
    const auto isBlank = [](char c) {
        return std::string_view(" \t\v\f\r\n\x1A").find(c) != std::string_view::npos;
    };
    while (!key.empty() && isBlank(key.front()))
        key.remove_prefix(1);
    while (!key.empty() && isBlank(key.back()))
        key.remove_suffix(1);
    return std::string(key);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto parts = fuzz::splitParts(data, size, 3);
    const std::string path = (fuzz::scratchFolder() / "store.ini").string();
    std::ofstream(path, std::ios::binary | std::ios::trunc) << parts[0];

    std::vector<std::pair<std::string, std::string>> entries;
    for (std::size_t begin = 0; begin <= parts[2].size() && entries.size() < 16;) {
        std::size_t end = parts[2].find('\n', begin);
        if (end == std::string::npos)
            end = parts[2].size();
        const std::string line = parts[2].substr(begin, end - begin);
        const auto equals = line.find('=');
        entries.emplace_back(line.substr(0, equals),
                             equals == std::string::npos ? "" : line.substr(equals + 1));
        begin = end + 1;
    }
    const std::string& section = parts[1];
    if (!tembrix::StoreProfileStrings(path, section, entries) || !isPlain(section, false))
        return 0;

    // A key such as "[x]", or a value with a line end, makes lines of its own
    // that move the entries after it into another section: no check then.
    for (const auto& [key, value] : entries)
        if (!isPlain(storedName(key), false) || !isPlain(value, true))
            return 0;
    const auto index = tembrix::ProfileIndex::load(path);
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const std::string key = storedName(entries[i].first);
        const std::string& value = entries[i].second;
        bool replacedLater = false;
        for (std::size_t j = i + 1; j < entries.size(); ++j)
            replacedLater =
                replacedLater || tembrix::equalsIgnoringCase(storedName(entries[j].first), key);
        if (!replacedLater)
            fuzz::require(index.read(section, key, "<none>") == value,
                          "a stored value reads back otherwise");
    }
    return 0;
}
