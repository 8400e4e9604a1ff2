#include "tembrix/engine/ScriptGenerator.h"

#include <memory>
#include <new>

#include "Mends.h"
#include "PackageFiles.h"
#include "ScriptWriters.h"
#include "SetupListReader.h"
#include "tembrix/platform/FileSystem.h"

namespace tembrix {

Status GenerateScript(const ConversionInputs& inputs, FileSystem& fileSystem) {
    Diagnostics ignored;
    return GenerateScript(inputs, fileSystem, ignored);
}

namespace {

// Reader, mends, files, writer: the list is read once into the model, the
// mends decide everything there, the package's files are looked for (when an
// archive reader is given) for the lines that the mends kept, and the
// dialect's writer prints it. The list is read before the script is begun, so
// that a list that cannot be converted leaves nothing behind, not even a
// temporary file.
Status generate(const ConversionInputs& inputs, FileSystem& fileSystem,
                const ArchiveReader* archives, Diagnostics& diagnostics, FileSources& sources,
                ConversionFailure& failure, std::string* title = nullptr) {
    diagnostics.clear();
    sources = {};
    failure = ConversionFailure::None;
    try {
        ScriptModel model;
        const Status read = readScriptModel(inputs, fileSystem, model, failure);
        if (!read)
            return read;
        if (title)
            *title = model.text(model.title);
        failure = ConversionFailure::ScriptNotWritten;
        std::unique_ptr<TextFileWriter> out;
        Status created = fileSystem.createTextFile(inputs.ScriptPath, out);
        if (!created)
            return created;
        if (!out)
            return Status::failure(inputs.ScriptPath + ": the file could not be created");

        applyMends(model);
        if (archives)
            sources = resolvePackageFiles(model, inputs, fileSystem, *archives);
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

} // namespace

Status GenerateScript(const ConversionInputs& inputs, FileSystem& fileSystem,
                      Diagnostics& diagnostics) {
    ConversionFailure ignored;
    return GenerateScript(inputs, fileSystem, diagnostics, ignored);
}

// The list alone, as it always was: no file of the package is looked for.
Status GenerateScript(const ConversionInputs& inputs, FileSystem& fileSystem,
                      Diagnostics& diagnostics, ConversionFailure& failure) {
    FileSources ignored;
    return generate(inputs, fileSystem, nullptr, diagnostics, ignored, failure);
}

Status GenerateScript(const ConversionInputs& inputs, FileSystem& fileSystem,
                      const ArchiveReader& archives, ConversionReport& report) {
    report.title.clear();
    return generate(inputs, fileSystem, &archives, report.diagnostics, report.sources,
                    report.failure, &report.title);
}

} // namespace tembrix
