// A stand-in for Inno Setup's compiler: it names the folder it runs in and its
// argument, its version, warns and names an installer; it fails for a script
// whose application is named Broken, takes half a second for one named Slow,
// and hangs for one named Sleepy, after starting a program of its own that,
// unless it is stopped too, leaves the file "outlived" in the folder three
// seconds later. Asked "/?", it shows its banner.

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>

#ifdef _WIN32
#include <windows.h>
#else
#include <unistd.h>
#endif

#include "tembrix/platform/NativePath.h"

namespace {

void outlive() {
    std::this_thread::sleep_for(std::chrono::seconds(3));
    std::ofstream("outlived") << "still running\n";
}

void startOwnProgram() {
#ifdef _WIN32
    wchar_t self[MAX_PATH];
    GetModuleFileNameW(nullptr, self, MAX_PATH);
    std::wstring command = L"\"" + std::wstring(self) + L"\" --outlive";
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process{};
    if (CreateProcessW(self, command.data(), nullptr, nullptr, FALSE, CREATE_NO_WINDOW, nullptr,
                       nullptr, &startup, &process)) {
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
    }
#else
    if (fork() == 0) {
        outlive();
        _exit(0);
    }
#endif
}

} // namespace

int main(int argc, char** argv) {
    const std::string name = argc > 1 ? argv[1] : "";
    if (name == "--outlive") {
        outlive();
        return 0;
    }
    if (name == "/?") {
        std::printf("\r\nInno Setup 6 Command-Line Compiler\r\nUsage: iscc [options] "
                    "scriptfile.iss\r\n");
        return 1;
    }
    std::stringstream script;
    script << std::ifstream(name, std::ios::binary).rdbuf();
    const std::string folder = tembrix::utf8Path(std::filesystem::current_path());
    std::printf("Stand-in in %s|%s\r\nCompiler engine version: Stand-in 6.4\r\n", folder.c_str(),
                name.c_str());
    if (script.str().find("AppName=Broken") != std::string::npos) {
        // In the system's code page, as the compiler writes: an "é" of Windows-1252.
        std::printf("Error on line 6 in %s: broken \xE9.\r\nCompile aborted.\r\n", name.c_str());
        return 2;
    }
    if (script.str().find("AppName=Sleepy") != std::string::npos) {
        std::fflush(stdout);
        startOwnProgram();
        std::this_thread::sleep_for(std::chrono::seconds(60));
    }
    if (script.str().find("AppName=Slow") != std::string::npos)
        std::this_thread::sleep_for(std::chrono::milliseconds(500));
    std::printf("Warning: Line 3: stand-in warning\r\nSuccessful compile (0.1 sec). Resulting "
                "Setup program filename is:\r\n%s%cOutput%csetup.exe\r\n",
                folder.c_str(), char(std::filesystem::path::preferred_separator),
                char(std::filesystem::path::preferred_separator));
    return 0;
}
