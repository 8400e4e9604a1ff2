#include "tembrix/convert/Compiler.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string_view>
#include <system_error>

#ifdef _WIN32
#include <windows.h>
#else
#include <csignal>
#include <fcntl.h>
#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

#include "tembrix/engine/ConversionInputs.h"
#include "tembrix/platform/CodePage.h"
#include "tembrix/platform/Cp1252.h"
#include "tembrix/platform/NativePath.h"

namespace fs = std::filesystem;

namespace tembrix::convert {

namespace {

#ifdef _WIN32
constexpr char kPathListSeparator = ';';
constexpr std::string_view kSeparators = "\\/";
const char* const kCompilerNames[] = {"ISCC.exe"};
#else
constexpr char kPathListSeparator = ':';
constexpr std::string_view kSeparators = "/";
const char* const kCompilerNames[] = {"ISCC", "iscc"};
#endif

// The environment in UTF-8, as paths are kept; on Windows from the wide
// environment, which the ANSI code page cannot always spell.
std::string environment(const char* name) {
#ifdef _WIN32
    const std::wstring wideName = nativePath(name).native();
    const wchar_t* value = _wgetenv(wideName.c_str());
    return value ? utf8Path(fs::path(value)) : std::string();
#else
    const char* value = std::getenv(name);
    return value ? std::string(value) : std::string();
#endif
}

bool isProgram(const std::string& path) {
    std::error_code ec;
    if (path.empty() || !fs::is_regular_file(nativePath(path), ec))
        return false;
#ifdef _WIN32
    return true;
#else
    return access(path.c_str(), X_OK) == 0;
#endif
}

std::string onPath(const std::string& name) {
    const std::string path = environment("PATH");
    std::size_t begin = 0;
    for (;;) {
        const std::size_t end = path.find(kPathListSeparator, begin);
        std::string folder = path.substr(begin, end == std::string::npos ? end : end - begin);
        if (folder.empty())
            folder = ".";
        std::string candidate = folder;
        if (kSeparators.find(candidate.back()) == std::string_view::npos)
            candidate += kSeparators.front();
        candidate += name;
        if (isProgram(candidate))
            return candidate;
#ifdef _WIN32
        if (isProgram(candidate + ".exe"))
            return candidate + ".exe";
#endif
        if (end == std::string::npos)
            return {};
        begin = end + 1;
    }
}

// A path as it stands, a bare name through PATH; absolute, since the compile
// runs in another folder.
std::string resolve(const std::string& command) {
    const std::string found = command.find_first_of(kSeparators) != std::string::npos
                                  ? (isProgram(command) ? command : std::string())
                                  : onPath(command);
    if (found.empty())
        return found;
    try {
        std::error_code ec;
        const fs::path absolute = fs::absolute(nativePath(found), ec);
        return ec ? found : utf8Path(absolute);
    } catch (const std::exception&) {
        return found;
    }
}

// A compiler of the system's code page writes in it; a newer one, or a
// stand-in, may write UTF-8, which is then taken as such.
std::string compilerText(std::string&& bytes) {
    return isUtf8(bytes) ? std::move(bytes) : utf8FromSystemCodePage(bytes);
}

void splitLines(const std::string& text, std::vector<std::string>& lines) {
    std::size_t begin = 0;
    while (begin < text.size()) {
        std::size_t end = text.find('\n', begin);
        if (end == std::string::npos)
            end = text.size();
        std::string line = text.substr(begin, end - begin);
        while (!line.empty() && (line.back() == '\r' || line.back() == ' '))
            line.pop_back();
        if (!line.empty())
            lines.push_back(compilerText(std::move(line)));
        begin = end + 1;
    }
}

// The number after the first "line " of a message; 0 when there is none, or
// when it is too long to be a line's.
int lineNumberIn(const std::string& message) {
    const std::string lower = lowerCased(message);
    for (std::size_t at = lower.find("line "); at != std::string::npos;
         at = lower.find("line ", at + 1)) {
        const std::size_t first = at + 5;
        std::size_t end = first;
        while (end < lower.size() && lower[end] >= '0' && lower[end] <= '9')
            ++end;
        if (end > first)
            return end - first > 9 ? 0 : std::stoi(lower.substr(first, end - first));
    }
    return 0;
}

// The compile in a child process; `output` gets what it wrote to either
// stream. Stops it, and what it started, once `timeAllowed` has passed or
// `stop` is requested.
void runCompiler(const std::string& compiler, const std::string& folder, const std::string& name,
                 std::chrono::milliseconds timeAllowed, const std::stop_token& stop,
                 std::string& output, CompileResult& result) {
    using Clock = std::chrono::steady_clock;
    const Clock::time_point deadline = Clock::now() + timeAllowed;
    const auto timeLeft = [deadline] {
        return std::max<long long>(
            0,
            std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count());
    };
    const std::string timeOutReason =
        "did not finish within " + std::to_string(timeAllowed.count() / 1000) + " s";
    // Whether it must be stopped now (its time is up, or stop was asked), noting which.
    const auto mustStop = [&] {
        if (stop.stop_requested())
            result.stopped = true;
        else if (timeLeft() == 0)
            result.timedOut = true;
        return result.stopped || result.timedOut;
    };
#ifdef _WIN32
    // The wide forms of every name: a folder such as "Données" is lost in the
    // ANSI code page, and CreateProcessA then fails with ERROR_DIRECTORY.
    SECURITY_ATTRIBUTES inherit{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
    HANDLE readEnd = nullptr, writeEnd = nullptr;
    if (!CreatePipe(&readEnd, &writeEnd, &inherit, 0)) {
        result.failure = "no pipe for its output";
        return;
    }
    SetHandleInformation(readEnd, HANDLE_FLAG_INHERIT, 0);
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    startup.hStdOutput = writeEnd;
    startup.hStdError = writeEnd;
    PROCESS_INFORMATION process{};
    const std::wstring program = nativePath(compiler).native();
    std::wstring commandLine = L"\"" + program + L"\" \"" + nativePath(name).native() + L"\"";
    const std::wstring workFolder = nativePath(folder).native();
    // Every program the compiler starts joins its job, and ends with it: the
    // job ends when it is stopped, and when its handle closes. It is started
    // suspended and joins the job before it runs, so that nothing escapes.
    HANDLE job = CreateJobObjectW(nullptr, nullptr);
    JOBOBJECT_EXTENDED_LIMIT_INFORMATION limits{};
    limits.BasicLimitInformation.LimitFlags = JOB_OBJECT_LIMIT_KILL_ON_JOB_CLOSE;
    if (job &&
        !SetInformationJobObject(job, JobObjectExtendedLimitInformation, &limits, sizeof(limits))) {
        CloseHandle(job);
        job = nullptr;
    }
    const BOOL started = CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, TRUE,
                                        CREATE_NO_WINDOW | CREATE_SUSPENDED, nullptr,
                                        workFolder.c_str(), &startup, &process);
    CloseHandle(writeEnd);
    if (!started) {
        const DWORD error = GetLastError();
        CloseHandle(readEnd);
        if (job)
            CloseHandle(job);
        result.failure = "could not be started (Windows error " + std::to_string(error) + ")";
        return;
    }
    if (job && !AssignProcessToJobObject(job, process.hProcess)) {
        CloseHandle(job);
        job = nullptr; // then only the compiler itself can be stopped
    }
    ResumeThread(process.hThread);
    // Read what is there, without blocking, until the compiler has ended and
    // its output is drained (a program it started may hold the pipe open).
    char buffer[4096];
    for (bool ended = false;;) {
        DWORD available = 0;
        if (!PeekNamedPipe(readEnd, nullptr, 0, nullptr, &available, nullptr))
            break; // every writer has closed it
        if (available > 0) {
            DWORD got = 0;
            if (!ReadFile(readEnd, buffer, std::min<DWORD>(available, sizeof(buffer)), &got,
                          nullptr))
                break;
            output.append(buffer, got);
            continue;
        }
        if (ended)
            break;
        if (mustStop()) {
            if (!job || !TerminateJobObject(job, 1))
                TerminateProcess(process.hProcess, 1);
            break;
        }
        ended =
            WaitForSingleObject(process.hProcess, static_cast<DWORD>(std::min(timeLeft(), 50LL))) ==
            WAIT_OBJECT_0;
    }
    CloseHandle(readEnd);
    WaitForSingleObject(process.hProcess, INFINITE);
    if (job)
        CloseHandle(job);
    DWORD code = 1;
    GetExitCodeProcess(process.hProcess, &code);
    CloseHandle(process.hProcess);
    CloseHandle(process.hThread);
    if (result.timedOut)
        result.failure = timeOutReason;
    else if (result.stopped)
        result.failure = "was stopped";
    else
        result.exitCode = static_cast<int>(code);
#else
    // The pipes close on exec, so that no other thread's child inherits them.
    int pipeEnds[2];
    if (pipe2(pipeEnds, O_CLOEXEC) != 0) {
        result.failure = std::string("no pipe for its output: ") + std::strerror(errno);
        return;
    }
    // The child tells an exec failure through a second pipe that closes on exec.
    int execReport[2];
    if (pipe2(execReport, O_CLOEXEC) != 0) {
        close(pipeEnds[0]);
        close(pipeEnds[1]);
        result.failure = std::string("no pipe for its start: ") + std::strerror(errno);
        return;
    }
    char* const arguments[] = {const_cast<char*>(compiler.c_str()), const_cast<char*>(name.c_str()),
                               nullptr};
    const pid_t child = fork();
    if (child < 0) {
        result.failure = std::string("could not be started: ") + std::strerror(errno);
        for (int end : {pipeEnds[0], pipeEnds[1], execReport[0], execReport[1]})
            close(end);
        return;
    }
    if (child == 0) {
        // Only async-signal-safe calls here: the parent may have other threads.
        setpgid(0, 0); // its own group, so that a stop reaches what it starts
        dup2(pipeEnds[1], STDOUT_FILENO);
        dup2(pipeEnds[1], STDERR_FILENO);
        if (chdir(folder.c_str()) == 0)
            execv(compiler.c_str(), arguments);
        const int error = errno;
        [[maybe_unused]] const ssize_t written = ::write(execReport[1], &error, sizeof(error));
        _exit(127);
    }
    close(pipeEnds[1]);
    close(execReport[1]);
    char buffer[4096];
    pollfd readable{pipeEnds[0], POLLIN, 0};
    bool reaped = false;
    int status = 0;
    for (;;) {
        if (reaped ? timeLeft() == 0 || stop.stop_requested() : mustStop()) {
            if (!reaped) {
                kill(-child, SIGKILL);
                kill(child, SIGKILL);
            }
            break;
        }
        const int ready =
            poll(&readable, 1, reaped ? 0 : static_cast<int>(std::min(timeLeft(), 100LL)));
        if (ready < 0 && errno != EINTR)
            break;
        if (ready > 0) {
            const ssize_t got = read(pipeEnds[0], buffer, sizeof(buffer));
            if (got > 0)
                output.append(buffer, static_cast<std::size_t>(got));
            else if (got == 0 || errno != EINTR)
                break;
            continue;
        }
        if (ready == 0 && reaped)
            break; // ended, and a program it started holds the pipe open
        if (ready == 0)
            reaped = waitpid(child, &status, WNOHANG) == child;
    }
    close(pipeEnds[0]);
    int execError = 0;
    const bool execFailed = read(execReport[0], &execError, sizeof(execError)) == sizeof(execError);
    close(execReport[0]);
    while (!reaped && waitpid(child, &status, 0) < 0 && errno == EINTR) {
    }
    if (execFailed) {
        result.failure = "could not be started in " + folder + ": " + std::strerror(execError);
        return;
    }
    if (result.timedOut)
        result.failure = timeOutReason;
    else if (result.stopped)
        result.failure = "was stopped";
    else
        result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
#endif
}

} // namespace

std::string findCompiler(const std::optional<std::string>& given, std::string& tried) {
    if (given) {
        tried = "the compiler given with --iscc, '" + *given + "'";
        return resolve(*given);
    }
    if (const std::string fromEnvironment = environment("ISCC"); !fromEnvironment.empty()) {
        tried = "the compiler named by $ISCC, '" + fromEnvironment + "'";
        return resolve(fromEnvironment);
    }
    tried = "the compiler ISCC (on PATH";
    for (const char* name : kCompilerNames)
        if (std::string found = resolve(name); !found.empty())
            return found;
#ifdef _WIN32
    tried += " and in the Inno Setup install folders";
    for (const char* root : {"ProgramFiles(x86)", "ProgramFiles"})
        for (const char* version : {"Inno Setup 6", "Inno Setup 5"})
            if (const std::string base = environment(root); !base.empty()) {
                const std::string candidate = base + "\\" + version + "\\ISCC.exe";
                if (isProgram(candidate))
                    return candidate;
            }
#endif
    tried += "; give it with --iscc or $ISCC)";
    return {};
}

std::vector<CompilerMessage> compilerMessages(const std::vector<std::string>& lines) {
    std::vector<CompilerMessage> messages;
    for (const std::string& line : lines) {
        if (line.starts_with("Warning"))
            messages.push_back({CompilerMessage::Kind::Warning, lineNumberIn(line), line});
        else if (line.starts_with("Error") || line.starts_with("Compile aborted"))
            messages.push_back({CompilerMessage::Kind::Error, lineNumberIn(line), line});
    }
    return messages;
}

int compilerMajorVersion(const std::vector<std::string>& lines) {
    constexpr std::string_view kName = "Inno Setup ";
    for (const std::string& line : lines)
        if (line.starts_with(kName) && line.size() > kName.size() && line[kName.size()] >= '1' &&
            line[kName.size()] <= '9') {
            const std::size_t end = line.find_first_not_of("0123456789", kName.size());
            if (end != std::string::npos && end - kName.size() < 3 && line[end] == ' ')
                return std::stoi(line.substr(kName.size(), end - kName.size()));
        }
    return 0;
}

int compilerMajorVersion(const std::string& compiler, std::stop_token stop) {
    // The banner comes before the usage that "/?" asks for.
    CompileResult result;
    std::string output;
    runCompiler(compiler, ".", "/?", std::chrono::seconds(30), stop, output, result);
    std::vector<std::string> lines;
    splitLines(output, lines);
    return compilerMajorVersion(lines);
}

std::string installerOf(const std::vector<std::string>& lines) {
    constexpr std::string_view kNamed = "Resulting Setup program filename is:";
    for (std::size_t i = 0; i < lines.size(); ++i)
        if (const std::size_t at = lines[i].find(kNamed); at != std::string::npos) {
            std::string rest = lines[i].substr(at + kNamed.size());
            rest.erase(0, rest.find_first_not_of(' '));
            return !rest.empty() ? rest : i + 1 < lines.size() ? lines[i + 1] : std::string();
        }
    return {};
}

std::string compilerVersion(const std::vector<std::string>& lines) {
    constexpr std::string_view kEngine = "Compiler engine version:";
    for (const std::string& line : lines)
        if (const std::size_t at = line.find(kEngine); at != std::string::npos) {
            std::string rest = line.substr(at + kEngine.size());
            rest.erase(0, rest.find_first_not_of(' '));
            return rest;
        }
    for (const std::string& line : lines)
        if (line.find("Command-Line Compiler") != std::string::npos)
            return line;
    return {};
}

CompileResult compileScript(const std::string& compiler, const std::string& scriptPath,
                            std::chrono::milliseconds timeAllowed, std::stop_token stop) {
    CompileResult result;
    std::string folder = tembrix::folderOf(scriptPath);
    const std::string name = scriptPath.substr(folder.size());
    if (folder.empty())
        folder = ".";
    std::string output;
    runCompiler(compiler, folder, name, timeAllowed, stop, output, result);
    splitLines(output, result.lines);
    result.messages = compilerMessages(result.lines);
    result.compiled = result.exitCode == 0;
    if (result.compiled)
        result.installerPath = installerOf(result.lines);
    return result;
}

} // namespace tembrix::convert
