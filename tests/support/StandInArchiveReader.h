#pragma once

// Cabinets and compressed files held in memory, each also a file of a
// MemoryFileSystem; a file that spans cabinets is given as its parts, and is
// handed on whole only when the set read holds every part.

#include <algorithm>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "MemoryFileSystem.h"
#include "tembrix/platform/ArchiveReader.h"
#include "tembrix/platform/Cp1252.h"

class StandInArchiveReader final : public tembrix::ArchiveReader {
public:
    struct Part {
        std::string name;
        std::string bytes;
        bool fromPrevious = false;
        bool intoNext = false;
    };
    struct Cabinet {
        std::vector<Part> parts;
        std::string next;
        bool damaged = false;
    };

    void addCabinet(MemoryFileSystem& fileSystem, const std::string& path, Cabinet cabinet) {
        fileSystem.files[path] = "MSCF";
        cabinets[path] = std::move(cabinet);
    }
    void addCompressed(MemoryFileSystem& fileSystem, const std::string& path, std::string bytes) {
        fileSystem.files[path] = "SZDD";
        compressed[path] = std::move(bytes);
    }

    tembrix::Status listCabinet(const std::string& path,
                                tembrix::CabinetListing& listing) const override {
        const auto found = cabinets.find(path);
        if (found == cabinets.end() || found->second.damaged)
            return tembrix::Status::failure(path + ": a damaged cabinet");
        listing = {};
        for (const Part& part : found->second.parts)
            listing.files.push_back(
                {part.name, part.bytes.size(), part.fromPrevious, part.intoNext});
        listing.nextCabinet = found->second.next;
        return tembrix::Status::success();
    }

    tembrix::Status
    extractFromCabinets(const std::vector<std::string>& set, const std::vector<std::string>& names,
                        const std::function<tembrix::Status(std::string_view, std::string&&)>&
                            onFile) const override {
        std::map<std::string, std::string> pending; // a spanning file's parts so far
        for (const std::string& path : set) {
            const auto found = cabinets.find(path);
            if (found == cabinets.end() || found->second.damaged)
                return tembrix::Status::failure(path + ": a damaged cabinet");
            for (const Part& part : found->second.parts) {
                const bool wanted = std::ranges::any_of(names, [&](const std::string& name) {
                    return tembrix::equalsIgnoringCase(name, part.name);
                });
                if (!wanted || (part.fromPrevious && !pending.contains(part.name)))
                    continue;
                std::string bytes = std::exchange(pending[part.name], {}) + part.bytes;
                pending.erase(part.name);
                if (part.intoNext) {
                    pending[part.name] = std::move(bytes);
                    continue;
                }
                if (const tembrix::Status handed = onFile(part.name, std::move(bytes)); !handed)
                    return handed;
            }
        }
        return tembrix::Status::success();
    }

    tembrix::Status expandCompressedFile(const std::string& path,
                                         std::string& bytes) const override {
        const auto found = compressed.find(path);
        if (found == compressed.end())
            return tembrix::Status::failure(path + ": not a compressed file");
        bytes = found->second;
        return tembrix::Status::success();
    }

    std::map<std::string, Cabinet> cabinets;
    std::map<std::string, std::string> compressed;
};
