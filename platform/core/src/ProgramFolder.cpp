#include "tembrix/platform/ProgramFolder.h"

#include <filesystem>
#include <vector>

#include "tembrix/platform/NativePath.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <climits>
#include <unistd.h>
#endif

namespace tembrix {

std::string programFolder() {
    std::filesystem::path file;
#ifdef _WIN32
    std::vector<wchar_t> wide(MAX_PATH);
    for (;;) {
        const DWORD length =
            GetModuleFileNameW(nullptr, wide.data(), static_cast<DWORD>(wide.size()));
        if (length == 0)
            return {};
        if (length < wide.size()) {
            file = std::wstring(wide.data(), length);
            break;
        }
        wide.resize(wide.size() * 2);
    }
#else
    std::vector<char> buffer(PATH_MAX);
    for (;;) {
        const ssize_t length = readlink("/proc/self/exe", buffer.data(), buffer.size());
        if (length < 0)
            return {};
        if (static_cast<std::size_t>(length) < buffer.size()) {
            file = std::string(buffer.data(), static_cast<std::size_t>(length));
            break;
        }
        buffer.resize(buffer.size() * 2);
    }
#endif
    // parent_path keeps the separator of a root, where "C:" alone would mean
    // the drive's current folder.
    return utf8Path(file.parent_path());
}

} // namespace tembrix
