#pragma once

// The Inno Setup command-line compiler, found and run for --check.

#include <optional>
#include <string>
#include <vector>

namespace tembrix::convert {

/// The compiler to run: `given` (--iscc), else the environment's ISCC, else
/// ISCC or iscc on PATH, else, on Windows, ISCC.exe in Inno Setup 6's or 5's
/// usual install folders. A name without a folder is looked up on PATH. The
/// empty text when none of them names a program that exists; `tried` then
/// says what was looked for.
std::string FindCompiler(const std::optional<std::string>& given, std::string& tried);

/// What one compile gave.
struct CompileResult {
    bool compiled = false;          ///< the compiler ran and reported success
    int exitCode = -1;              ///< its exit status; -1 when it could not be started
    std::vector<std::string> lines; ///< its output, line by line, without line ends
    std::string failure;            ///< why it could not be started
};

/// Runs `compiler` with the script's file name as its one argument, in the
/// script's folder, so that the script's relative OutputDir and Source names
/// mean what they mean to the person who compiles it by hand.
CompileResult CompileScript(const std::string& compiler, const std::string& scriptPath);

/// The lines of the compiler's output that are its warnings and errors.
std::vector<std::string> WarningsAndErrors(const std::vector<std::string>& lines);

} // namespace tembrix::convert
