#pragma once

// A cabinet's directory as its header holds it, with what neither libmspack's
// listing nor FDI tells: which files go on from the cabinet before it or into
// the one after it. The libraries read and check the data; this reads only the
// directory, once the library has taken the file for a cabinet.

#include <optional>
#include <string>

#include "tembrix/platform/ArchiveReader.h"

namespace tembrix {

/// The directory of the cabinet at `path`, or nothing when it cannot be read.
std::optional<CabinetListing> cabinetDirectory(const std::string& path);

} // namespace tembrix
