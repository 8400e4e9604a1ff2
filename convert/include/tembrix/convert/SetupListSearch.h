#pragma once

// Which setup lists a batch converts: those named on the command line and
// those found below folders, each once, in an order that does not depend on
// the file system's own.

#include <string>
#include <vector>

namespace tembrix::convert {

/// Every file below `folder` (at any depth) whose name is "SETUP.LST" in any
/// letter case, as paths that start with `folder`, sorted by their path
/// compared without letter case (then by bytes). Links to folders are not
/// followed, so a loop of links cannot make the search endless; folders that
/// may not be read are skipped. Returns false when `folder` is not a readable
/// folder or the search could not go on to the end (`found` then holds what
/// was found until then).
bool findSetupLists(const std::string& folder, std::vector<std::string>& found);

/// The key under which two spellings of one path meet (another spelling, a
/// link, ".."); the path need not exist.
std::string identityOf(const std::string& path);

/// `paths` without the later ones that name the same file as an earlier one
/// (through another spelling, a link or "..").
std::vector<std::string> withoutRepeats(const std::vector<std::string>& paths);

} // namespace tembrix::convert
