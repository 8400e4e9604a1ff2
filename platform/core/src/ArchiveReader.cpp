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

bool readText(std::FILE* file, std::string& text) {
    text.clear();
    for (int c = std::fgetc(file); c != 0; c = std::fgetc(file)) {
        if (c == EOF || text.size() > 255)
            return false;
        text += static_cast<char>(c);
    }
    return true;
}

} // namespace

std::optional<CabinetListing> cabinetDirectory(const std::string& path) {
    std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(openFile(nativePath(path), "rb"),
                                                         &std::fclose);
    if (!file)
        return std::nullopt;
    // The fixed header: signature, where the directory of files begins, how
    // many files it holds, and whether reserved room and neighbours follow.
    unsigned char header[36];
    if (std::fread(header, 1, sizeof header, file.get()) != sizeof header ||
        littleEndian(header, 4) != 0x4643534D)
        return std::nullopt;
    const long filesAt = static_cast<long>(littleEndian(header + 16, 4));
    const std::uint32_t count = littleEndian(header + 28, 2);
    const std::uint32_t flags = littleEndian(header + 30, 2);
    if (flags & 4) {
        unsigned char reserve[4];
        if (std::fread(reserve, 1, sizeof reserve, file.get()) != sizeof reserve ||
            std::fseek(file.get(), static_cast<long>(littleEndian(reserve, 2)), SEEK_CUR) != 0)
            return std::nullopt;
    }
    CabinetListing listing;
    std::string disk;
    if ((flags & 1) &&
        !(readText(file.get(), listing.previousCabinet) && readText(file.get(), disk)))
        return std::nullopt;
    if ((flags & 2) && !(readText(file.get(), listing.nextCabinet) && readText(file.get(), disk)))
        return std::nullopt;
    if (std::fseek(file.get(), filesAt, SEEK_SET) != 0)
        return std::nullopt;
    for (std::uint32_t i = 0; i < count; ++i) {
        // Size, offset in its folder, folder index, date, time, attributes,
        // then the name; the folder index marks the files that span cabinets.
        unsigned char entry[16];
        CabinetFile item;
        if (std::fread(entry, 1, sizeof entry, file.get()) != sizeof entry ||
            !readText(file.get(), item.name))
            return std::nullopt;
        item.size = littleEndian(entry, 4);
        const std::uint32_t folder = littleEndian(entry + 8, 2);
        item.fromPrevious = folder == 0xFFFD || folder == 0xFFFF;
        item.intoNext = folder == 0xFFFE || folder == 0xFFFF;
        listing.files.push_back(std::move(item));
    }
    return listing;
}

} // namespace tembrix
