#include "SetupList.h"

namespace tembrix {

FileEntry splitFileEntry(std::string_view value) {
    FileEntry entry;
    splitFileEntry(value, entry);
    return entry;
}

void splitFileEntry(std::string_view value, FileEntry& entry) {
    std::string_view fields[4];
    std::size_t count = 0;
    std::size_t begin = 0;
    while (count < 4) {
        const std::size_t comma = value.find(',', begin);
        fields[count++] =
            value.substr(begin, comma == std::string_view::npos ? comma : comma - begin);
        if (comma == std::string_view::npos)
            break;
        begin = comma + 1;
    }

    entry.name.assign(fields[0]);
    std::erase(entry.name, '@');
    entry.destination = fields[1];
    entry.registration = fields[2];
    entry.shared = fields[3];
    entry.fieldCount = count;
}

IconEntry ReadIconEntry(const ProfileIndex& list, std::string_view group, unsigned long n) {
    const std::string number = std::to_string(n);
    IconEntry entry;
    entry.programFile = list.read(group, "Icon" + number, "");
    entry.caption = list.read(group, "Title" + number, "");
    entry.workingFolder = list.read(group, "StartIn" + number, "");
    return entry;
}

} // namespace tembrix
