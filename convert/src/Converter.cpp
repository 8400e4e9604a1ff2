#include "tembrix/convert/Converter.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstring>
#include <deque>
#include <filesystem>
#include <map>
#include <mutex>
#include <thread>

#include "tembrix/convert/Compiler.h"
#include "tembrix/convert/Report.h"
#include "tembrix/convert/SetupListSearch.h"
#include "tembrix/engine/ScriptGenerator.h"
#include "tembrix/platform/ArchiveReader.h"
#include "tembrix/platform/CodePage.h"
#include "tembrix/platform/Cp1252.h"
#include "tembrix/platform/NativePath.h"
#include "tembrix/platform/ProgramIdentity.h"

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
    std::optional<std::string> readAllExplained(const std::string& path,
                                                std::string& reason) const override {
        return m_local->readAllExplained(path, reason);
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

// Compiles the written script into `outcome`; the compiler's warnings and
// errors go to the report under the list's name. Safe on a worker thread.
void compile(const Options& options, const std::string& setupList, Outcome& outcome,
             const Report& report) {
    const auto started = std::chrono::steady_clock::now();
    CompileResult result = compileScript(options.compiler, outcome.script);
    outcome.compileSeconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
    std::vector<std::string> passedOn;
    for (const CompilerMessage& message : result.messages)
        passedOn.push_back(message.text);
    if (!result.compiled && passedOn.empty())
        passedOn = result.lines; // a failure the filter does not know: all of it
    // The compiler stops at the first missing file; the count says how many more.
    if (const std::size_t missing = outcome.sources.missing; missing != 0 && !result.compiled)
        report(setupList + ": " + std::to_string(missing) +
               (missing == 1 ? " file that the script installs is missing\n"
                             : " files that the script installs are missing\n"));
    for (const std::string& message : passedOn)
        report(setupList + ": iscc: " + message + "\n");
    if (!result.installerPath.empty()) {
        std::error_code ec;
        const std::uintmax_t size =
            std::filesystem::file_size(nativePath(result.installerPath), ec);
        if (!ec)
            outcome.installerSize = size;
    }
    if (!result.compiled) {
        outcome.exitCode = kNotCompiled;
        outcome.reason = result.exitCode < 0 ? "written, but the compiler " + options.compiler +
                                                   " " + result.failure
                                             : "written, but " + outcome.script +
                                                   " did not compile (the compiler's exit status " +
                                                   std::to_string(result.exitCode) + ")";
    }
    outcome.compile = std::move(result);
}

bool wasWritten(const Outcome& outcome) {
    return outcome.exitCode == kWritten || outcome.exitCode == kNotCompiled ||
           outcome.exitCode == kPackageIncomplete;
}

RunReport startedRun(const Options& options) {
    RunReport run;
    run.when = utcNow();
    run.version = std::string(kProgramVersion);
    run.options = options.given;
    run.check = options.check;
    run.compiler = options.compiler;
    return run;
}

// Writes the --report, if one was asked for; the exit code, at least 1 when
// the report could not be written.
int withReport(const Options& options, const RunReport& run, FileSystem& fileSystem,
               const Report& report, int exitCode) {
    if (!options.reportPath)
        return exitCode;
    if (const Status written = writeReport(run, *options.reportPath, fileSystem); !written) {
        reportError(report, "cannot write the report " + written.reason());
        return std::max<int>(exitCode, kNoSetupList);
    }
    return exitCode;
}

// A path found below `folder`, as the report shows it: without the folder.
std::string relativeTo(const std::string& folder, const std::string& path) {
    if (!path.starts_with(folder))
        return path;
    std::string rest = path.substr(folder.size());
    while (!rest.empty() && (rest.front() == '/' || rest.front() == '\\'))
        rest.erase(0, 1);
    return rest.empty() ? path : rest;
}

// The compiles of a batch on worker threads; each list's outcome and lines
// are handed back to the batch's own thread, which puts them out in order.
class CompilePool {
public:
    struct Slot {
        Outcome outcome;
        std::string lines; ///< what the list reported, its own line not yet among them
        bool finished = false;
    };

    CompilePool(const Options& options, const std::vector<std::string>& lists,
                std::vector<Slot>& slots, unsigned jobs)
        : m_options(options), m_lists(lists), m_slots(slots) {
        for (unsigned i = 0; i < jobs; ++i) {
            try {
                m_workers.emplace_back([this] { work(); });
            } catch (const std::exception&) {
                break; // fewer threads than asked for; with none, compiles run here
            }
        }
    }
    ~CompilePool() {
        {
            const std::lock_guard lock(m_mutex);
            m_closed = true;
        }
        m_changed.notify_all();
        for (std::thread& worker : m_workers)
            worker.join();
    }
    CompilePool(const CompilePool&) = delete;
    CompilePool& operator=(const CompilePool&) = delete;

    void add(std::size_t index) {
        ++m_queued;
        if (m_workers.empty()) {
            run(index);
            return;
        }
        {
            const std::lock_guard lock(m_mutex);
            m_waiting.push_back(index);
        }
        m_changed.notify_all();
    }
    std::size_t queued() const { return m_queued; }
    std::size_t compiled() {
        const std::lock_guard lock(m_mutex);
        return m_compiled;
    }
    bool finished(std::size_t index) {
        const std::lock_guard lock(m_mutex);
        return m_slots[index].finished;
    }
    void markFinished(std::size_t index) {
        const std::lock_guard lock(m_mutex);
        m_slots[index].finished = true;
    }
    void waitFor(std::size_t index) {
        std::unique_lock lock(m_mutex);
        m_changed.wait(lock, [&] { return m_slots[index].finished; });
    }

private:
    void run(std::size_t index) {
        Slot& slot = m_slots[index];
        compile(m_options, m_lists[index], slot.outcome,
                [&slot](std::string_view lines) { slot.lines += lines; });
        {
            const std::lock_guard lock(m_mutex);
            slot.finished = true;
            ++m_compiled;
        }
        m_changed.notify_all();
    }
    void work() {
        for (;;) {
            std::size_t index = 0;
            {
                std::unique_lock lock(m_mutex);
                m_changed.wait(lock, [this] { return m_closed || !m_waiting.empty(); });
                if (m_waiting.empty())
                    return;
                index = m_waiting.front();
                m_waiting.pop_front();
            }
            run(index);
        }
    }

    const Options& m_options;
    const std::vector<std::string>& m_lists;
    std::vector<Slot>& m_slots;
    std::mutex m_mutex;
    std::condition_variable m_changed;
    std::deque<std::size_t> m_waiting;
    std::size_t m_queued = 0;
    std::size_t m_compiled = 0;
    bool m_closed = false;
    std::vector<std::thread> m_workers;
};

} // namespace

unsigned jobCount(const Options& options) {
    return options.jobs > 0 ? options.jobs : std::max(1u, std::thread::hardware_concurrency());
}

std::unique_ptr<FileSystem> createConverterFileSystem() {
    return std::make_unique<ConverterFileSystem>();
}

ConversionInputs conversionInputs(const Options& options, const std::string& setupList,
                                  const FileSystem& fileSystem, std::string* notHeld) {
    const DerivedInputs derived = deriveInputPaths(absolutePath(setupList), options.programFolder);
    ConversionInputs inputs;
    // Whole, so that the package's folders compare with the script's.
    inputs.SetupListPath = absolutePath(setupList);
    inputs.ScriptPath = options.output.value_or(derived.scriptPath);
    inputs.Version = options.version ? scriptText(*options.version) : derived.version;
    // A folder goes into the script in the system's code page, so that the
    // compiler there finds it; one that the page cannot spell is not written.
    const auto folderText = [&](const char* field, const std::string& folder, bool used) {
        const std::optional<std::string> text =
            isUtf8(folder) ? systemCodePageFromUtf8(folder) : folder;
        if (!text && used && notHeld && notHeld->empty())
            *notHeld = std::string(field) + " " + folder + " has a character that the code page " +
                       std::to_string(systemCodePage()) + " cannot hold";
        return text.value_or(scriptText(folder));
    };
    inputs.OutputDir = folderText("the output folder (--output-dir)",
                                  options.outputDir.value_or(derived.outputDir), true);
    inputs.UseAbsoluteSource = options.absoluteSource;
    inputs.SourceFolder =
        folderText("the source folder (--source-folder)",
                   options.sourceFolder.value_or(derived.sourceFolder), options.absoluteSource);
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
    std::string notHeld;
    const ConversionInputs inputs = conversionInputs(options, setupList, fileSystem, &notHeld);
    if (!notHeld.empty())
        return {kNotWritten, "not converted: " + notHeld};
    ConversionReport conversion;
    const Status written =
        GenerateScript(inputs, fileSystem, *createSystemArchiveReader(), conversion);
    if (conversion.failure == ConversionFailure::ListUnreadable ||
        conversion.failure == ConversionFailure::NotAList) {
        // The reason names the list first, as the caller does.
        std::string_view reason = written.reason();
        if (reason.starts_with(setupList + ": "))
            reason.remove_prefix(setupList.size() + 2);
        return {kNoSetupList, std::string(reason)};
    }
    if (!written) {
        Outcome failed(kNotWritten, "cannot write the script " + written.reason());
        failed.title = std::move(conversion.title);
        return failed;
    }
    if (!options.quiet)
        reportDiagnostics(setupList, conversion.diagnostics, report);
    Outcome outcome;
    const FileSources& sources = conversion.sources;
    if (!sources.failures.empty())
        outcome = {kPackageIncomplete,
                   "written, but " + sources.failures.front() +
                       (sources.failures.size() > 1
                            ? " (and " + std::to_string(sources.failures.size() - 1) + " more)"
                            : std::string())};
    outcome.title = std::move(conversion.title);
    outcome.script = inputs.ScriptPath;
    outcome.diagnostics = std::move(conversion.diagnostics);
    outcome.sources = std::move(conversion.sources);
    if (options.check)
        compile(options, setupList, outcome, report);
    return outcome;
}

int convertBatch(Options options, FileSystem& fileSystem, const Report& report,
                 const Progress& progress) {
    int highest = kWritten;
    RunReport run = startedRun(options);
    std::map<std::string, std::string> shownAs; // the given lists as given
    for (const std::string& list : options.setupLists)
        shownAs.try_emplace(list, list);
    for (const std::string& folder : options.recursive) {
        std::vector<std::string> found;
        std::string problem;
        if (!findSetupLists(folder, found))
            problem = folder + (found.empty() ? ": not a folder that can be searched"
                                              : ": could not be searched to the end");
        else if (found.empty())
            problem = folder + ": no setup list (SETUP.LST) below this folder";
        if (!problem.empty()) {
            reportError(report, problem);
            run.problems.push_back(problem);
            highest = std::max<int>(highest, kNoSetupList);
        }
        for (const std::string& list : found)
            shownAs.try_emplace(list, relativeTo(folder, list));
        options.setupLists.insert(options.setupLists.end(), found.begin(), found.end());
    }
    const std::vector<std::string> lists = withoutRepeats(options.setupLists);
    const std::size_t count = lists.size();
    std::size_t written = 0, compiled = 0;
    const auto show = [&progress](const std::string& line) {
        if (progress)
            progress(line);
    };

    std::vector<CompilePool::Slot> slots(count);
    std::size_t next = 0; // the first list whose lines are not out yet
    Options conversionOnly = options;
    conversionOnly.check = false;
    CompilePool pool(
        options, lists, slots,
        options.check ? std::min<unsigned>(jobCount(options), static_cast<unsigned>(count)) : 0);
    // Each list's lines in the batch's order, whatever finished first.
    const auto putOut = [&] {
        for (; next < count && pool.finished(next); ++next) {
            const Outcome& outcome = slots[next].outcome;
            report(slots[next].lines + lists[next] + ": " +
                   (outcome.exitCode != kWritten ? outcome.reason
                    : options.check              ? "written and compiled"
                                                 : "written") +
                   "\n");
            if (wasWritten(outcome))
                ++written;
            if (outcome.compile && outcome.compile->compiled)
                ++compiled;
            highest = std::max(highest, outcome.exitCode);
        }
    };

    // Two lists in one folder would write one Setup.iss: the second would
    // silently replace the first one's script.
    std::map<std::string, std::string> listOfScript;
    std::vector<std::size_t> toCompile;
    for (std::size_t i = 0; i < count; ++i) {
        const std::string& list = lists[i];
        show("Converting " + std::to_string(i + 1) + "/" + std::to_string(count) + ": " +
             shownAs[list]);
        const std::string script = deriveInputPaths(absolutePath(list), {}).scriptPath;
        const auto [earlier, isFirst] = listOfScript.try_emplace(identityOf(script), list);
        CompilePool::Slot& slot = slots[i];
        slot.outcome = isFirst
                           ? convertList(conversionOnly, list, fileSystem,
                                         [&slot](std::string_view lines) { slot.lines += lines; })
                           : Outcome{kNotWritten, "not converted: its script " + script +
                                                      " is the one written for " + earlier->second};
        if (options.check &&
            (slot.outcome.exitCode == kWritten || slot.outcome.exitCode == kPackageIncomplete))
            toCompile.push_back(i);
        else
            pool.markFinished(i);
        putOut();
    }
    // The compiles start once every script is written: a compiler started
    // while a script is being written could inherit its open file (Windows
    // hands a child every inheritable handle) and keep it from its place.
    for (const std::size_t i : toCompile)
        pool.add(i);
    while (next < count) {
        show("Compiling " + std::to_string(pool.compiled() + 1) + "/" +
             std::to_string(pool.queued()) + ": " + shownAs[lists[next]]);
        pool.waitFor(next);
        putOut();
    }
    show("");
    reportError(report,
                std::to_string(count) + (count == 1 ? " setup list: " : " setup lists: ") +
                    std::to_string(written) + " written, " + std::to_string(count - written) +
                    " failed" +
                    (options.check ? "; " + std::to_string(compiled) + " compiled, " +
                                         std::to_string(written - compiled) + " did not compile"
                                   : std::string()));
    for (std::size_t i = 0; i < count; ++i)
        run.lists.push_back(
            {shownAs[lists[i]], std::move(slots[i].outcome), folderOf(absolutePath(lists[i]))});
    return withReport(options, run, fileSystem, report, highest);
}

int runConversions(Options options, FileSystem& fileSystem, const Report& report,
                   const Progress& progress) {
    if (options.check) {
        std::string tried;
        options.compiler = findCompiler(options.iscc, tried);
        if (options.compiler.empty()) {
            reportError(report, "--check: cannot find " + tried + " (try --help)");
            return kUsageError;
        }
    }
    if (options.setupLists.size() > 1 || !options.recursive.empty())
        return convertBatch(std::move(options), fileSystem, report, progress);
    const std::string& list = options.setupLists.front();
    RunReport run = startedRun(options);
    const Outcome outcome = convertList(options, list, fileSystem, report);
    if (outcome.exitCode == kNoSetupList || outcome.exitCode == kNotCompiled)
        reportError(report, list + ": " + outcome.reason);
    else if (outcome.exitCode != kWritten)
        reportError(report, outcome.reason);
    run.lists.push_back({list, outcome, folderOf(absolutePath(list))});
    return withReport(options, run, fileSystem, report, outcome.exitCode);
}

} // namespace tembrix::convert
