// Conversion speed and memory on generated setup lists of 1,000 to 1,000,000
// file entries, against the physical limit: reading the list and writing a
// file of the script's size.
//
//   tembrix-bench-convert                   the benchmarks, then a summary
//   tembrix-bench-convert --peak-rss LIST   one conversion; prints its peak RSS in KiB

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <string>

#include "tembrix/engine/ConversionInputs.h"
#include "tembrix/engine/ScriptGenerator.h"
#include "tembrix/platform/FileSystem.h"
#include "tembrix/platform/ProfileFile.h"

#if defined(__GLIBC__)
#include <malloc.h>
#endif
#ifndef _WIN32
#include <sys/resource.h>
#include <unistd.h>
#endif

namespace fs = std::filesystem;

namespace {

constexpr long kSizes[] = {1000, 10000, 100000, 1000000};

fs::path workFolder() {
    static const fs::path folder = [] {
        const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
        fs::path path = fs::temp_directory_path() / ("tembrix-bench-" + std::to_string(stamp));
        fs::create_directories(path);
        return path;
    }();
    return folder;
}

// A list shaped like the Package and Deployment Wizard's: a tenth of the files
// in [Bootstrap Files], the rest in [Setup1 Files], one shortcut per 100 files.
std::string generateList(long entries) {
    const long runtime = std::max(1L, entries / 10);
    const long icons = std::max(1L, entries / 100);
    std::string text;
    text.reserve(static_cast<std::size_t>(entries) * 110 + 4096);
    text += "[Bootstrap]\r\nSetupTitle=Install\r\nSetupText=Copying Files, please stand by.\r\n"
            "CabFile=Bench.CAB\r\nSpawn=Setup1.exe\r\nUninstal=st6unst.exe\r\nCabs=1\r\n\r\n";
    text += "[Bootstrap Files]\r\n";
    for (long n = 1; n <= runtime; ++n)
        text += "File" + std::to_string(n) + "=@RUNTIME" + std::to_string(n) +
                ".DLL,$(WinSysPathSysFile),$(DLLSelfRegister),$(Shared),6/18/98 12:00:00 AM," +
                std::to_string(100000 + n) + ",6.0.84.50\r\n";
    text +=
        "\r\n[IconGroups]\r\nGroup0=Bench Suite\r\nPrivateGroup0=True\r\nParent0=$(Programs)\r\n"
        "\r\n[Bench Suite]\r\n";
    for (long n = 1; n <= icons; ++n) {
        const std::string k = std::to_string(n);
        text += "Icon" + k + "=\"TOOL" + k + ".EXE\"\r\nTitle" + k + "=Bench tool " + k +
                "\r\nStartIn" + k + "=$(AppPath)\\Tools\r\n";
    }
    text += "\r\n[Setup]\r\nTitle=Bench Suite\r\nDefaultDir=$(ProgramFiles)\\Bench Suite\r\n"
            "AppExe=TOOL1.EXE\r\n\r\n[Setup1 Files]\r\n";
    for (long n = 1; n <= entries - runtime; ++n) {
        const std::string k = std::to_string(n);
        switch (n % 4) {
        case 0:
            text += "File" + k + "=@COMPONENT" + k +
                    ".OCX,$(WinSysPath),$(DLLSelfRegister),$(Shared),5/13/98 12:00:00 AM,244416,"
                    "6.0.81.69\r\n";
            break;
        case 1:
            text += "File" + k + "=@TOOL" + k +
                    ".EXE,$(AppPath),$(EXESelfRegister),,3/14/01 9:30:12 AM,156672,1.0.0\r\n";
            break;
        case 2:
            text += "File" + k + "=@REPORT" + k +
                    ".RPT,$(AppPath)\\Reports,,,3/14/01 9:12:40 AM,20480,\r\n";
            break;
        default:
            text += "File" + k + "=@TYPES" + k +
                    ".TLB,$(CommonFiles)\\Bench,$(TLBRegister),$(Shared),6/3/99 12:00:00 AM,17920,"
                    "2.40.4275.1\r\n";
            break;
        }
    }
    return text;
}

struct Sample {
    std::string listPath;
    std::uintmax_t listBytes = 0;
    std::uintmax_t scriptBytes = 0;
};

const Sample& sample(long entries) {
    static std::map<long, Sample> samples;
    auto [it, inserted] = samples.try_emplace(entries);
    if (inserted) {
        it->second.listPath =
            (workFolder() / ("SETUP-" + std::to_string(entries) + ".LST")).string();
        const std::string text = generateList(entries);
        std::FILE* file = std::fopen(it->second.listPath.c_str(), "wb");
        std::fwrite(text.data(), 1, text.size(), file);
        std::fclose(file);
        it->second.listBytes = text.size();
    }
    return it->second;
}

tembrix::ConversionInputs inputsFor(const std::string& listPath, const std::string& scriptPath) {
    tembrix::ConversionInputs inputs;
    inputs.SetupListPath = listPath;
    inputs.ScriptPath = scriptPath;
    inputs.OutputDir = "C:\\Build\\OutPut\\";
    inputs.SourceFolder = "C:\\Build\\Support\\";
    inputs.Version = "1.0";
    return inputs;
}

// The best seconds per run of each benchmark and size, for the summary.
std::map<std::string, std::map<long, double>> g_best;

void record(const std::string& name, long entries, double seconds) {
    auto& best = g_best[name][entries];
    best = best == 0 ? seconds : std::min(best, seconds);
}

void BM_Convert(benchmark::State& state) {
    const long entries = state.range(0);
    Sample& s = const_cast<Sample&>(sample(entries));
    const auto fileSystem = tembrix::createLocalFileSystem();
    const std::string script = (workFolder() / "Setup.iss").string();
    const auto inputs = inputsFor(s.listPath, script);
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        const tembrix::Status status = tembrix::GenerateScript(inputs, *fileSystem);
        record("convert", entries,
               std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
        if (!status) {
            state.SkipWithError(status.reason().c_str());
            break;
        }
    }
    s.scriptBytes = fs::file_size(script);
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * s.listBytes));
    state.counters["list_MB"] = static_cast<double>(s.listBytes) / 1e6;
    state.counters["script_MB"] = static_cast<double>(s.scriptBytes) / 1e6;
}

// Reads the list and writes a file of the script's size: what no conversion can beat.
void BM_CopyBaseline(benchmark::State& state) {
    const long entries = state.range(0);
    const Sample& s = sample(entries);
    const std::string target = (workFolder() / "copy.iss").string();
    const std::string scriptSized(static_cast<std::size_t>(s.scriptBytes), 'x');
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        const auto bytes = tembrix::readWholeFile(s.listPath);
        benchmark::DoNotOptimize(bytes->data());
        std::FILE* file = std::fopen(target.c_str(), "wb");
        std::fwrite(scriptSized.data(), 1, scriptSized.size(), file);
        std::fclose(file);
        record("copy", entries,
               std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * s.listBytes));
}

// Reading and indexing the list alone: the share of the conversion that is not writing.
void BM_ReadAndIndex(benchmark::State& state) {
    const long entries = state.range(0);
    const Sample& s = sample(entries);
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        auto index = tembrix::ProfileIndex::load(s.listPath);
        benchmark::DoNotOptimize(&index);
        record("index", entries,
               std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * s.listBytes));
}

BENCHMARK(BM_Convert)
    ->Arg(1000)
    ->Arg(10000)
    ->Arg(100000)
    ->Arg(1000000)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CopyBaseline)
    ->Arg(1000)
    ->Arg(10000)
    ->Arg(100000)
    ->Arg(1000000)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadAndIndex)
    ->Arg(1000)
    ->Arg(10000)
    ->Arg(100000)
    ->Arg(1000000)
    ->Unit(benchmark::kMillisecond);

#ifndef _WIN32
long peakKilobytes() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

// Runs this program again on one list, so that the peak is the conversion's alone.
long measurePeak(const char* self, const std::string& listPath) {
    const std::string command = std::string("'") + self + "' --peak-rss '" + listPath + "'";
    std::FILE* pipe = popen(command.c_str(), "r");
    if (!pipe)
        return -1;
    long kilobytes = -1;
    if (std::fscanf(pipe, "%ld", &kilobytes) != 1)
        kilobytes = -1;
    pclose(pipe);
    return kilobytes;
}
#endif

void printSummary(const char* self) {
    const auto& convert = g_best["convert"];
    const auto& copy = g_best["copy"];
    const auto& index = g_best["index"];
    std::printf("\nSummary (best run of each)\n");
    std::printf("%10s %10s %10s %10s %10s %8s %8s %10s %10s %10s\n", "entries", "list MB",
                "convert s", "MB/s", "copy s", "ratio", "x10", "peak MB", "limit MB", "index s");
    double previous = 0;
    for (long entries : kSizes) {
        if (!convert.count(entries))
            continue;
        const Sample& s = sample(entries);
        const double seconds = convert.at(entries);
        const double copySeconds = copy.count(entries) ? copy.at(entries) : 0;
        const double listMb = static_cast<double>(s.listBytes) / 1e6;
        long peak = -1;
#ifndef _WIN32
        peak = measurePeak(self, s.listPath);
#endif
        const double limitMb = 2 * static_cast<double>(s.listBytes) / 1048576.0 + 16;
        std::printf("%10ld %10.2f %10.4f %10.1f %10.4f %8.2f %8s %10.1f %10.1f %10.4f\n", entries,
                    listMb, seconds, listMb / seconds, copySeconds,
                    copySeconds > 0 ? seconds / copySeconds : 0,
                    previous > 0 ? std::to_string(seconds / previous).substr(0, 5).c_str() : "-",
                    peak / 1024.0, limitMb, index.count(entries) ? index.at(entries) : 0.0);
        previous = seconds;
    }
}

} // namespace

int main(int argc, char** argv) {
#ifndef _WIN32
    if (argc == 3 && std::string(argv[1]) == "--peak-rss") {
        const auto fileSystem = tembrix::createLocalFileSystem();
        const std::string script = std::string(argv[2]) + ".peak.iss";
        const tembrix::Status status =
            tembrix::GenerateScript(inputsFor(argv[2], script), *fileSystem);
        std::remove(script.c_str());
        if (!status)
            return 1;
        std::printf("%ld\n", peakKilobytes());
        return 0;
    }
#endif
#if defined(__GLIBC__)
    // A conversion runs once in its process, on memory fresh from the system.
    // glibc would otherwise keep blocks below 32 MB for the next run, so that
    // only the largest list paid for its pages and the growth looked worse
    // than it is. Large blocks therefore always come from the system here.
    mallopt(M_MMAP_THRESHOLD, 1 << 20);
#endif
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    printSummary(argv[0]);
    benchmark::Shutdown();
    std::error_code ec;
    fs::remove_all(workFolder(), ec);
    return 0;
}
