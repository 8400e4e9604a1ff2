#include "tembrix/platform/ProfileFile.h"

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <unordered_map>
#include <vector>

#include "AtomicFile.h"
#include "Cp1252Table.h"
#include "tembrix/platform/Cp1252.h"
#include "tembrix/platform/FileSystem.h"
#include "tembrix/platform/NativePath.h"

namespace tembrix {

// How a profile file is read. These are the rules of the Windows profile
// functions (GetPrivateProfileStringA), decided here once for reading and
// writing alike:
// - CR LF, LF alone and CR alone each end a line.
// - Blanks are space, TAB, VT, FF, CR, LF and ^Z; they are trimmed around a
//   line, a section name, a key and a value. 0xA0 is not a blank.
// - "[name]" opens a section; the name ends at the last "]" on the line, and
//   what follows it is ignored. "[name" without "]" is an ordinary line.
// - In a section, the key is the text before the first "=", the value the text
//   after it. A line without "=" is an entry without a value: looking it up
//   gives the default, and it hides a later line of the same name. ";" lines
//   are such entries too, so they never match a real key.
// - Lines before the first section belong to no section.
// - A NUL byte ends the name or value in which it stands.
// - Names compare without letter case, Windows-1252 letters such as é/É included.
// - The first line of a key wins. Sections of the same name are searched in
//   file order, so the first matching key of any of them wins: real setup lists
//   hold an icon group "[Setup ]" beside "[Setup]", which trim to one name.
// - A value loses one pair of enclosing quotes (" or ', the same at both ends,
//   at least two characters), then is cut to 254 bytes. A default is cut to 254
//   bytes and loses its trailing spaces; its quotes stay.
// - A file that starts with FF FE (or FE FF) is UTF-16 and is read as
//   Windows-1252, with '?' for characters the page lacks. A UTF-8 byte-order
//   mark is skipped: it means someone re-saved the file in an editor, and
//   keeping it would lose the first section.

namespace {

bool isBlank(unsigned char c) {
    return c == ' ' || c == '\t' || c == '\v' || c == '\f' || c == '\r' || c == '\n' || c == 0x1A;
}

std::string_view trim(std::string_view text) {
    std::size_t begin = 0;
    std::size_t end = text.size();
    while (begin < end && isBlank(static_cast<unsigned char>(text[begin])))
        ++begin;
    while (end > begin && isBlank(static_cast<unsigned char>(text[end - 1])))
        --end;
    return text.substr(begin, end - begin);
}

std::string_view cutAtNul(std::string_view text) {
    const auto nul = text.find('\0');
    return nul == std::string_view::npos ? text : text.substr(0, nul);
}

std::uint64_t hashFolded(std::string_view text, std::uint64_t seed) {
    std::uint64_t h = seed ^ 0xcbf29ce484222325ULL;
    for (char c : text) {
        h ^= kLowerCase.lower[static_cast<unsigned char>(c)];
        h *= 0x100000001b3ULL;
    }
    h ^= h >> 33;
    h *= 0xff51afd7ed558ccdULL;
    return h ^ (h >> 33);
}

std::string foldedCopy(std::string_view text) {
    return lowerCased(text);
}

std::string_view stripQuotesAndCut(std::string_view value) {
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
        value.back() == value.front())
        value = value.substr(1, value.size() - 2);
    return value.substr(0, kProfileValueLimit);
}

std::string_view cutDefault(std::string_view defaultValue) {
    defaultValue = defaultValue.substr(0, kProfileValueLimit);
    while (!defaultValue.empty() && defaultValue.back() == ' ')
        defaultValue.remove_suffix(1);
    return defaultValue;
}

std::string decodeUtf16(std::string_view bytes, bool littleEndian) {
    std::string out;
    out.reserve(bytes.size() / 2);
    for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
        const auto b0 = static_cast<unsigned char>(bytes[i]);
        const auto b1 = static_cast<unsigned char>(bytes[i + 1]);
        const char32_t unit = littleEndian ? (b1 << 8 | b0) : (b0 << 8 | b1);
        if (unit >= 0xD800 && unit <= 0xDBFF && i + 3 < bytes.size()) {
            i += 2; // the low surrogate: a character beyond the page
            out.push_back('?');
        } else {
            out.push_back(cp1252FromCodePoint(unit));
        }
    }
    return out;
}

// The bytes of a profile file as the parser sees them.
std::string normaliseEncoding(std::string bytes) {
    if (bytes.starts_with("\xFF\xFE"))
        return decodeUtf16(std::string_view(bytes).substr(2), true);
    if (bytes.starts_with("\xFE\xFF"))
        return decodeUtf16(std::string_view(bytes).substr(2), false);
    if (bytes.starts_with("\xEF\xBB\xBF"))
        bytes.erase(0, 3);
    return bytes;
}

// Calls onLine(text) for every line, without its line end.
template <typename OnLine> void forEachLine(std::string_view text, OnLine&& onLine) {
    const char* p = text.data();
    const char* const end = p + text.size();
    while (p < end) {
        const void* lf = std::memchr(p, '\n', static_cast<std::size_t>(end - p));
        const char* lineEnd = lf ? static_cast<const char*>(lf) : end;
        // A CR alone also ends a line, so split the stretch up to the LF at every CR.
        const char* q = p;
        while (const void* cr = std::memchr(q, '\r', static_cast<std::size_t>(lineEnd - q))) {
            onLine(std::string_view(q, static_cast<const char*>(cr) - q));
            q = static_cast<const char*>(cr) + 1;
        }
        onLine(std::string_view(q, lineEnd - q));
        if (lineEnd == end)
            break;
        p = lineEnd + 1;
    }
}

// What one trimmed, non-empty line is.
struct ParsedLine {
    enum class Kind { Section, Entry } kind;
    std::string_view name;  // section name, or entry name
    std::string_view value; // entry value
    bool hasValue = false;
};

ParsedLine parseLine(std::string_view line, bool mayHoldNul = true) {
    // Most files hold no NUL at all, which the caller knows from one scan.
    const auto cut = [mayHoldNul](std::string_view text) {
        return mayHoldNul ? cutAtNul(text) : text;
    };
    if (line.front() == '[') {
        const auto close = line.rfind(']');
        if (close != std::string_view::npos)
            return {ParsedLine::Kind::Section, cut(trim(line.substr(1, close - 1))), {}, false};
    }
    const auto equals = line.find('=');
    if (equals == std::string_view::npos)
        return {ParsedLine::Kind::Entry, cut(line), {}, false};
    return {ParsedLine::Kind::Entry, cut(trim(line.substr(0, equals))),
            cut(trim(line.substr(equals + 1))), true};
}

constexpr std::uint32_t kNoSection = 0xFFFFFFFFu;

inline void prefetchForWrite(const void* address) {
#if defined(__GNUC__) || defined(__clang__)
    __builtin_prefetch(address, 1);
#else
    (void)address;
#endif
}

} // namespace

struct ProfileIndex::Impl {
    struct Entry {
        std::uint32_t section;
        std::uint32_t keyOffset, keyLength;
        std::uint32_t valueOffset, valueLength;
        bool hasValue;
        bool first;            // the first line of its key in its section: the one a lookup finds
        bool underLaterHeader; // below the second or a later header of that section's name
    };

    std::string bytes;
    std::unordered_map<std::string, std::uint32_t> sectionIds; // folded name -> id
    std::vector<std::uint32_t> headerCounts;                   // by id
    std::vector<std::uint32_t> keyCounts;                      // by id
    std::vector<Entry> entries;
    // Open addressing: 0 is empty, else (hash high half << 32) | (entry index + 1).
    // The hash half lets a probe skip foreign entries without touching them.
    std::vector<std::uint64_t> slots;
    std::size_t mask = 0;
    // Setup lists are walked in file order (File1, File2, ...), so the entry
    // after the last one found is tried before the table.
    mutable std::size_t nextHint = 0;
    mutable std::string lastSectionName;
    mutable std::uint32_t lastSectionId = kNoSection;

    std::string_view key(const Entry& e) const {
        return std::string_view(bytes).substr(e.keyOffset, e.keyLength);
    }
    std::string_view value(const Entry& e) const {
        return std::string_view(bytes).substr(e.valueOffset, e.valueLength);
    }

    std::uint32_t sectionId(std::string_view name) const {
        if (name.empty())
            return kNoSection; // no section has an empty name
        if (name == lastSectionName)
            return lastSectionId;
        const auto found = sectionIds.find(foldedCopy(name));
        lastSectionName.assign(name);
        lastSectionId = found == sectionIds.end() ? kNoSection : found->second;
        return lastSectionId;
    }

    bool matches(const Entry& e, std::uint32_t section, std::string_view keyName) const {
        return e.section == section && equalsFolded(key(e), keyName);
    }

    const Entry* find(std::uint32_t section, std::string_view keyName) const {
        if (section == kNoSection || entries.empty())
            return nullptr;
        if (nextHint < entries.size()) {
            const Entry& e = entries[nextHint];
            if (e.first && matches(e, section, keyName)) {
                ++nextHint;
                return &e;
            }
        }
        const std::uint64_t hash = hashFolded(keyName, section);
        const std::uint64_t tag = hash >> 32;
        for (std::size_t slot = hash & mask;; slot = (slot + 1) & mask) {
            const std::uint64_t ref = slots[slot];
            if (ref == 0)
                return nullptr;
            if ((ref >> 32) != tag)
                continue;
            const std::size_t index = (ref & 0xFFFFFFFFu) - 1;
            if (matches(entries[index], section, keyName)) {
                nextHint = index + 1;
                return &entries[index];
            }
        }
    }

    void build() {
        std::uint32_t current = kNoSection;
        bool laterHeader = false;
        const char* base = bytes.data();
        std::size_t lineEstimate = 1;
        for (const char* p = base;
             (p = static_cast<const char*>(
                  std::memchr(p, '\n', bytes.size() - static_cast<std::size_t>(p - base))));
             ++p)
            ++lineEstimate;
        entries.reserve(lineEstimate);
        const bool mayHoldNul = std::memchr(base, 0, bytes.size()) != nullptr;
        forEachLine(bytes, [&](std::string_view raw) {
            const std::string_view line = trim(raw);
            if (line.empty())
                return;
            const ParsedLine parsed = parseLine(line, mayHoldNul);
            if (parsed.kind == ParsedLine::Kind::Section) {
                if (parsed.name.empty()) {
                    current = kNoSection;
                    return;
                }
                auto [it, inserted] = sectionIds.try_emplace(
                    foldedCopy(parsed.name), static_cast<std::uint32_t>(sectionIds.size()));
                current = it->second;
                if (inserted) {
                    headerCounts.push_back(0);
                    keyCounts.push_back(0);
                }
                laterHeader = ++headerCounts[current] > 1;
                return;
            }
            if (current == kNoSection)
                return;
            ++keyCounts[current];
            entries.push_back({current, static_cast<std::uint32_t>(parsed.name.data() - base),
                               static_cast<std::uint32_t>(parsed.name.size()),
                               static_cast<std::uint32_t>(parsed.value.data() - base),
                               static_cast<std::uint32_t>(parsed.value.size()), parsed.hasValue,
                               false, laterHeader});
        });
        std::size_t capacity = 16;
        while (capacity < entries.size() * 2)
            capacity <<= 1;
        slots.assign(capacity, 0);
        mask = capacity - 1;
        // Past the cache size every insertion waits for memory, so the slot of
        // an entry a few places ahead is fetched early; hashes wait in a ring.
        constexpr std::size_t kAhead = 16;
        std::uint64_t ahead[kAhead];
        for (std::uint32_t i = 0; i < entries.size() && i < kAhead; ++i)
            ahead[i] = hashFolded(key(entries[i]), entries[i].section);
        for (std::uint32_t i = 0; i < entries.size(); ++i) {
            Entry& e = entries[i];
            const std::uint64_t hash = ahead[i % kAhead];
            if (i + kAhead < entries.size()) {
                const Entry& later = entries[i + kAhead];
                ahead[i % kAhead] = hashFolded(key(later), later.section);
                prefetchForWrite(&slots[ahead[i % kAhead] & mask]);
            }
            const std::uint64_t tag = hash >> 32;
            std::size_t slot = hash & mask;
            bool duplicate = false;
            for (; slots[slot] != 0; slot = (slot + 1) & mask) {
                if ((slots[slot] >> 32) == tag &&
                    matches(entries[(slots[slot] & 0xFFFFFFFFu) - 1], e.section, key(e))) {
                    duplicate = true; // the first line of a key wins
                    break;
                }
            }
            if (!duplicate) {
                slots[slot] = (tag << 32) | (i + 1);
                e.first = true;
            }
        }
    }
};

ProfileIndex::ProfileIndex() : m_impl(std::make_unique<Impl>()) {}
ProfileIndex::~ProfileIndex() = default;
ProfileIndex::ProfileIndex(ProfileIndex&&) noexcept = default;
ProfileIndex& ProfileIndex::operator=(ProfileIndex&&) noexcept = default;

ProfileIndex ProfileIndex::parse(std::string bytes) {
    ProfileIndex index;
    index.m_impl->bytes = normaliseEncoding(std::move(bytes));
    // Offsets are 32-bit; a larger file keeps its first 4 GiB.
    if (index.m_impl->bytes.size() > 0xFFFFFFFEu)
        index.m_impl->bytes.resize(0xFFFFFFFEu);
    index.m_impl->build();
    return index;
}

ProfileIndex ProfileIndex::load(const std::string& filePath) {
    auto bytes = readWholeFile(filePath);
    return parse(bytes ? std::move(*bytes) : std::string());
}

std::string_view ProfileIndex::view(std::string_view section, std::string_view key,
                                    std::string_view defaultValue) const {
    const Impl::Entry* entry = m_impl->find(m_impl->sectionId(trim(section)), trim(key));
    if (!entry || !entry->hasValue)
        return cutDefault(defaultValue);
    return stripQuotesAndCut(m_impl->value(*entry));
}

std::string ProfileIndex::read(std::string_view section, std::string_view key,
                               std::string_view defaultValue) const {
    return std::string(view(section, key, defaultValue));
}

bool ProfileIndex::contains(std::string_view section, std::string_view key) const {
    const Impl::Entry* entry = m_impl->find(m_impl->sectionId(trim(section)), trim(key));
    return entry && entry->hasValue;
}

std::size_t ProfileIndex::sectionCount(std::string_view section) const {
    const std::uint32_t id = m_impl->sectionId(trim(section));
    return id == kNoSection ? 0 : m_impl->headerCounts[id];
}

std::size_t ProfileIndex::keyCount(std::string_view section) const {
    const std::uint32_t id = m_impl->sectionId(trim(section));
    return id == kNoSection ? 0 : m_impl->keyCounts[id];
}

bool ProfileIndex::foundUnderLaterHeader(std::string_view section, std::string_view key) const {
    const Impl::Entry* entry = m_impl->find(m_impl->sectionId(trim(section)), trim(key));
    return entry && entry->underLaterHeader;
}

std::string_view ProfileIndex::bytes() const {
    return m_impl->bytes;
}

std::string ProfileIndex::releaseBytes() {
    std::string bytes = std::move(m_impl->bytes);
    m_impl = std::make_unique<Impl>();
    return bytes;
}

std::string ReadProfileString(const std::string& filePath, std::string_view section,
                              std::string_view key, std::string_view defaultValue) {
    return ProfileIndex::load(filePath).read(section, key, defaultValue);
}

namespace {

// `text` with `key=value` stored into `[section]`, as one write of the
// profile functions would leave the file. `bomLength` bytes at the start are
// a byte-order mark that the search skips and keeps.
std::string storeInText(const std::string& old, std::size_t bomLength, std::string_view section,
                        std::string_view key, std::string_view value) {
    const std::string newLine = std::string(key) + "=" + std::string(value);

    // Find, in file order, the sections of that name: where the key's line is,
    // or else where the first of them ends (after its last non-blank line).
    std::size_t replaceBegin = std::string::npos, replaceEnd = 0;
    std::size_t appendAt = std::string::npos;
    bool inSection = false, firstSectionDone = false;
    std::size_t sectionTail = 0;
    const char* base = old.data();
    forEachLine(std::string_view(old).substr(bomLength), [&](std::string_view raw) {
        if (replaceBegin != std::string::npos)
            return;
        const std::string_view line = trim(raw);
        const std::size_t rawBegin = static_cast<std::size_t>(raw.data() - base);
        const std::size_t rawEnd = rawBegin + raw.size();
        if (line.empty())
            return;
        const ParsedLine parsed = parseLine(line);
        if (parsed.kind == ParsedLine::Kind::Section) {
            if (inSection && !firstSectionDone) {
                appendAt = sectionTail;
                firstSectionDone = true;
            }
            inSection = equalsFolded(parsed.name, section);
            if (inSection && !firstSectionDone)
                sectionTail = rawEnd;
            return;
        }
        if (!inSection)
            return;
        if (equalsFolded(parsed.name, key)) {
            replaceBegin = rawBegin;
            replaceEnd = rawEnd;
            return;
        }
        if (!firstSectionDone)
            sectionTail = rawEnd;
    });
    if (inSection && !firstSectionDone && appendAt == std::string::npos)
        appendAt = sectionTail;

    std::string updated;
    updated.reserve(old.size() + newLine.size() + section.size() + 8);
    if (replaceBegin != std::string::npos) {
        updated.append(old, 0, replaceBegin).append(newLine).append(old, replaceEnd);
    } else if (appendAt != std::string::npos) {
        // After the section's last line and its line end.
        std::size_t at = appendAt;
        if (at < old.size() && old[at] == '\r')
            ++at;
        if (at < old.size() && old[at] == '\n')
            ++at;
        updated.append(old, 0, at);
        if (at == appendAt) // that line had no line end: the end of the file
            updated.append("\r\n");
        updated.append(newLine).append("\r\n").append(old, at);
    } else {
        // A file that holds only a UTF-8 mark is empty: no blank line after the mark.
        updated = old;
        if (updated.size() > bomLength && updated.back() != '\n' && updated.back() != '\r')
            updated.append("\r\n");
        if (updated.size() > bomLength)
            updated.append("\r\n");
        updated.append("[").append(section).append("]\r\n").append(newLine).append("\r\n");
    }
    return updated;
}

// The file's bytes when it may be updated in place: nothing when it is there
// but cannot be read (rewriting it would lose its content) or is UTF-16 (lines
// of single bytes would damage it).
std::optional<std::string> readForUpdate(const std::string& filePath) {
    std::error_code ec;
    auto existing = readWholeFile(filePath);
    if (!existing)
        return std::filesystem::exists(nativePath(filePath), ec)
                   ? std::nullopt
                   : std::optional<std::string>(std::string());
    if (existing->starts_with("\xFF\xFE") || existing->starts_with("\xFE\xFF"))
        return std::nullopt;
    return existing;
}

bool writeIfChanged(const std::string& filePath, const std::string& old,
                    const std::string& updated) {
    if (updated == old)
        return true;
    AtomicFile file;
    if (!file.open(filePath))
        return false;
    file.write(updated);
    return file.commit().ok();
}

} // namespace

bool StoreProfileString(const std::string& filePath, std::string_view section, std::string_view key,
                        std::string_view value) {
    return StoreProfileStrings(filePath, section, {{std::string(key), std::string(value)}});
}

bool StoreProfileStrings(const std::string& filePath, std::string_view section,
                         const std::vector<std::pair<std::string, std::string>>& entries,
                         StoredValues values) {
    section = trim(cutAtNul(section));
    if (section.empty())
        return false;
    const std::optional<std::string> old = readForUpdate(filePath);
    if (!old)
        return false;
    // The reader skips a UTF-8 mark, so the search does too; the mark itself stays.
    const std::size_t bomLength = old->starts_with("\xEF\xBB\xBF") ? 3 : 0;
    const bool inUtf8 = bomLength != 0 && values == StoredValues::Utf8InMarkedFile;
    std::string text = *old;
    bool allStored = true;
    for (const auto& [rawKey, rawValue] : entries) {
        const std::string_view key = trim(cutAtNul(rawKey));
        if (key.empty()) {
            allStored = false;
            continue;
        }
        const std::string_view value = cutAtNul(rawValue);
        const std::string converted = inUtf8 ? utf8FromCp1252(value) : std::string();
        text = storeInText(text, bomLength, section, key, inUtf8 ? converted : value);
    }
    return writeIfChanged(filePath, *old, text) && allStored;
}

} // namespace tembrix
