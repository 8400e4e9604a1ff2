#include "Compiler.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string_view>
#include <system_error>

#ifdef _WIN32
#include <windows.h>
#else
#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

#include "tembrix/engine/ConversionInputs.h"

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

std::string environment(const char* name) {
    const char* value = std::getenv(name);
    return value ? std::string(value) : std::string();
}

bool isProgram(const std::string& path) {
    std::error_code ec;
    if (path.empty() || !fs::is_regular_file(fs::path(path), ec))
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
        const fs::path absolute = fs::absolute(fs::path(found), ec);
        return ec ? found : absolute.string();
    } catch (const std::exception&) {
        return found;
    }
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
            lines.push_back(std::move(line));
        begin = end + 1;
    }
}

} // namespace

std::string FindCompiler(const std::optional<std::string>& given, std::string& tried) {
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

std::vector<std::string> WarningsAndErrors(const std::vector<std::string>& lines) {
    std::vector<std::string> kept;
    for (const std::string& line : lines)
        if (line.starts_with("Warning") || line.starts_with("Error") ||
            line.starts_with("Compile aborted"))
            kept.push_back(line);
    return kept;
}

CompileResult CompileScript(const std::string& compiler, const std::string& scriptPath) {
    CompileResult result;
    std::string folder = tembrix::folderOf(scriptPath);
    const std::string name = scriptPath.substr(folder.size());
    if (folder.empty())
        folder = ".";
    std::string output;
#ifdef _WIN32
    SECURITY_ATTRIBUTES inherit{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
    HANDLE readEnd = nullptr, writeEnd = nullptr;
    if (!CreatePipe(&readEnd, &writeEnd, &inherit, 0)) {
        result.failure = "no pipe for its output";
        return result;
    }
    SetHandleInformation(readEnd, HANDLE_FLAG_INHERIT, 0);
    STARTUPINFOA startup{};
    startup.cb = sizeof(startup);
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    startup.hStdOutput = writeEnd;
    startup.hStdError = writeEnd;
    PROCESS_INFORMATION process{};
    std::string commandLine = "\"" + compiler + "\" \"" + name + "\"";
    const BOOL started =
        CreateProcessA(compiler.c_str(), commandLine.data(), nullptr, nullptr, TRUE,
                       CREATE_NO_WINDOW, nullptr, folder.c_str(), &startup, &process);
    CloseHandle(writeEnd);
    if (!started) {
        CloseHandle(readEnd);
        result.failure =
            "could not be started (Windows error " + std::to_string(GetLastError()) + ")";
        return result;
    }
    char buffer[4096];
    DWORD got = 0;
    while (ReadFile(readEnd, buffer, sizeof(buffer), &got, nullptr) && got > 0)
        output.append(buffer, got);
    CloseHandle(readEnd);
    WaitForSingleObject(process.hProcess, INFINITE);
    DWORD code = 1;
    GetExitCodeProcess(process.hProcess, &code);
    CloseHandle(process.hProcess);
    CloseHandle(process.hThread);
    result.exitCode = static_cast<int>(code);
#else
    int pipeEnds[2];
    if (pipe(pipeEnds) != 0) {
        result.failure = std::string("no pipe for its output: ") + std::strerror(errno);
        return result;
    }
    // The child tells an exec failure through a second pipe that closes on exec.
    int execReport[2];
    if (pipe(execReport) != 0) {
        close(pipeEnds[0]);
        close(pipeEnds[1]);
        result.failure = std::string("no pipe for its start: ") + std::strerror(errno);
        return result;
    }
    fcntl(execReport[1], F_SETFD, FD_CLOEXEC);
    const pid_t child = fork();
    if (child < 0) {
        result.failure = std::string("could not be started: ") + std::strerror(errno);
        for (int end : {pipeEnds[0], pipeEnds[1], execReport[0], execReport[1]})
            close(end);
        return result;
    }
    if (child == 0) {
        close(pipeEnds[0]);
        close(execReport[0]);
        dup2(pipeEnds[1], STDOUT_FILENO);
        dup2(pipeEnds[1], STDERR_FILENO);
        close(pipeEnds[1]);
        int error = 0;
        if (chdir(folder.c_str()) == 0) {
            char* const arguments[] = {const_cast<char*>(compiler.c_str()),
                                       const_cast<char*>(name.c_str()), nullptr};
            execv(compiler.c_str(), arguments);
        }
        error = errno;
        [[maybe_unused]] const ssize_t written = ::write(execReport[1], &error, sizeof(error));
        _exit(127);
    }
    close(pipeEnds[1]);
    close(execReport[1]);
    char buffer[4096];
    for (;;) {
        const ssize_t got = read(pipeEnds[0], buffer, sizeof(buffer));
        if (got > 0)
            output.append(buffer, static_cast<std::size_t>(got));
        else if (got == 0 || errno != EINTR)
            break;
    }
    close(pipeEnds[0]);
    int execError = 0;
    const bool execFailed = read(execReport[0], &execError, sizeof(execError)) == sizeof(execError);
    close(execReport[0]);
    int status = 0;
    while (waitpid(child, &status, 0) < 0 && errno == EINTR) {
    }
    if (execFailed) {
        result.failure = "could not be started in " + folder + ": " + std::strerror(execError);
        return result;
    }
    result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
#endif
    splitLines(output, result.lines);
    result.compiled = result.exitCode == 0;
    return result;
}

} // namespace tembrix::convert
