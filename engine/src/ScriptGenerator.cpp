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

// Reader, steps, files, writer: the list is read once into the model, the
// steps decide everything there, the package's files are looked for (when an
// archive reader is given) for the lines that the steps kept, and the
// dialect's writer prints it.
Status generate(const ConversionInputs& inputs, FileSystem& fileSystem,
                const ArchiveReader* archives, Diagnostics& diagnostics, FileSources& sources) {
    diagnostics.clear();
    sources = {};
    try {
        std::unique_ptr<TextFileWriter> out;
        Status created = fileSystem.createTextFile(inputs.ScriptPath, out);
        if (!created)
            return created;
        if (!out)
            return Status::failure(inputs.ScriptPath + ": the file could not be created");

        ScriptModel model = readScriptModel(inputs, fileSystem);
        applyMends(model);
        if (archives)
            sources = resolvePackageFiles(model, inputs, fileSystem, *archives);
        writeScript(model, *out);
        diagnostics = takeSortedDiagnostics(model);
        return out->commit();
    } catch (const std::bad_alloc&) {
        return Status::failure(inputs.ScriptPath + ": not enough memory to convert " +
                               inputs.SetupListPath);
    } catch (const std::exception& error) {
        return Status::failure(inputs.ScriptPath + ": " + error.what());
    }
}

} // namespace

// The list alone, as it always was: no file of the package is looked for.
Status GenerateScript(const ConversionInputs& inputs, FileSystem& fileSystem,
                      Diagnostics& diagnostics) {
    FileSources ignored;
    return generate(inputs, fileSystem, nullptr, diagnostics, ignored);
}

Status GenerateScript(const ConversionInputs& inputs, FileSystem& fileSystem,
                      const ArchiveReader& archives, ConversionReport& report) {
    return generate(inputs, fileSystem, &archives, report.diagnostics, report.sources);
}

} // namespace tembrix
