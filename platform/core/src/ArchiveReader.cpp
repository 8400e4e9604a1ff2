#include <cstdio>
#include <memory>

#include "CabinetDirectory.h"
#include "tembrix/platform/NativePath.h"

namespace tembrix {

namespace {

std::uint32_t littleEndian(const unsigned char* bytes, int count) {
    std::uint32_t value = 0;
    for (int i = count - 1; i >= 0; --i)
        value = (value << 8) | bytes[i];
    return value;
}

} // namespace

std::vector<std::uint16_t> cabinetFolderIndexes(const std::string& path) {
    std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(openFile(nativePath(path), "rb"),
                                                         &std::fclose);
    if (!file)
        return {};
    // The fixed header: signature, where the directory of files begins, and
    // how many files it holds.
    unsigned char header[36];
    if (std::fread(header, 1, sizeof header, file.get()) != sizeof header ||
        littleEndian(header, 4) != 0x4643534D)
        return {};
    const long filesAt = static_cast<long>(littleEndian(header + 16, 4));
    const std::uint32_t count = littleEndian(header + 28, 2);
    if (std::fseek(file.get(), filesAt, SEEK_SET) != 0)
        return {};
    std::vector<std::uint16_t> indexes;
    for (std::uint32_t i = 0; i < count; ++i) {
        // Size, offset in its folder, folder index, date, time, attributes,
        // then the name up to its zero byte.
        unsigned char entry[16];
        if (std::fread(entry, 1, sizeof entry, file.get()) != sizeof entry)
            return {};
        indexes.push_back(static_cast<std::uint16_t>(littleEndian(entry + 8, 2)));
        int c = 0;
        while ((c = std::fgetc(file.get())) > 0) {
        }
        if (c != 0)
            return {};
    }
    return indexes;
}

} // namespace tembrix
