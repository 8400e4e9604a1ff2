#pragma once

// What both readers need beside their library: which files of one cabinet go
// on from the cabinet before it or into the one after it, which neither
// libmspack's listing nor FDI's tells.

#include <cstdint>
#include <string>
#include <vector>

namespace tembrix {

/// The folder index of each file of the cabinet's directory, in its order:
/// 0xFFFD goes on from the previous cabinet, 0xFFFE into the next, 0xFFFF both.
/// Empty when the directory cannot be read (the library then says why).
std::vector<std::uint16_t> cabinetFolderIndexes(const std::string& path);

/// Sets `fromPrevious` and `intoNext` of `files` (the directory's files, in its
/// order) from their folder indexes.
template <typename Files>
void markContinuations(const std::vector<std::uint16_t>& indexes, Files& files) {
    if (indexes.size() != files.size())
        return;
    for (std::size_t i = 0; i < files.size(); ++i) {
        files[i].fromPrevious = indexes[i] == 0xFFFD || indexes[i] == 0xFFFF;
        files[i].intoNext = indexes[i] == 0xFFFE || indexes[i] == 0xFFFF;
    }
}

} // namespace tembrix
