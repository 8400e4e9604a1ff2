#include <algorithm>

#include "tembrix/convert/Converter.h"
#include "tembrix/convert/Report.h"

namespace tembrix::convert {

const std::string_view kUsage =
    "Usage: tembrix-convert [options] SETUP.LST...\n"
    "Turns Visual Basic 6 setup lists into Inno Setup scripts. A package's folder or its\n"
    "setup.exe stands for its SETUP.LST (or the one in its Support folder). The files that the\n"
    "script installs are looked for beside the list, in Support and in the package's cabinets.\n"
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
    "  --extract-to DIR      write the files taken out of cabinets and compressed files into "
    "DIR\n"
    "                        (default: Support beside the script)\n"
    "  --inno6               write for Inno Setup 6: its folder constants and flags, no copy "
    "modes\n"
    "  --check               compile each script that was written with Inno Setup's ISCC\n"
    "  --iscc COMMAND        that compiler (default: $ISCC, else ISCC or iscc on PATH)\n"
    "  --jobs N              run N compiles at once (default: one per core); the lines and the\n"
    "                        report keep the order of the lists\n"
    "  --report FILE         write a report of the whole run: FILE.html (a page), FILE.md\n"
    "                        (Markdown) or FILE.json; \"-\" = JSON on standard output\n"
    "  -q, --quiet           do not report on standard error what was mended or looks wrong,\n"
    "                        nor show the progress line that a terminal gets\n"
    "  -h, --help            usage;  --version  the program's version\n"
    "\n"
    "Exit status: 0 written, 1 the setup list is missing, cannot be read or is no setup list,\n"
    "or the report could not be written, 2 usage error, 3 the script could not be written,\n"
    "4 written but it did not compile (--check), 5 written but a file could not be taken out\n"
    "of the package (a damaged cabinet); with several lists, the highest of theirs.\n";

std::optional<std::string> parseArguments(const std::vector<std::string>& arguments,
                                          Options& options) {
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
        {"--report", "", &Options::reportPath},
        {"--extract-to", "", &Options::extractTo},
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
    const std::size_t count = arguments.size();
    std::vector<std::string> positional;
    std::vector<bool> isPositional(count, false);
    std::optional<std::string> jobs;
    bool optionsEnded = false;
    for (std::size_t i = 0; i < count; ++i) {
        const std::string& arg = arguments[i];
        if (optionsEnded || arg == "-" || arg.empty() || arg[0] != '-') {
            positional.push_back(arg);
            isPositional[i] = true;
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
            else if (i + 1 < count)
                options.recursive.push_back(arguments[++i]);
            else
                return "option '" + arg + "' needs a value";
            if (options.recursive.back().empty())
                return std::string("the folder given with --recursive is empty");
            continue;
        }
        if (name == "--jobs") {
            if (equals != std::string::npos)
                jobs = arg.substr(equals + 1);
            else if (i + 1 < count)
                jobs = arguments[++i];
            else
                return "option '" + arg + "' needs a value";
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
        } else if (i + 1 < count) {
            options.*(match->field) = arguments[++i];
        } else {
            return "option '" + arg + "' needs a value";
        }
    }
    if (options.help || options.showVersion)
        return std::nullopt;
    for (std::size_t i = 0; i < count; ++i)
        if (!isPositional[i])
            options.given.push_back(arguments[i]);
    if (jobs) {
        const bool digits = !jobs->empty() && jobs->size() <= 4 &&
                            std::ranges::all_of(*jobs, [](char c) { return c >= '0' && c <= '9'; });
        options.jobs = digits ? static_cast<unsigned>(std::stoul(*jobs)) : 0;
        if (options.jobs == 0)
            return "--jobs needs a number of compiles from 1 to 9999, not '" + *jobs + "'";
    }
    if (options.reportPath) {
        const std::string& report = *options.reportPath;
        if (!reportFormOf(report))
            return "--report names its form by its extension: .html, .md or .json, or \"-\" "
                   "for JSON on standard output; not '" +
                   report + "'";
        if (report == kStandardOutput && options.output == std::string(kStandardOutput))
            return std::string("the script and the report cannot both go to standard output");
    }
    if (positional.empty() && options.recursive.empty())
        return std::string("no setup list given");
    if (options.output && (positional.size() > 1 || !options.recursive.empty()))
        return std::string("-o names one script, but several setup lists are given; each "
                           "script is written beside its list");
    if (options.output && options.output->empty())
        return std::string("the script's name given with -o is empty");
    if (options.check && options.output == std::string(kStandardOutput))
        return std::string("--check cannot compile a script written to standard output");
    for (const std::string& list : positional)
        if (list.empty())
            return std::string("the setup list's name is empty");
    options.setupLists = std::move(positional);
    return std::nullopt;
}

} // namespace tembrix::convert
