#pragma once

#include <string>

namespace tembrix {

/// The folder of the running program's file (links resolved), in UTF-8,
/// without a trailing separator except at a root ("/", "C:\"); empty when
/// the system does not say. Both programs find SetupLine.txt and their
/// language files there.
std::string programFolder();

} // namespace tembrix
