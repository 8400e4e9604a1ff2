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
    ConversionFailure ignored;
    return GenerateScript(inputs, fileSystem, diagnostics, ignored);
}

// The list is read before the script is begun, so that a list that cannot be
// converted leaves nothing behind, not even a temporary file.
Status GenerateScript(const ConversionInputs& inputs, FileSystem& fileSystem,
                      Diagnostics& diagnostics, ConversionFailure& failure) {
    diagnostics.clear();
    failure = ConversionFailure::None;
    try {
        ScriptModel model;
        const Status read = readScriptModel(inputs, fileSystem, model, failure);
        if (!read)
            return read;
        failure = ConversionFailure::ScriptNotWritten;
        std::unique_ptr<TextFileWriter> out;
        Status created = fileSystem.createTextFile(inputs.ScriptPath, out);
        if (!created)
            return created;
        if (!out)
            return Status::failure(inputs.ScriptPath + ": the file could not be created");

        applyMends(model);
        writeScript(model, *out);
        spellQuotedFolders(model);
        diagnostics = takeSortedDiagnostics(model);
        Status committed = out->commit();
        if (committed)
            failure = ConversionFailure::None;
        return committed;
    } catch (const std::bad_alloc&) {
        failure = ConversionFailure::ScriptNotWritten;
        return Status::failure(inputs.ScriptPath + ": not enough memory to convert " +
                               inputs.SetupListPath);
    } catch (const std::exception& error) {
        failure = ConversionFailure::ScriptNotWritten;
        return Status::failure(inputs.ScriptPath + ": " + error.what());
    }
}

} // namespace tembrix
