#include "SetupList.h"

namespace tembrix {

FileEntry splitFileEntry(std::string_view value) {
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

    FileEntry entry;
    entry.name.reserve(fields[0].size());
    for (char c : fields[0])
        if (c != '@')
            entry.name.push_back(c);
    entry.destination.assign(fields[1]);
    entry.registration.assign(fields[2]);
    entry.shared.assign(fields[3]);
    return entry;
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
