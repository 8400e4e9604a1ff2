#pragma once

// The package's compressed files: the cabinets (*.CAB) that the Package and
// Deployment Wizard writes, and the files that the VB5 Setup Wizard compresses
// one by one (NAME.EX_, the MS-DOS "SZDD" format). The machine's reader is a
// well-kept library; tests hand in a stand-in. Paths are UTF-8, as every path
// in memory; names inside a cabinet are its own bytes.

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "tembrix/platform/Status.h"

namespace tembrix {

/// One file of a cabinet's directory.
struct CabinetFile {
    std::string name;          ///< as the cabinet stores it, with "\" between folders
    std::uint64_t size = 0;    ///< its whole size, also when it spans cabinets
    bool fromPrevious = false; ///< it begins in the cabinet before this one
    bool intoNext = false;     ///< it goes on in the cabinet after this one
};

/// What a cabinet says of itself.
struct CabinetListing {
    std::vector<CabinetFile> files;
    std::string nextCabinet; ///< the file name of the next cabinet of its set; empty for the last
    std::string previousCabinet; ///< the file name of the one before; empty for the first
};

class ArchiveReader {
public:
    virtual ~ArchiveReader() = default;

    /// Reads the directory of the cabinet at `path`. Fails, naming the path,
    /// when it is missing, is no cabinet or is damaged.
    virtual Status listCabinet(const std::string& path, CabinetListing& listing) const = 0;

    /// Takes the files `names` (compared without letter case) out of a set of
    /// cabinets, `cabinets` being their paths in the set's order, in one pass;
    /// a file that spans two of them is read across both. `onFile` receives
    /// each one whole, with its name as the cabinet stores it; a failure that
    /// it returns stops the pass and is returned. Fails, naming the cabinet,
    /// when one is damaged; a file that the checksums refuse is never handed on.
    /// Files come in the order of their data, and only once the data around
    /// them has expanded without fault (a cabinet may carry no checksums).
    /// A name that no cabinet holds is left out, without failing. The pass
    /// fails when the cabinets are no set in that order, or when a wanted file
    /// goes on into, or comes from, a cabinet of the set that was not given.
    virtual Status extractFromCabinets(
        const std::vector<std::string>& cabinets, const std::vector<std::string>& names,
        const std::function<Status(std::string_view name, std::string&& bytes)>& onFile) const = 0;

    /// The bytes of a file compressed on its own ("SZDD"). Fails, naming the
    /// path, when it is missing, is of another format or is damaged.
    virtual Status expandCompressedFile(const std::string& path, std::string& bytes) const = 0;
};

/// The machine's reader: libmspack, or on Windows the system's cabinet and
/// LZ libraries.
std::unique_ptr<ArchiveReader> createSystemArchiveReader();

} // namespace tembrix
