#pragma once

#include <string>
#include <vector>

#include "TempFolder.h"
#include "tembrix/engine/ConversionInputs.h"
#include "tembrix/engine/ScriptGenerator.h"
#include "tembrix/platform/FileSystem.h"

// Runs conversions in a temporary folder with the inputs of the worked example.
class Conversion {
public:
    Conversion() : m_fileSystem(tembrix::createLocalFileSystem()) {
        inputs.SetupListPath = m_folder.file("SETUP.LST");
        inputs.ScriptPath = m_folder.file("Setup.iss");
        inputs.SourceFolder = "C:\\Build\\Support\\";
        inputs.OutputDir = "C:\\Build\\OutPut\\";
        inputs.Version = "1.0";
        // An empty file of [Setup] lines, as a fresh program folder has one.
        m_folder.write("SetupLine.txt", "");
        inputs.SetupLinesPath = m_folder.file("SetupLine.txt");
        inputs.ExtraLinesPath = m_folder.file("AddLine.txt");
    }

    // Writes the setup list, converts, and gives the script ("<failed: reason>" on failure).
    std::string run(const std::string& setupList) {
        m_folder.write("SETUP.LST", setupList);
        return run();
    }
    std::string run() {
        lastStatus = tembrix::GenerateScript(inputs, *m_fileSystem, diagnostics);
        if (!lastStatus)
            return "<failed: " + lastStatus.reason() + ">";
        return TempFolder::read(inputs.ScriptPath);
    }

    const TempFolder& folder() const { return m_folder; }
    const tembrix::FileSystem& fileSystem() const { return *m_fileSystem; }

    tembrix::ConversionInputs inputs;
    tembrix::Status lastStatus = tembrix::Status::success();
    tembrix::Diagnostics diagnostics;

    std::vector<std::string> describedDiagnostics() const {
        std::vector<std::string> out;
        for (const tembrix::Diagnostic& diagnostic : diagnostics)
            out.push_back(tembrix::describeDiagnostic(diagnostic));
        return out;
    }

private:
    TempFolder m_folder;
    std::unique_ptr<tembrix::FileSystem> m_fileSystem;
};

inline std::string crlf(const std::string& lfText) {
    std::string out;
    for (char c : lfText) {
        if (c == '\n')
            out += '\r';
        out += c;
    }
    return out;
}

inline const std::string kScriptHeader = "; This script was created by Tembrix\r\n"
                                         "; https://tembrix.org\r\n"
                                         "; https://tembrix.org/download\r\n"
                                         "\r\n";

inline std::string testData(const std::string& name) {
    return TempFolder::read(std::string(TEMBRIX_TEST_DATA_DIR) + "/" + name);
}
