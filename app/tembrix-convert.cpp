// tembrix-convert: the wizard's conversion without a window, for batch use,
// build servers and tests. The work is in the convert library; here are the
// command line, the standard streams and the exit code.

#include <csignal>
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

#include "tembrix/convert/Converter.h"
#include "tembrix/convert/TerminalLine.h"
#include "tembrix/platform/ProgramFolder.h"
#include "tembrix/platform/ProgramIdentity.h"

#ifdef _WIN32
#include <fcntl.h>
#include <filesystem>
#include <io.h>
#include <windows.h>

#include "tembrix/platform/NativePath.h"
#endif

namespace convert = tembrix::convert;

namespace {

// The arguments after the program's name. On Windows in UTF-8 from the wide
// command line, as paths are kept everywhere, rather than in the ANSI code
// page, which cannot spell every file name.
std::vector<std::string> argumentsOf(int argc, char** argv) {
    std::vector<std::string> arguments;
#ifdef _WIN32
    if (LPWSTR* wide = CommandLineToArgvW(GetCommandLineW(), &argc)) {
        for (int i = 1; i < argc; ++i)
            arguments.push_back(tembrix::utf8Path(std::filesystem::path(wide[i])));
        LocalFree(wide);
        return arguments;
    }
#endif
    for (int i = 1; i < argc; ++i)
        arguments.emplace_back(argv[i]);
    return arguments;
}

// Standard error, each piece at once: a batch's lines show as the lists are done.
void toStandardError(std::string_view lines) {
    std::fwrite(lines.data(), 1, lines.size(), stderr);
    std::fflush(stderr);
}

} // namespace

int main(int argc, char** argv) {
#ifdef _WIN32
    // Messages end in "\n" and the script in "\r\n" on every system, byte for byte.
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);
#else
    // A reader that stops early (`| head`) must give exit 3 and a message, not
    // a silent death by signal: the write then fails with EPIPE instead.
    std::signal(SIGPIPE, SIG_IGN);
#endif
    convert::Options options;
    if (const auto error = convert::parseArguments(argumentsOf(argc, argv), options)) {
        toStandardError(std::string(convert::kMessagePrefix) + *error + " (try --help)\n");
        return convert::kUsageError;
    }
    if (options.help) {
        std::fwrite(convert::kUsage.data(), 1, convert::kUsage.size(), stdout);
        return convert::kWritten;
    }
    if (options.showVersion) {
        const std::string line = "tembrix-convert " + std::string(tembrix::kProgramVersion) + "\n";
        std::fwrite(line.data(), 1, line.size(), stdout);
        return convert::kWritten;
    }
    options.programFolder = tembrix::programFolder();
    const auto fileSystem = convert::createConverterFileSystem();
    // The progress line only where a person watches: never into a pipe or a log.
    convert::TerminalLine standardError(toStandardError,
                                        !options.quiet && convert::standardErrorIsTerminal(),
                                        convert::standardErrorWidth());
    return convert::runConversions(
        std::move(options), *fileSystem,
        [&standardError](std::string_view lines) { standardError.lines(lines); },
        [&standardError](std::string_view line) { standardError.progress(line); });
}
