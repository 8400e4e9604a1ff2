#pragma once

// What the fuzz targets share: cutting one input into parts, a scratch folder,
// and a check that stops the run, so that the fuzzer keeps the input.

#include <signal.h>
#include <unistd.h>

#include <cerrno>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace fuzz {

// Parts are separated by a line "%%", so that hand-made inputs stay readable.
inline std::vector<std::string> splitParts(const std::uint8_t* data, std::size_t size,
                                           std::size_t count) {
    std::string_view rest(reinterpret_cast<const char*>(data), size);
    constexpr std::string_view separator = "\n%%\n";
    std::vector<std::string> parts;
    while (parts.size() + 1 < count) {
        const auto at = rest.find(separator);
        if (at == std::string_view::npos)
            break;
        parts.emplace_back(rest.substr(0, at));
        rest.remove_prefix(at + separator.size());
    }
    parts.emplace_back(rest);
    parts.resize(count);
    return parts;
}

inline void require(bool holds, const char* what) {
    if (!holds) {
        std::fprintf(stderr, "fuzz check failed: %s\n", what);
        std::abort();
    }
}

// One folder per process, named after it. libFuzzer ends a run without the
// program's exit handlers, so each process also removes the folders of
// processes that have gone.
inline const std::filesystem::path& scratchFolder() {
    struct Scratch {
        std::filesystem::path path;
        Scratch() {
            namespace fs = std::filesystem;
            std::error_code ec;
            auto base = fs::path("/dev/shm");
            if (!fs::is_directory(base, ec))
                base = fs::temp_directory_path();
            constexpr std::string_view prefix = "tembrix-fuzz-";
            for (const auto& entry : fs::directory_iterator(base, ec)) {
                const std::string name = entry.path().filename().string();
                if (name.rfind(prefix, 0) != 0)
                    continue;
                const long pid = std::strtol(name.c_str() + prefix.size(), nullptr, 10);
                if (pid > 0 && ::kill(static_cast<pid_t>(pid), 0) != 0 && errno == ESRCH)
                    fs::remove_all(entry.path(), ec);
            }
            path = base / (std::string(prefix) + std::to_string(::getpid()));
            fs::create_directories(path, ec);
        }
        ~Scratch() {
            std::error_code ec;
            std::filesystem::remove_all(path, ec);
        }
    };
    static const Scratch scratch;
    return scratch.path;
}

} // namespace fuzz
