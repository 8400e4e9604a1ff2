#include "tembrix/wizard/InnoSetupCompiler.h"

#include <string>

#include "tembrix/convert/Compiler.h"
#include "tembrix/platformqt/TextBridge.h"

namespace tembrix {

namespace {

// The compile's texts come decoded from the compiler's code page.
QString compilerText(const std::string& utf8) {
    return QString::fromUtf8(utf8.data(), qsizetype(utf8.size()));
}

constexpr std::size_t kLastLinesKept = 6;

} // namespace

QString InnoSetupCompiler::find() const {
    std::string tried;
    return qtFromPath(convert::findCompiler(std::nullopt, tried));
}

int InnoSetupCompiler::majorVersion(const QString& compiler, std::stop_token stop) const {
    return convert::compilerMajorVersion(pathFromQt(compiler), std::move(stop));
}

CompileOutcome InnoSetupCompiler::compile(const QString& compiler, const QString& scriptPath,
                                          std::stop_token stop) const {
    const convert::CompileResult result =
        convert::compileScript(pathFromQt(compiler), pathFromQt(scriptPath),
                               convert::kCompileTimeAllowed, std::move(stop));
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
