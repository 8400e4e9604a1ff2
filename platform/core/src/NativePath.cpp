#include "tembrix/platform/NativePath.h"

#include <cstring>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <sys/stat.h>
#include <windows.h>
#endif

#include "tembrix/platform/Cp1252.h"

namespace tembrix {

namespace fs = std::filesystem;

#ifdef _WIN32

namespace {

std::wstring wideFrom(const std::string& text, unsigned codePage) {
    if (text.empty())
        return {};
    const int size =
        MultiByteToWideChar(codePage, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(size), L'\0');
    MultiByteToWideChar(codePage, 0, text.data(), static_cast<int>(text.size()), wide.data(), size);
    return wide;
}

} // namespace

fs::path nativePath(const std::string& path) {
    return fs::path(wideFrom(path, isUtf8(path) ? CP_UTF8 : CP_ACP));
}

std::string utf8Path(const fs::path& path) {
    const std::wstring& wide = path.native();
    if (wide.empty())
        return {};
    const int size = WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()),
                                         nullptr, 0, nullptr, nullptr);
    std::string text(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), text.data(), size,
                        nullptr, nullptr);
    return text;
}

std::FILE* openFile(const fs::path& path, const char* mode) {
    // The system's msvcrt knows no "x": an exclusive creation goes through _wopen.
    if (std::strcmp(mode, "wbx") == 0) {
        const int fd =
            _wopen(path.c_str(), _O_WRONLY | _O_CREAT | _O_EXCL | _O_BINARY, _S_IREAD | _S_IWRITE);
        if (fd < 0)
            return nullptr;
        std::FILE* file = _fdopen(fd, "wb");
        if (!file)
            _close(fd);
        return file;
    }
    return _wfopen(path.c_str(), wideFrom(mode, CP_UTF8).c_str());
}

#else

fs::path nativePath(const std::string& path) {
    return fs::path(path);
}

std::string utf8Path(const fs::path& path) {
    return path.string();
}

std::FILE* openFile(const fs::path& path, const char* mode) {
    return std::fopen(path.c_str(), mode);
}

#endif

} // namespace tembrix
