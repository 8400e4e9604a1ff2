#include "SetupList.h"

namespace tembrix {

FileEntry splitFileEntry(std::string_view value) {
    FileEntry entry;
    splitFileEntry(value, entry);
    return entry;
}

FileFields splitFileFields(std::string_view value) {
    FileFields fields;
    std::size_t begin = 0;
    while (fields.count < 4) {
        const std::size_t comma = value.find(',', begin);
        fields.field[fields.count++] =
            value.substr(begin, comma == std::string_view::npos ? comma : comma - begin);
        if (comma == std::string_view::npos)
            break;
        begin = comma + 1;
    }
    return fields;
}

void splitFileEntry(std::string_view value, FileEntry& entry) {
    const FileFields fields = splitFileFields(value);
    entry.name.assign(fields.field[0]);
    std::erase(entry.name, '@');
    entry.destination = fields.field[1];
    entry.registration = fields.field[2];
    entry.shared = fields.field[3];
    entry.fieldCount = fields.count;
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
