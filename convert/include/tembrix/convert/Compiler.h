#pragma once

// The Inno Setup command-line compiler: found, and run on a script. Plain C++
// without global state, so that a window may run a compile on a worker thread.

#include <chrono>
#include <optional>
#include <stop_token>
#include <string>
#include <vector>

namespace tembrix::convert {

/// The compiler to run: `given` (--iscc), else the environment's ISCC, else
/// ISCC or iscc on PATH, else, on Windows, ISCC.exe in Inno Setup 6's or 5's
/// usual install folders. A name without a folder is looked up on PATH. The
/// empty text when none of them names a program that exists; `tried` then
/// says what was looked for.
std::string findCompiler(const std::optional<std::string>& given, std::string& tried);

/// One warning or error of the compiler's.
struct CompilerMessage {
    enum class Kind { Warning, Error };
    Kind kind = Kind::Error;
    int line = 0;     ///< the script's line it is about; 0 when the compiler does not say
    std::string text; ///< the whole line, as the compiler wrote it
};

/// What one compile gave. The texts are UTF-8, decoded from the code page
/// that the compiler writes in (the system's, or UTF-8).
struct CompileResult {
    bool compiled = false;                 ///< the compiler ran and reported success
    int exitCode = -1;                     ///< its exit status; -1 when it did not run to its end
    bool timedOut = false;                 ///< it was stopped after the time allowed
    bool stopped = false;                  ///< it was stopped because `stop` asked for it
    std::vector<std::string> lines;        ///< its output, line by line, without line ends
    std::vector<CompilerMessage> messages; ///< its warnings and errors, in their order
    std::string installerPath;             ///< the installer written, when the output names it
    std::string failure;                   ///< why it did not run to its end
};

/// Long enough for the largest installer; a compiler that hangs is stopped.
inline constexpr std::chrono::milliseconds kCompileTimeAllowed = std::chrono::minutes(10);

/// Runs `compiler` with the script's file name as its one argument, in the
/// script's folder, so that the script's relative OutputDir and Source names
/// mean what they mean to the person who compiles it by hand. A compiler that
/// still runs after `timeAllowed`, or when `stop` is requested, is stopped
/// with every program that it started, and the call comes back at once.
CompileResult compileScript(const std::string& compiler, const std::string& scriptPath,
                            std::chrono::milliseconds timeAllowed = kCompileTimeAllowed,
                            std::stop_token stop = {});

/// The major version of Inno Setup that the compiler's banner names ("Inno
/// Setup 6 Command-Line Compiler"); 0 when its lines name none.
int compilerMajorVersion(const std::vector<std::string>& lines);

/// Runs the compiler without a script for its banner: its major version, 0
/// when it names none or does not run. Stops when `stop` is requested.
int compilerMajorVersion(const std::string& compiler, std::stop_token stop = {});

/// The warnings and errors among the compiler's output lines, with the line
/// of the script each names ("Error on line 6 in ...", "Warning: Line 12: ...").
std::vector<CompilerMessage> compilerMessages(const std::vector<std::string>& lines);

/// The installer that a successful compile names after "Resulting Setup
/// program filename is:"; empty when the output does not say.
std::string installerOf(const std::vector<std::string>& lines);

/// The compiler's version as its banner gives it: what follows "Compiler
/// engine version:", else the banner's "... Command-Line Compiler" line; empty
/// when the output says neither.
std::string compilerVersion(const std::vector<std::string>& lines);

} // namespace tembrix::convert
