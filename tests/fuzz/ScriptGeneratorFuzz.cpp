// The script generator over an in-memory file system. The input is one flag
// byte, then the setup list, the setup lines and the extra lines, separated by
// lines "%%".

#include <string>

#include "FuzzInput.h"
#include "MemoryFileSystem.h"
#include "tembrix/engine/ScriptGenerator.h"
#include "tembrix/platform/FileSystem.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0)
        return 0;
    const unsigned flags = data[0];
    const auto parts = fuzz::splitParts(data + 1, size - 1, 3);

    MemoryFileSystem fileSystem;
    tembrix::ConversionInputs inputs;
    inputs.SetupListPath = "SETUP.LST";
    inputs.ScriptPath = "Setup.iss";
    inputs.SetupLinesPath = "SetupLine.txt";
    inputs.ExtraLinesPath = "AddLine.txt";
    inputs.SourceFolder = "C:\\Build\\Support\\";
    inputs.OutputDir = "C:\\Build\\OutPut\\";
    inputs.Version = "1.0";
    inputs.UseAbsoluteSource = flags & 1;
    inputs.IncludeRuntimeFiles = flags & 2;
    inputs.AddExtraLines = flags & 4;
    fileSystem.files[inputs.SetupListPath] = parts[0];
    if (flags & 8)
        fileSystem.files[inputs.SetupLinesPath] = parts[1];
    fileSystem.files[inputs.ExtraLinesPath] = parts[2];

    const tembrix::Status status = tembrix::GenerateScript(inputs, fileSystem);
    fuzz::require(status.ok(), "a conversion that cannot fail to write failed");
    const std::string& script = fileSystem.files[inputs.ScriptPath];
    fuzz::require(script.starts_with("; This script was created by Tembrix\r\n"), "no header");
    fuzz::require(script.find("\r\n[Setup]\r\n") != std::string::npos, "no [Setup] section");
    fuzz::require(script.find("\r\n[Icons]\r\n") != std::string::npos, "no [Icons] section");
    return 0;
}
