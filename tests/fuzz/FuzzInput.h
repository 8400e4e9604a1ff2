#pragma once

// What the fuzz targets share: cutting one input into parts, a scratch folder,
// and a check that stops the run, so that the fuzzer keeps the input.

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <random>
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

// One folder per process, made at the first call and removed at the exit.
inline const std::filesystem::path& scratchFolder() {
    struct Scratch {
        std::filesystem::path path;
        Scratch() {
            std::error_code ec;
            auto base = std::filesystem::path("/dev/shm");
            if (!std::filesystem::is_directory(base, ec))
                base = std::filesystem::temp_directory_path();
            path = base / ("tembrix-fuzz-" + std::to_string(std::random_device{}()));
            std::filesystem::create_directories(path);
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
