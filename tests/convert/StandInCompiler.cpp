// A stand-in for Inno Setup's compiler: it names the folder it runs in and its
// argument, its version, warns and names an installer; it fails for a script
// whose application is named Broken, hangs for one named Sleepy, and takes
// half a second for one named Slow.

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>

#include "tembrix/platform/NativePath.h"

int main(int argc, char** argv) {
    const std::string name = argc > 1 ? argv[1] : "";
    std::stringstream script;
    script << std::ifstream(name, std::ios::binary).rdbuf();
    const std::string folder = tembrix::utf8Path(std::filesystem::current_path());
    std::printf("Stand-in in %s|%s\r\nCompiler engine version: Stand-in 6.4\r\n", folder.c_str(),
                name.c_str());
    if (script.str().find("AppName=Broken") != std::string::npos) {
        std::printf("Error on line 6 in %s: broken.\r\nCompile aborted.\r\n", name.c_str());
        return 2;
    }
    if (script.str().find("AppName=Sleepy") != std::string::npos) {
        std::fflush(stdout);
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
