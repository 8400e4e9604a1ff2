#include "tembrix/engine/ScriptGenerator.h"

#include <memory>
#include <new>

#include "Mends.h"
#include "ScriptWriters.h"
#include "SetupListReader.h"
#include "tembrix/platform/FileSystem.h"

namespace tembrix {

Status GenerateScript(const ConversionInputs& inputs, FileSystem& fileSystem) {
    Diagnostics ignored;
    return GenerateScript(inputs, fileSystem, ignored);
}

// Reader, mends, writer: the list is read once into the model, the mends
// decide everything there, and the dialect's writer prints it.
Status GenerateScript(const ConversionInputs& inputs, FileSystem& fileSystem,
                      Diagnostics& diagnostics) {
    diagnostics.clear();
    try {
        std::unique_ptr<TextFileWriter> out;
        Status created = fileSystem.createTextFile(inputs.ScriptPath, out);
        if (!created)
            return created;
        if (!out)
            return Status::failure(inputs.ScriptPath + ": the file could not be created");

        ScriptModel model = readScriptModel(inputs, fileSystem);
        applyMends(model);
        writeScript(model, *out);
        spellQuotedFolders(model);
        diagnostics = takeSortedDiagnostics(model);
        return out->commit();
    } catch (const std::bad_alloc&) {
        return Status::failure(inputs.ScriptPath + ": not enough memory to convert " +
                               inputs.SetupListPath);
    } catch (const std::exception& error) {
        return Status::failure(inputs.ScriptPath + ": " + error.what());
    }
}

} // namespace tembrix
