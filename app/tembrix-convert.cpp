// tembrix-convert: the wizard's conversion without a window, for batch use,
// build servers and tests. Its options and exit codes are relied on by other
// tools; change them only with care.

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "Compiler.h"
#include "SetupListSearch.h"
#include "tembrix/engine/ConversionInputs.h"
#include "tembrix/engine/ScriptGenerator.h"
#include "tembrix/platform/Cp1252.h"
#include "tembrix/platform/FileSystem.h"
#include "tembrix/platform/NativePath.h"

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <windows.h>
#else
#include <climits>
#include <unistd.h>
#endif

#ifndef TEMBRIX_VERSION
#define TEMBRIX_VERSION "0.0.0"
#endif

namespace {

enum ExitCode {
    kWritten = 0,
    kNoSetupList = 1,
    kUsageError = 2,
    kNotWritten = 3,
    kNotCompiled = 4
};

constexpr std::string_view kUsage =
    "Usage: tembrix-convert [options] SETUP.LST...\n"
    "Turns Visual Basic 6 setup lists into Inno Setup scripts.\n"
    "\n"
    "With several setup lists (or --recursive) each script is written beside its list, each\n"
    "list gets a line on standard error (\"written\" or the reason it failed), and a last line\n"
    "gives the totals; one list that fails does not stop the others.\n"
    "\n"
    "  --recursive FOLDER    also convert every SETUP.LST (in any letter case) below FOLDER\n"
    "  -o, --output PATH     with one setup list: the script to write; default: the setup list's "
    "folder + "
    "\"Setup.iss\"; "
    "\"-\" = standard output\n"
    "  --app-version TEXT    AppVersion (default \"1.0\"; an empty text is allowed)\n"
    "  --output-dir TEXT     OutputDir (default: the setup list's folder + \"OutPut\" + "
    "separator)\n"
    "  --absolute-source     put the source folder in front of every Source name\n"
    "  --source-folder TEXT  that folder (default: the setup list's folder, with its trailing "
    "separator)\n"
    "  --no-runtime          leave out the Visual Basic run-time block\n"
    "  --setup-lines PATH    the file of extra [Setup] lines (default: SetupLine.txt in the "
    "program's folder)\n"
    "  --add-lines PATH      append this file at the end of the script (turns that option on)\n"
    "  --installer-name NAME the installer's file name, for OutputBaseFilename without its "
    "\".exe\"\n"
    "                        (default: the setup list's title + \".exe\")\n"
    "  --inno6               write for Inno Setup 6: its folder constants and flags, no copy "
    "modes\n"
    "  --check               compile each script that was written with Inno Setup's ISCC\n"
    "  --iscc COMMAND        that compiler (default: $ISCC, else ISCC or iscc on PATH)\n"
    "  -q, --quiet           do not report on standard error what was mended or looks wrong\n"
    "  -h, --help            usage;  --version  the program's version\n"
    "\n"
    "Exit status: 0 written, 1 the setup list is missing or not a file, 2 usage error,\n"
    "3 the script could not be written, 4 written but it did not compile (--check);\n"
    "with several lists, the highest of theirs.\n";

void printError(const std::string& message) {
    std::fprintf(stderr, "tembrix-convert: %s\n", message.c_str());
}

// The folder of the running program, without a trailing separator except at
// the root; empty when the platform does not say.
std::string programFolder() {
    std::string file;
#ifdef _WIN32
    std::vector<wchar_t> wide(MAX_PATH);
    for (;;) {
        const DWORD length =
            GetModuleFileNameW(nullptr, wide.data(), static_cast<DWORD>(wide.size()));
        if (length == 0)
            return {};
        if (length < wide.size()) {
            wide.resize(length);
            break;
        }
        wide.resize(wide.size() * 2);
    }
    file = tembrix::utf8Path(std::filesystem::path(std::wstring(wide.begin(), wide.end())));
#else
    std::vector<char> buffer(PATH_MAX);
    for (;;) {
        const ssize_t length = readlink("/proc/self/exe", buffer.data(), buffer.size());
        if (length < 0)
            return {};
        if (static_cast<std::size_t>(length) < buffer.size()) {
            file.assign(buffer.data(), static_cast<std::size_t>(length));
            break;
        }
        buffer.resize(buffer.size() * 2);
    }
#endif
    std::string folder = tembrix::folderOf(file);
    const bool atRoot = folder.size() == 1 || (folder.size() == 3 && folder[1] == ':');
    if (!folder.empty() && !atRoot)
        folder.pop_back();
    return folder;
}

// OutputDir and SourceFolder are read by the compiler relative to the script's
// folder, not to ours, so the defaults start from the absolute path.
std::string absolutePath(const std::string& path) {
    try {
        std::error_code ec;
        const auto absolute = std::filesystem::absolute(tembrix::nativePath(path), ec);
        return ec ? path : tembrix::utf8Path(absolute.lexically_normal());
    } catch (const std::exception&) {
        // A folder name the narrow code page cannot spell: keep the path as given.
        return path;
    }
}

// Texts that go into the script are Windows-1252. Here the command line and the
// file names are UTF-8; a text that is not valid UTF-8 is taken as it is.
std::string scriptText(const std::string& text) {
    return tembrix::isUtf8(text) ? tembrix::cp1252FromUtf8(text) : text;
}

// Diagnostic texts are Windows-1252 like the list; messages are UTF-8, as the
// paths in them are, on every system.
std::string terminalText(const std::string& text) {
    return tembrix::utf8FromCp1252(text);
}

// One line per diagnostic: the list, the entry, and what happened.
void printDiagnostics(const std::string& setupList, const tembrix::Diagnostics& diagnostics) {
    for (const tembrix::Diagnostic& diagnostic : diagnostics) {
        const std::string line =
            setupList + ": " + terminalText(tembrix::describeDiagnostic(diagnostic)) + "\n";
        std::fwrite(line.data(), 1, line.size(), stderr);
    }
}

// The script written to standard output: buffered, with write errors (a closed
// pipe, a full disk) reported by commit.
class StandardOutputWriter final : public tembrix::TextFileWriter {
public:
    void write(std::string_view text) override {
        if (m_error == 0 && std::fwrite(text.data(), 1, text.size(), stdout) != text.size())
            m_error = errno ? errno : EIO;
    }
    void writeLine(std::string_view text) override {
        write(text);
        write("\r\n");
    }
    tembrix::Status commit() override {
        if (m_error == 0 && std::fflush(stdout) != 0)
            m_error = errno ? errno : EIO;
        if (m_error != 0)
            return tembrix::Status::failure("to standard output: " +
                                            std::string(std::strerror(m_error)));
        return tembrix::Status::success();
    }

private:
    int m_error = 0;
};

// The machine's file system, where the script path "-" means standard output.
class ConverterFileSystem final : public tembrix::FileSystem {
public:
    static constexpr std::string_view kStandardOutput = "-";

    ConverterFileSystem() : m_local(tembrix::createLocalFileSystem()) {}

    bool fileExists(const std::string& path) const override { return m_local->fileExists(path); }
    std::optional<std::string> readAll(const std::string& path) const override {
        return m_local->readAll(path);
    }
    tembrix::Status
    createTextFile(const std::string& path,
                   std::unique_ptr<tembrix::TextFileWriter>& writer) const override {
        if (path == kStandardOutput) {
#ifdef _WIN32
            _setmode(_fileno(stdout), _O_BINARY);
#endif
            writer = std::make_unique<StandardOutputWriter>();
            return tembrix::Status::success();
        }
        return m_local->createTextFile(path, writer);
    }

private:
    std::unique_ptr<tembrix::FileSystem> m_local;
};

struct Options {
    std::vector<std::string> setupLists; ///< as given, then the ones found below folders
    std::vector<std::string> recursive;  ///< folders to search
    std::optional<std::string> output, version, outputDir, sourceFolder, setupLines, addLines,
        installerName;
    bool absoluteSource = false;
    bool noRuntime = false;
    bool quiet = false;
    bool inno6 = false;
    bool check = false;
    std::optional<std::string> iscc;
    std::string compiler; ///< found for --check
    bool help = false;
    bool showVersion = false;
};

// Parses the arguments; on a usage error, returns the message.
std::optional<std::string> parseArguments(int argc, char** argv, Options& options) {
    struct Valued {
        std::string_view longName;
        std::string_view shortName;
        std::optional<std::string> Options::*field;
    };
    const Valued valued[] = {
        {"--output", "-o", &Options::output},
        {"--app-version", "", &Options::version},
        {"--output-dir", "", &Options::outputDir},
        {"--source-folder", "", &Options::sourceFolder},
        {"--setup-lines", "", &Options::setupLines},
        {"--add-lines", "", &Options::addLines},
        {"--iscc", "", &Options::iscc},
        {"--installer-name", "", &Options::installerName},
    };
    struct Switch {
        std::string_view longName;
        std::string_view shortName;
        bool Options::*field;
    };
    const Switch switches[] = {
        {"--help", "-h", &Options::help},
        {"--version", "", &Options::showVersion},
        {"--absolute-source", "", &Options::absoluteSource},
        {"--no-runtime", "", &Options::noRuntime},
        {"--check", "", &Options::check},
        {"--inno6", "", &Options::inno6},
        {"--quiet", "-q", &Options::quiet},
    };
    std::vector<std::string> positional;
    bool optionsEnded = false;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (optionsEnded || arg == "-" || arg.empty() || arg[0] != '-') {
            positional.push_back(arg);
            continue;
        }
        if (arg == "--") {
            optionsEnded = true;
            continue;
        }
        const auto isSwitch = [&arg](const Switch& entry) {
            return arg == entry.longName || (!entry.shortName.empty() && arg == entry.shortName);
        };
        if (const auto found = std::ranges::find_if(switches, isSwitch);
            found != std::end(switches)) {
            options.*(found->field) = true;
            continue;
        }
        const std::size_t equals = arg.find('=');
        const std::string name = arg.substr(0, equals);
        if (name == "--recursive") {
            if (equals != std::string::npos)
                options.recursive.push_back(arg.substr(equals + 1));
            else if (i + 1 < argc)
                options.recursive.push_back(argv[++i]);
            else
                return "option '" + arg + "' needs a value";
            if (options.recursive.back().empty())
                return std::string("the folder given with --recursive is empty");
            continue;
        }
        const Valued* match = nullptr;
        for (const Valued& candidate : valued)
            if (name == candidate.longName ||
                (!candidate.shortName.empty() && name == candidate.shortName))
                match = &candidate;
        if (!match)
            return "unknown option '" + arg + "'";
        if (equals != std::string::npos) {
            options.*(match->field) = arg.substr(equals + 1);
        } else if (i + 1 < argc) {
            options.*(match->field) = std::string(argv[++i]);
        } else {
            return "option '" + arg + "' needs a value";
        }
    }
    if (options.help || options.showVersion)
        return std::nullopt;
    if (positional.empty() && options.recursive.empty())
        return std::string("no setup list given");
    if (options.output && (positional.size() > 1 || !options.recursive.empty()))
        return std::string("-o names one script, but several setup lists are given; each "
                           "script is written beside its list");
    if (options.output && options.output->empty())
        return std::string("the script's name given with -o is empty");
    if (options.check && options.output == std::string(ConverterFileSystem::kStandardOutput))
        return std::string("--check cannot compile a script written to standard output");
    for (const std::string& list : positional)
        if (list.empty())
            return std::string("the setup list's name is empty");
    options.setupLists = std::move(positional);
    return std::nullopt;
}

// How one setup list went: its exit code, and for a failure the reason, which
// names the script where it is about the script.
struct Outcome {
    int exitCode = kWritten;
    std::string reason;
};

// Compiles the written script; the compiler's warnings and errors go to
// standard error under the list's name.
Outcome compile(const Options& options, const std::string& setupList,
                const std::string& scriptPath) {
    const tembrix::convert::CompileResult result =
        tembrix::convert::CompileScript(options.compiler, scriptPath);
    std::vector<std::string> passedOn = tembrix::convert::WarningsAndErrors(result.lines);
    if (!result.compiled && passedOn.empty())
        passedOn = result.lines; // a failure the filter does not know: all of it
    for (const std::string& message : passedOn) {
        const std::string line = setupList + ": iscc: " + message + "\n";
        std::fwrite(line.data(), 1, line.size(), stderr);
    }
    if (result.compiled)
        return {};
    if (result.exitCode < 0)
        return {kNotCompiled,
                "written, but the compiler " + options.compiler + " " + result.failure};
    return {kNotCompiled, "written, but " + scriptPath +
                              " did not compile (the compiler's exit status " +
                              std::to_string(result.exitCode) + ")"};
}

Outcome convert(const Options& options, const std::string& setupList,
                const ConverterFileSystem& fileSystem) {
    if (!fileSystem.fileExists(setupList)) {
        std::error_code ec;
        const bool exists = std::filesystem::exists(tembrix::nativePath(setupList), ec);
        return {kNoSetupList, exists ? "not a file (a folder or a device)" : "no such setup list"};
    }

    const tembrix::DerivedInputs derived =
        tembrix::deriveInputPaths(absolutePath(setupList), programFolder());
    tembrix::ConversionInputs inputs;
    inputs.SetupListPath = setupList;
    inputs.ScriptPath = options.output.value_or(derived.scriptPath);
    inputs.Version = options.version ? scriptText(*options.version) : derived.version;
    inputs.OutputDir = scriptText(options.outputDir.value_or(derived.outputDir));
    inputs.UseAbsoluteSource = options.absoluteSource;
    inputs.SourceFolder = scriptText(options.sourceFolder.value_or(derived.sourceFolder));
    inputs.IncludeRuntimeFiles = !options.noRuntime;
    inputs.installerName =
        options.installerName ? scriptText(*options.installerName) : std::string();
    inputs.dialect =
        options.inno6 ? tembrix::ScriptDialect::Inno6 : tembrix::ScriptDialect::Classic;
    // The program's own lines file is read when it is there; a file named
    // with --setup-lines that cannot be read is reported.
    inputs.SetupLinesPath = options.setupLines.value_or(
        fileSystem.fileExists(derived.setupLinesPath) ? derived.setupLinesPath : std::string());
    inputs.AddExtraLines = options.addLines.has_value();
    inputs.ExtraLinesPath = options.addLines.value_or(std::string());

    tembrix::Diagnostics diagnostics;
    const tembrix::Status written = tembrix::GenerateScript(inputs, fileSystem, diagnostics);
    if (!written)
        return {kNotWritten, "cannot write the script " + written.reason()};
    if (!options.quiet)
        printDiagnostics(setupList, diagnostics);
    return options.check ? compile(options, setupList, inputs.ScriptPath) : Outcome{};
}

// Several lists: each gets its line as soon as it is done, then the totals.
int convertBatch(Options& options, const ConverterFileSystem& fileSystem) {
    int highest = kWritten;
    for (const std::string& folder : options.recursive) {
        std::vector<std::string> found;
        if (!tembrix::convert::findSetupLists(folder, found)) {
            printError(folder + (found.empty() ? ": not a folder that can be searched"
                                               : ": could not be searched to the end"));
            highest = std::max<int>(highest, kNoSetupList);
        } else if (found.empty()) {
            printError(folder + ": no setup list (SETUP.LST) below this folder");
            highest = std::max<int>(highest, kNoSetupList);
        }
        options.setupLists.insert(options.setupLists.end(), found.begin(), found.end());
    }
    const std::vector<std::string> lists = tembrix::convert::WithoutRepeats(options.setupLists);
    std::size_t written = 0, compiled = 0;
    // Two lists in one folder would write one Setup.iss: the second would
    // silently replace the first one's script.
    std::map<std::string, std::string> listOfScript;
    for (const std::string& list : lists) {
        const std::string script = tembrix::deriveInputPaths(absolutePath(list), {}).scriptPath;
        const auto [earlier, isFirst] =
            listOfScript.try_emplace(tembrix::convert::IdentityOf(script), list);
        const Outcome outcome =
            isFirst ? convert(options, list, fileSystem)
                    : Outcome{kNotWritten, "not converted: its script " + script +
                                               " is the one written for " + earlier->second};
        const std::string line = list + ": " +
                                 (outcome.exitCode != kWritten ? outcome.reason
                                  : options.check              ? "written and compiled"
                                                               : "written") +
                                 "\n";
        std::fwrite(line.data(), 1, line.size(), stderr);
        std::fflush(stderr);
        if (outcome.exitCode == kWritten || outcome.exitCode == kNotCompiled)
            ++written;
        if (outcome.exitCode == kWritten && options.check)
            ++compiled;
        highest = std::max(highest, outcome.exitCode);
    }
    printError(std::to_string(lists.size()) +
               (lists.size() == 1 ? " setup list: " : " setup lists: ") + std::to_string(written) +
               " written, " + std::to_string(lists.size() - written) + " failed" +
               (options.check ? "; " + std::to_string(compiled) + " compiled, " +
                                    std::to_string(written - compiled) + " did not compile"
                              : std::string()));
    return highest;
}

} // namespace

int main(int argc, char** argv) {
#ifdef _WIN32
    // The command line in UTF-8, as paths are kept everywhere, rather than in
    // the ANSI code page, which cannot spell every file name.
    std::vector<std::string> utf8Arguments;
    std::vector<char*> utf8Argv;
    if (LPWSTR* wide = CommandLineToArgvW(GetCommandLineW(), &argc)) {
        for (int i = 0; i < argc; ++i)
            utf8Arguments.push_back(tembrix::utf8Path(std::filesystem::path(wide[i])));
        LocalFree(wide);
        for (std::string& argument : utf8Arguments)
            utf8Argv.push_back(argument.data());
        utf8Argv.push_back(nullptr);
        argv = utf8Argv.data();
    }
    // Messages end in "\n" and the script in "\r\n" on every system, byte for byte.
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);
#else
    // A reader that stops early (`| head`) must give exit 3 and a message, not
    // a silent death by signal: the write then fails with EPIPE instead.
    std::signal(SIGPIPE, SIG_IGN);
#endif
    Options options;
    if (const auto error = parseArguments(argc, argv, options)) {
        printError(*error + " (try --help)");
        return kUsageError;
    }
    if (options.help) {
        std::fwrite(kUsage.data(), 1, kUsage.size(), stdout);
        return kWritten;
    }
    if (options.showVersion) {
        std::printf("tembrix-convert %s\n", TEMBRIX_VERSION);
        return kWritten;
    }

    if (options.check) {
        std::string tried;
        options.compiler = tembrix::convert::FindCompiler(options.iscc, tried);
        if (options.compiler.empty()) {
            printError("--check: cannot find " + tried + " (try --help)");
            return kUsageError;
        }
    }
    ConverterFileSystem fileSystem;
    if (options.setupLists.size() > 1 || !options.recursive.empty())
        return convertBatch(options, fileSystem);
    const std::string& list = options.setupLists.front();
    const Outcome outcome = convert(options, list, fileSystem);
    if (outcome.exitCode == kNoSetupList)
        printError(list + ": " + outcome.reason);
    else if (outcome.exitCode == kNotCompiled)
        printError(list + ": " + outcome.reason);
    else if (outcome.exitCode != kWritten)
        printError(outcome.reason);
    return outcome.exitCode;
}
