#include "tembrix/platform/CodePage.h"

#ifdef _WIN32
#include <windows.h>
#endif

#include "tembrix/platform/Cp1252.h"

namespace tembrix {

#ifdef _WIN32

namespace {

std::wstring wideFrom(std::string_view bytes, unsigned codePage, DWORD flags) {
    if (bytes.empty())
        return {};
    const int size = MultiByteToWideChar(codePage, flags, bytes.data(),
                                         static_cast<int>(bytes.size()), nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(size > 0 ? size : 0), L'\0');
    if (size > 0)
        MultiByteToWideChar(codePage, flags, bytes.data(), static_cast<int>(bytes.size()),
                            wide.data(), size);
    return wide;
}

// `usedDefault` is only allowed, and only needed, for a page other than UTF-8.
std::string bytesFrom(const std::wstring& wide, unsigned codePage, DWORD flags, BOOL* usedDefault) {
    if (wide.empty())
        return {};
    const int size =
        WideCharToMultiByte(codePage, flags, wide.data(), static_cast<int>(wide.size()), nullptr, 0,
                            nullptr, usedDefault);
    std::string bytes(static_cast<std::size_t>(size > 0 ? size : 0), '\0');
    if (size > 0)
        WideCharToMultiByte(codePage, flags, wide.data(), static_cast<int>(wide.size()),
                            bytes.data(), size, nullptr, usedDefault);
    return bytes;
}

} // namespace

unsigned systemCodePage() {
    return GetACP();
}

std::optional<std::string> systemCodePageFromUtf8(std::string_view utf8) {
    if (!isUtf8(utf8))
        return std::nullopt;
    const unsigned page = systemCodePage();
    if (page == CP_UTF8 || utf8.empty())
        return std::string(utf8);
    const std::wstring wide = wideFrom(utf8, CP_UTF8, MB_ERR_INVALID_CHARS);
    // Without WC_NO_BEST_FIT_CHARS "é" would silently become "e" on a page without it.
    BOOL usedDefault = FALSE;
    std::string bytes = bytesFrom(wide, page, WC_NO_BEST_FIT_CHARS, &usedDefault);
    if (usedDefault || bytes.empty())
        return std::nullopt;
    return bytes;
}

std::string utf8FromSystemCodePage(std::string_view bytes) {
    return bytesFrom(wideFrom(bytes, systemCodePage(), 0), CP_UTF8, 0, nullptr);
}

#else

unsigned systemCodePage() {
    return 1252;
}

std::optional<std::string> systemCodePageFromUtf8(std::string_view utf8) {
    return cp1252FromUtf8Exactly(utf8);
}

std::string utf8FromSystemCodePage(std::string_view bytes) {
    return utf8FromCp1252(bytes);
}

#endif

} // namespace tembrix
