#pragma once

// The report of a whole run (--report): a plain model that the batch fills,
// and one writer per form. The page, the Markdown and the JSON show the same
// content; the JSON's keys are documented in the README and stay stable.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "tembrix/convert/Converter.h"
#include "tembrix/platform/FileSystem.h"
#include "tembrix/platform/Status.h"

namespace tembrix::convert {

/// One list of the run.
struct ReportedList {
    std::string shown; ///< relative to the --recursive folder it was found in, else as given
    Outcome outcome;
    std::string folder; ///< the list's folder, absolute, with its separator
};

/// A whole run, in the batch's order. Paths are UTF-8; the outcomes' texts
/// from the lists are Windows-1252 bytes, which the writers convert.
struct RunReport {
    std::string when;                  ///< UTC, as `utcNow` gives it
    std::string version;               ///< Tembrix's
    std::vector<std::string> options;  ///< as given on the command line
    bool check = false;                ///< --check: each written script was compiled
    std::string compiler;              ///< the compiler that --check ran
    std::vector<std::string> problems; ///< what failed outside any list (a folder not searched)
    std::vector<ReportedList> lists;
};

/// The summary's counts.
struct ReportCounts {
    std::size_t lists = 0;        ///< lists found
    std::size_t written = 0;      ///< scripts written
    std::size_t withWarnings = 0; ///< lists with at least one warning
    std::size_t compiled = 0;     ///< compiles that succeeded
    std::size_t notCompiled = 0;  ///< compiles that failed or could not run
    std::size_t missingFiles = 0; ///< files of the scripts that were found nowhere
};
ReportCounts countsOf(const RunReport& run);

/// Each remark's code name and the number of lists that have it, most lists
/// first, then by name.
std::vector<std::pair<std::string_view, std::size_t>> frequentRemarks(const RunReport& run);

enum class ReportForm { Html, Markdown, Json };

/// The form that the path's extension names (.html or .htm, .md, .json, in
/// any letter case); JSON for "-", standard output. Nothing for another name.
std::optional<ReportForm> reportFormOf(std::string_view path);

/// The whole report in `form`, in UTF-8.
std::string renderReport(const RunReport& run, ReportForm form);

/// Writes the report atomically in the form that `path` names; an earlier
/// file stays when it fails. The failure names the path and the reason.
Status writeReport(const RunReport& run, const std::string& path, FileSystem& fileSystem);

/// The present time in UTC, "2026-12-09T05:40:12Z".
std::string utcNow();

} // namespace tembrix::convert
