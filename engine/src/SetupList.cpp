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

    entry.name.clear();
    for (std::size_t at = 0; at < fields[0].size();) {
        const std::size_t mark = fields[0].find('@', at);
        entry.name.append(fields[0].substr(at, mark == std::string_view::npos ? mark : mark - at));
        if (mark == std::string_view::npos)
            break;
        at = mark + 1;
    }
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
