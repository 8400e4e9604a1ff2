#include "tembrix/wizard/InnoSetupCompiler.h"

#include <string>

#include "tembrix/convert/Compiler.h"
#include "tembrix/platform/Cp1252.h"
#include "tembrix/platformqt/TextBridge.h"

namespace tembrix {

namespace {

// The compiler writes in the system's code page under Windows; a stand-in or
// a wrapper elsewhere may write UTF-8, which is then taken as such.
QString compilerText(const std::string& bytes) {
    return isUtf8(bytes) ? QString::fromUtf8(bytes.data(), qsizetype(bytes.size()))
                         : qtFromCp1252(bytes);
}

constexpr std::size_t kLastLinesKept = 6;

} // namespace

QString InnoSetupCompiler::find() const {
    std::string tried;
    return qtFromPath(convert::findCompiler(std::nullopt, tried));
}

CompileOutcome InnoSetupCompiler::compile(const QString& compiler,
                                          const QString& scriptPath) const {
    const convert::CompileResult result =
        convert::compileScript(pathFromQt(compiler), pathFromQt(scriptPath));
    CompileOutcome outcome;
    outcome.compiled = result.compiled;
    outcome.exitCode = result.exitCode;
    outcome.installerPath = compilerText(result.installerPath);
    outcome.failure = compilerText(result.failure);
    for (const convert::CompilerMessage& message : result.messages)
        outcome.messages.push_back({message.kind == convert::CompilerMessage::Kind::Error,
                                    message.line, compilerText(message.text)});
    const std::size_t first =
        result.lines.size() > kLastLinesKept ? result.lines.size() - kLastLinesKept : 0;
    for (std::size_t i = first; i < result.lines.size(); ++i)
        if (!result.lines[i].empty())
            outcome.lastLines << compilerText(result.lines[i]);
    return outcome;
}

} // namespace tembrix
