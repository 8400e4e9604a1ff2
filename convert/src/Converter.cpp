#include "tembrix/convert/Converter.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <map>

#include "tembrix/convert/Compiler.h"
#include "tembrix/convert/SetupListSearch.h"
#include "tembrix/engine/ScriptGenerator.h"
#include "tembrix/platform/ArchiveReader.h"
#include "tembrix/platform/Cp1252.h"
#include "tembrix/platform/NativePath.h"

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

namespace tembrix::convert {

namespace {

// OutputDir and SourceFolder are read by the compiler relative to the script's
// folder, not to ours, so the defaults start from the absolute path.
std::string absolutePath(const std::string& path) {
    try {
        std::error_code ec;
        const auto absolute = std::filesystem::absolute(nativePath(path), ec);
        return ec ? path : utf8Path(absolute.lexically_normal());
    } catch (const std::exception&) {
        // A folder name the narrow code page cannot spell: keep the path as given.
        return path;
    }
}

// Texts that go into the script are Windows-1252. Here the command line and the
// file names are UTF-8; a text that is not valid UTF-8 is taken as it is.
std::string scriptText(const std::string& text) {
    return isUtf8(text) ? cp1252FromUtf8(text) : text;
}

// One line per diagnostic: the list, the entry, and what happened. Diagnostic
// texts are Windows-1252 like the list; messages are UTF-8, as the paths in
// them are, on every system.
void reportDiagnostics(const std::string& setupList, const Diagnostics& diagnostics,
                       const Report& report) {
    for (const Diagnostic& diagnostic : diagnostics)
        report(setupList + ": " + utf8FromCp1252(describeDiagnostic(diagnostic)) + "\n");
}

void reportError(const Report& report, const std::string& message) {
    report(std::string(kMessagePrefix) + message + "\n");
}

// The script written to standard output: buffered, with write errors (a closed
// pipe, a full disk) reported by commit.
class StandardOutputWriter final : public TextFileWriter {
public:
    void write(std::string_view text) override {
        if (m_error == 0 && std::fwrite(text.data(), 1, text.size(), stdout) != text.size())
            m_error = errno ? errno : EIO;
    }
    void writeLine(std::string_view text) override {
        write(text);
        write("\r\n");
    }
    Status commit() override {
        if (m_error == 0 && std::fflush(stdout) != 0)
            m_error = errno ? errno : EIO;
        if (m_error != 0)
            return Status::failure("to standard output: " + std::string(std::strerror(m_error)));
        return Status::success();
    }

private:
    int m_error = 0;
};

class ConverterFileSystem final : public FileSystem {
public:
    ConverterFileSystem() : m_local(createLocalFileSystem()) {}

    bool fileExists(const std::string& path) const override { return m_local->fileExists(path); }
    std::optional<std::string> readAll(const std::string& path) const override {
        return m_local->readAll(path);
    }
    Status createTextFile(const std::string& path,
                          std::unique_ptr<TextFileWriter>& writer) override {
        if (path == kStandardOutput) {
#ifdef _WIN32
            _setmode(_fileno(stdout), _O_BINARY);
#endif
            writer = std::make_unique<StandardOutputWriter>();
            return Status::success();
        }
        return m_local->createTextFile(path, writer);
    }
    std::optional<std::vector<FolderEntry>> listFolder(const std::string& path) const override {
        return m_local->listFolder(path);
    }
    Status createFolder(const std::string& path) override {
        return m_local->createFolder(path);
    }

private:
    std::unique_ptr<FileSystem> m_local;
};

// Compiles the written script; the compiler's warnings and errors go to the
// report under the list's name.
Outcome compile(const Options& options, const std::string& setupList, const std::string& scriptPath,
                const Report& report) {
    const CompileResult result = compileScript(options.compiler, scriptPath);
    std::vector<std::string> passedOn;
    for (const CompilerMessage& message : result.messages)
        passedOn.push_back(message.text);
    if (!result.compiled && passedOn.empty())
        passedOn = result.lines; // a failure the filter does not know: all of it
    for (const std::string& message : passedOn)
        report(setupList + ": iscc: " + message + "\n");
    if (result.compiled)
        return {};
    if (result.exitCode < 0)
        return {kNotCompiled,
                "written, but the compiler " + options.compiler + " " + result.failure};
    return {kNotCompiled, "written, but " + scriptPath +
                              " did not compile (the compiler's exit status " +
                              std::to_string(result.exitCode) + ")"};
}

} // namespace

std::unique_ptr<FileSystem> createConverterFileSystem() {
    return std::make_unique<ConverterFileSystem>();
}

ConversionInputs conversionInputs(const Options& options, const std::string& setupList,
                                  const FileSystem& fileSystem) {
    const DerivedInputs derived = deriveInputPaths(absolutePath(setupList), options.programFolder);
    ConversionInputs inputs;
    // Whole, so that the package's folders compare with the script's.
    inputs.SetupListPath = absolutePath(setupList);
    inputs.ScriptPath = options.output.value_or(derived.scriptPath);
    inputs.Version = options.version ? scriptText(*options.version) : derived.version;
    inputs.OutputDir = scriptText(options.outputDir.value_or(derived.outputDir));
    inputs.UseAbsoluteSource = options.absoluteSource;
    inputs.SourceFolder = scriptText(options.sourceFolder.value_or(derived.sourceFolder));
    inputs.IncludeRuntimeFiles = !options.noRuntime;
    inputs.installerName =
        options.installerName ? scriptText(*options.installerName) : std::string();
    inputs.dialect = options.inno6 ? ScriptDialect::Inno6 : ScriptDialect::Classic;
    // The program's own lines file is read when it is there; a file named
    // with --setup-lines that cannot be read is reported.
    inputs.SetupLinesPath = options.setupLines.value_or(
        fileSystem.fileExists(derived.setupLinesPath) ? derived.setupLinesPath : std::string());
    inputs.AddExtraLines = options.addLines.has_value();
    inputs.ExtraLinesPath = options.addLines.value_or(std::string());
    if (options.extractTo)
        inputs.ExtractFolder = absolutePath(*options.extractTo);
    return inputs;
}

Outcome convertList(const Options& options, const std::string& given, FileSystem& fileSystem,
                    const Report& report) {
    const std::optional<std::string> chosen = setupListOfPackage(given, fileSystem);
    const std::string& setupList = chosen ? *chosen : given;
    if (!fileSystem.fileExists(setupList)) {
        if (fileSystem.listFolder(setupList))
            return {kNoSetupList,
                    "a folder without a setup list (SETUP.LST), nor one in its Support folder"};
        std::error_code ec;
        const bool exists = std::filesystem::exists(nativePath(setupList), ec);
        return {kNoSetupList, exists ? "not a file (a folder or a device)" : "no such setup list"};
    }
    const ConversionInputs inputs = conversionInputs(options, setupList, fileSystem);
    ConversionReport conversion;
    const Status written =
        GenerateScript(inputs, fileSystem, *createSystemArchiveReader(), conversion);
    if (!written)
        return {kNotWritten, "cannot write the script " + written.reason()};
    if (!options.quiet)
        reportDiagnostics(setupList, conversion.diagnostics, report);
    const FileSources& sources = conversion.sources;
    // The compiler stops at the first missing file; the count says how many more.
    if (options.check && sources.missing != 0)
        report(setupList + ": " + std::to_string(sources.missing) +
               (sources.missing == 1 ? " file that the script installs is missing\n"
                                     : " files that the script installs are missing\n"));
    Outcome outcome =
        options.check ? compile(options, setupList, inputs.ScriptPath, report) : Outcome{};
    if (!sources.failures.empty() && outcome.exitCode == kWritten)
        outcome = {kPackageIncomplete,
                   "written, but " + sources.failures.front() +
                       (sources.failures.size() > 1
                            ? " (and " + std::to_string(sources.failures.size() - 1) + " more)"
                            : std::string())};
    outcome.sources = sources;
    return outcome;
}

int convertBatch(Options options, FileSystem& fileSystem, const Report& report) {
    int highest = kWritten;
    for (const std::string& folder : options.recursive) {
        std::vector<std::string> found;
        if (!findSetupLists(folder, found)) {
            reportError(report, folder + (found.empty() ? ": not a folder that can be searched"
                                                        : ": could not be searched to the end"));
            highest = std::max<int>(highest, kNoSetupList);
        } else if (found.empty()) {
            reportError(report, folder + ": no setup list (SETUP.LST) below this folder");
            highest = std::max<int>(highest, kNoSetupList);
        }
        options.setupLists.insert(options.setupLists.end(), found.begin(), found.end());
    }
    const std::vector<std::string> lists = withoutRepeats(options.setupLists);
    std::size_t written = 0, compiled = 0;
    // Two lists in one folder would write one Setup.iss: the second would
    // silently replace the first one's script.
    std::map<std::string, std::string> listOfScript;
    for (const std::string& list : lists) {
        const std::string script = deriveInputPaths(absolutePath(list), {}).scriptPath;
        const auto [earlier, isFirst] = listOfScript.try_emplace(identityOf(script), list);
        const Outcome outcome =
            isFirst ? convertList(options, list, fileSystem, report)
                    : Outcome{kNotWritten, "not converted: its script " + script +
                                               " is the one written for " + earlier->second};
        report(list + ": " +
               (outcome.exitCode != kWritten ? outcome.reason
                : options.check              ? "written and compiled"
                                             : "written") +
               "\n");
        if (outcome.exitCode == kWritten || outcome.exitCode == kNotCompiled)
            ++written;
        if (outcome.exitCode == kWritten && options.check)
            ++compiled;
        highest = std::max(highest, outcome.exitCode);
    }
    reportError(report,
                std::to_string(lists.size()) +
                    (lists.size() == 1 ? " setup list: " : " setup lists: ") +
                    std::to_string(written) + " written, " +
                    std::to_string(lists.size() - written) + " failed" +
                    (options.check ? "; " + std::to_string(compiled) + " compiled, " +
                                         std::to_string(written - compiled) + " did not compile"
                                   : std::string()));
    return highest;
}

int runConversions(Options options, FileSystem& fileSystem, const Report& report) {
    if (options.check) {
        std::string tried;
        options.compiler = findCompiler(options.iscc, tried);
        if (options.compiler.empty()) {
            reportError(report, "--check: cannot find " + tried + " (try --help)");
            return kUsageError;
        }
    }
    if (options.setupLists.size() > 1 || !options.recursive.empty())
        return convertBatch(std::move(options), fileSystem, report);
    const std::string& list = options.setupLists.front();
    const Outcome outcome = convertList(options, list, fileSystem, report);
    if (outcome.exitCode == kNoSetupList || outcome.exitCode == kNotCompiled)
        reportError(report, list + ": " + outcome.reason);
    else if (outcome.exitCode != kWritten)
        reportError(report, outcome.reason);
    return outcome.exitCode;
}

} // namespace tembrix::convert
