#pragma once

// INI ("profile") files with the rules of the Windows profile functions.
// Every text is bytes in a single-byte code page and passes through unchanged.

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace tembrix {

/// The longest text a lookup gives back; longer values and defaults are cut.
inline constexpr std::size_t kProfileValueLimit = 254;

/// A parsed INI text that answers lookups without touching the disk again.
/// It keeps the bytes it was given; lookups cost about O(1) per key, and a
/// walk in file order (File1, File2, ...) costs no hashing at all. Lookups
/// update a private hint, so one index is not for several threads at once.
class ProfileIndex {
public:
    ProfileIndex();
    ~ProfileIndex();
    ProfileIndex(ProfileIndex&&) noexcept;
    ProfileIndex& operator=(ProfileIndex&&) noexcept;

    /// Parses INI bytes. Never fails: anything that is not a section or key line
    /// is read the way Windows reads it.
    static ProfileIndex parse(std::string bytes);

    /// Reads the whole file once and parses it. A missing or unreadable file
    /// gives an empty index, so every lookup then yields its default.
    static ProfileIndex load(const std::string& filePath);

    /// The value of `key` in `[section]`, or `defaultValue` when the section or
    /// the key is missing. Names compare without letter case and without the
    /// blanks around them. The value loses its surrounding blanks and one pair
    /// of enclosing quotes, then is cut to 254 bytes. A default is cut to 254
    /// bytes and loses its trailing blanks. A key present with an empty value
    /// yields the empty text, not the default.
    std::string read(std::string_view section, std::string_view key,
                     std::string_view defaultValue) const;

    /// The same answer as `read`, as a view into this index's bytes or into
    /// `defaultValue`; it stays valid while both live.
    std::string_view view(std::string_view section, std::string_view key,
                          std::string_view defaultValue) const;

    /// True when the key is present in the section (even with an empty value).
    bool contains(std::string_view section, std::string_view key) const;

    /// How many section headers carry this name (compared as lookups compare
    /// it); 0 when the section is missing.
    std::size_t sectionCount(std::string_view section) const;

    /// How many key lines the headers of this name hold, repeated keys
    /// included: an upper bound of how many keys a walk of the section finds.
    std::size_t keyCount(std::string_view section) const;

    /// True when the line that a lookup of the key finds stands below the
    /// second or a later header of the section's name, so that a reader that
    /// stops at the first header would miss it.
    bool foundUnderLaterHeader(std::string_view section, std::string_view key) const;

    /// The bytes that every view points into (a file in UTF-16 as Windows-1252).
    std::string_view bytes() const;

    /// Those bytes, taken out of the index, which then answers as an empty one.
    /// A reader that kept offsets into them needs nothing else of the index.
    std::string releaseBytes();

private:
    struct Impl;
    std::unique_ptr<Impl> m_impl;
};

/// One lookup in the file at `filePath`: `ProfileIndex::load(filePath).read(...)`.
/// A missing or unreadable file yields the default (cut and trimmed as above).
std::string ReadProfileString(const std::string& filePath, std::string_view section,
                              std::string_view key, std::string_view defaultValue);

/// Writes `key=value` into `[section]` of the file at `filePath`: replaces the
/// first line of that key in the section (names compared without letter case),
/// or adds the line at the end of the section, adding the section at the end of
/// the file and creating the file when they are missing. Every other byte of
/// the file is kept; new lines end with CR LF. The value is written unchanged.
/// The file is replaced atomically, so a failed write leaves it as it was.
/// Returns false when the file could not be written; Windows callers ignore that.
bool StoreProfileString(const std::string& filePath, std::string_view section, std::string_view key,
                        std::string_view value);

/// How `StoreProfileStrings` writes its values: unchanged, or, into a file
/// that starts with a UTF-8 byte-order mark, as UTF-8 from Windows-1252, for
/// a reader that takes such a file as UTF-8 throughout.
enum class StoredValues { AsGiven, Utf8InMarkedFile };

/// Several `StoreProfileString` calls on one section, in order, with one read
/// and one atomic write of the file: the file ends as the calls would leave it.
/// Returns false when the file could not be written or a key was empty (the
/// other keys are still stored).
bool StoreProfileStrings(const std::string& filePath, std::string_view section,
                         const std::vector<std::pair<std::string, std::string>>& entries,
                         StoredValues values = StoredValues::AsGiven);

} // namespace tembrix
