#pragma once

// How the engine reads a setup list: the numbered walks, the file entries and
// the icon entries, all answered from one parsed index of the list.

#include <string>
#include <string_view>
#include <utility>

#include "tembrix/platform/ProfileFile.h"

namespace tembrix {

/// The four fields of a file entry that the script uses. A value with fewer
/// than four fields leaves the missing ones empty. Fields 1 to 3 are views
/// into the value that was split.
struct FileEntry {
    std::string name;              ///< field 0 with every "@" removed
    std::string_view destination;  ///< field 1, in folder-macro form
    std::string_view registration; ///< field 2, the registration macro
    std::string_view shared;       ///< field 3, the shared-file marker
    std::size_t fieldCount = 0;    ///< how many fields the value has, at most 4
};

/// Fields 0 to 3 of a `File<n>` value, split at every comma; fields are neither
/// trimmed nor unquoted, and field 4 and later are ignored. Missing ones are empty.
struct FileFields {
    std::string_view field[4];
    std::size_t count = 0; ///< how many fields the value has, at most 4
};
FileFields splitFileFields(std::string_view value);

/// Splits a `File<n>` value at every comma; fields are neither trimmed nor
/// unquoted, and field 4 and later are ignored.
FileEntry splitFileEntry(std::string_view value);

/// The same into an existing entry, whose storage a walk reuses.
void splitFileEntry(std::string_view value, FileEntry& entry);

/// Calls `onEntry(const FileEntry&, std::string_view key)` for File1, File2,
/// ... of `section`, stopping at the first number whose value is empty or
/// missing.
template <typename OnEntry>
void forEachFileEntry(const ProfileIndex& list, std::string_view section, OnEntry&& onEntry) {
    std::string key = "File";
    FileEntry entry;
    for (unsigned long n = 1;; ++n) {
        key.resize(4);
        key += std::to_string(n);
        const std::string_view value = list.view(section, key, "");
        if (value.empty())
            return;
        splitFileEntry(value, entry);
        onEntry(std::as_const(entry), std::string_view(key));
    }
}

/// One shortcut of the icon group: the values of Icon<n>, Title<n>, StartIn<n>.
struct IconEntry {
    std::string programFile;
    std::string caption;
    std::string workingFolder;
};

/// Reads the icon entry `n` (1, 2, ...) of the section `group`, each key with
/// an empty default. A missing group or key gives empty texts.
IconEntry ReadIconEntry(const ProfileIndex& list, std::string_view group, unsigned long n);

} // namespace tembrix
