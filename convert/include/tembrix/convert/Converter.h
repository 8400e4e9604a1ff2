#pragma once

// The command-line converter's work: its options, the conversion of one setup
// list or of a batch, and the compile check, reported line by line. The
// program tembrix-convert is a thin main over this; other tools rely on its
// options, texts and exit codes, so change them only with care.

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "tembrix/convert/Compiler.h"
#include "tembrix/engine/ConversionInputs.h"
#include "tembrix/engine/Diagnostics.h"
#include "tembrix/engine/PackageFiles.h"
#include "tembrix/platform/FileSystem.h"

namespace tembrix::convert {

enum ExitCode {
    kWritten = 0,
    kNoSetupList = 1,
    kUsageError = 2,
    kNotWritten = 3,
    kNotCompiled = 4,
    kPackageIncomplete = 5, ///< written, but a file could not be taken out of the package
};

/// What --help prints.
extern const std::string_view kUsage;

/// The start of each message of the program's own on standard error.
inline constexpr std::string_view kMessagePrefix = "tembrix-convert: ";

/// The script path that means standard output.
inline constexpr std::string_view kStandardOutput = "-";

struct Options {
    std::vector<std::string> setupLists; ///< as given, then the ones found below folders
    std::vector<std::string> recursive;  ///< folders to search
    std::optional<std::string> output, version, outputDir, sourceFolder, setupLines, addLines,
        installerName, extractTo;
    bool absoluteSource = false;
    bool noRuntime = false;
    bool quiet = false;
    bool inno6 = false;
    bool check = false;
    std::optional<std::string> iscc;
    std::string compiler;                  ///< found for --check
    std::optional<std::string> reportPath; ///< --report: the file, or "-" (JSON on standard output)
    unsigned jobs = 0;                     ///< --jobs: compiles at once; 0: one per core
    std::vector<std::string> given;        ///< the options as given, for the report
    bool help = false;
    bool showVersion = false;
    std::string programFolder; ///< where SetupLine.txt is looked for by default
};

/// Parses the arguments (without the program's name); on a usage error,
/// returns the message.
std::optional<std::string> parseArguments(const std::vector<std::string>& arguments,
                                          Options& options);

/// Receives what the converter reports, whole lines with their "\n".
using Report = std::function<void(std::string_view lines)>;

/// Shows how far a batch has come as one line, which the next call replaces
/// ("Converting 12/56: Package/SETUP.LST"); the empty text takes it away.
using Progress = std::function<void(std::string_view line)>;

/// How many compiles --check runs at once: --jobs, else one per core.
unsigned jobCount(const Options& options);

/// The machine's file system, where the script path "-" means standard output.
std::unique_ptr<FileSystem> createConverterFileSystem();

/// What the engine is given for `setupList`: the options, else the proposals
/// that follow from the list's place and the program's folder. The program's
/// own lines file is proposed only when `fileSystem` has it. A folder written
/// into the script that the system's code page cannot spell is named in
/// `notHeld`, when given.
ConversionInputs conversionInputs(const Options& options, const std::string& setupList,
                                  const FileSystem& fileSystem, std::string* notHeld = nullptr);

/// How one setup list went: its exit code, and for a failure the reason, which
/// names the script where it is about the script. What follows `sources` is
/// what the run's report shows; the texts of the list are Windows-1252 bytes.
struct Outcome {
    Outcome() = default;
    Outcome(int code, std::string why) : exitCode(code), reason(std::move(why)) {}

    int exitCode = kWritten;
    std::string reason;
    FileSources sources{};     ///< where the script's files came from
    std::string title{};       ///< [Setup] Title, when the list was read
    std::string script{};      ///< the script written; empty when none was
    Diagnostics diagnostics{}; ///< what was mended and what looks wrong, even with --quiet
    std::optional<CompileResult> compile{};        ///< with --check, once the script was written
    double compileSeconds = 0;                     ///< how long that compile took
    std::optional<std::uintmax_t> installerSize{}; ///< the size of the installer it names
};

/// Converts one list (and compiles its script with --check); what was mended
/// and the compiler's warnings and errors go to `report`, the outcome does not.
/// A package's folder or its setup.exe stands for its list. The package's
/// files are looked for and taken out of its archives; one that cannot be
/// taken out (a damaged cabinet) gives kPackageIncomplete.
Outcome convertList(const Options& options, const std::string& setupList, FileSystem& fileSystem,
                    const Report& report);

/// Several lists, and those below the --recursive folders: each once, each
/// with its line as soon as it is done, then the totals. With --check the
/// compiles run on `jobCount` worker threads while the next lists convert;
/// each list's lines still come out whole and in the batch's order. With
/// --report, the report is written last. The highest exit code.
int convertBatch(Options options, FileSystem& fileSystem, const Report& report,
                 const Progress& progress = {});

/// The whole run after a successful parse, as the program does it (without
/// --help and --version): finds the compiler for --check, converts one list or
/// a batch, reports every failure, writes the --report (a report that cannot
/// be written makes the exit code at least 1). The exit code.
int runConversions(Options options, FileSystem& fileSystem, const Report& report,
                   const Progress& progress = {});

} // namespace tembrix::convert
