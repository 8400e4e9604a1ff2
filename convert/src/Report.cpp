#include "tembrix/convert/Report.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <map>
#include <memory>
#include <set>

#include "tembrix/platform/Cp1252.h"

namespace tembrix::convert {

namespace {

// Texts of the lists are Windows-1252, as the final page reads them.
std::string fromList(std::string_view bytes) {
    return utf8FromCp1252(bytes);
}

// Paths and the compiler's output are UTF-8 when they can be; a compiler that
// writes in the system's code page is read as Windows-1252.
std::string fromSystem(std::string_view text) {
    return isUtf8(text) ? std::string(text) : utf8FromCp1252(text);
}

std::string plural(std::size_t count, std::string_view one, std::string_view many) {
    return std::to_string(count) + " " + std::string(count == 1 ? one : many);
}

std::size_t countOf(const Diagnostics& diagnostics, DiagnosticKind kind) {
    return static_cast<std::size_t>(
        std::ranges::count_if(diagnostics, [kind](const Diagnostic& d) { return d.kind == kind; }));
}

bool wasWritten(const Outcome& outcome) {
    return outcome.exitCode == kWritten || outcome.exitCode == kNotCompiled;
}

std::size_t compileWarnings(const CompileResult& result) {
    return static_cast<std::size_t>(std::ranges::count_if(
        result.messages, [](const auto& m) { return m.kind == CompilerMessage::Kind::Warning; }));
}

std::vector<const CompilerMessage*> compileErrors(const CompileResult& result) {
    std::vector<const CompilerMessage*> errors;
    for (const CompilerMessage& message : result.messages)
        if (message.kind == CompilerMessage::Kind::Error)
            errors.push_back(&message);
    return errors;
}

// What the list's row says of its files; empty when nothing was looked for.
std::string sourcesText(const FileSources& sources) {
    if (sources.installed == 0 && sources.missing == 0 && sources.archives.empty())
        return {};
    std::vector<std::string> parts;
    if (sources.inSourceFolder > 0)
        parts.push_back(std::to_string(sources.inSourceFolder) + " beside the list");
    if (sources.inSupport > 0)
        parts.push_back(
            std::to_string(sources.inSupport) + " from " +
            fromSystem(sources.supportFolder.empty() ? "Support" : sources.supportFolder));
    if (sources.extracted > 0) {
        std::string archives;
        for (const std::string& archive : sources.archives)
            archives += (archives.empty() ? "" : ", ") + fromSystem(archive);
        parts.push_back(std::to_string(sources.extracted) + " extracted" +
                        (archives.empty() ? "" : " from " + archives) +
                        (sources.extractFolder.empty()
                             ? std::string()
                             : " into " + fromSystem(sources.extractFolder)));
    }
    if (sources.missing > 0)
        parts.push_back(std::to_string(sources.missing) + " missing");
    std::string text = plural(sources.installed, "file", "files");
    for (std::size_t i = 0; i < parts.size(); ++i)
        text += (i == 0 ? ": " : ", ") + parts[i];
    return text;
}

bool anySources(const RunReport& run) {
    return std::ranges::any_of(run.lists, [](const ReportedList& list) {
        return !sourcesText(list.outcome.sources).empty();
    });
}

// In the table, a script beside its list is named alone; the list's own
// section names it whole.
std::string scriptShown(const ReportedList& list) {
    const std::string& script = list.outcome.script;
    if (list.folder.empty() || !script.starts_with(list.folder))
        return script;
    return script.substr(list.folder.size());
}

std::string secondsText(double seconds) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.1f", seconds);
    return buffer;
}

// The compile in a few words, for the lists' table.
std::string compileSummary(const Outcome& outcome) {
    if (!outcome.compile)
        return {};
    const CompileResult& result = *outcome.compile;
    const std::string warnings = plural(compileWarnings(result), "warning", "warnings");
    if (result.compiled)
        return "compiled, " + warnings + ", " + secondsText(outcome.compileSeconds) + " s";
    if (result.exitCode < 0)
        return "did not run: " + fromSystem(result.failure);
    return "failed (exit " + std::to_string(result.exitCode) + "), " +
           plural(compileErrors(result).size(), "error", "errors");
}

std::string compileOutcome(const CompileResult& result) {
    return result.compiled       ? "compiled"
           : result.exitCode < 0 ? "did not run: " + fromSystem(result.failure)
                                 : "failed";
}

// The rest of what a list's own section says of its compile.
std::string compileDetails(const Outcome& outcome) {
    const CompileResult& result = *outcome.compile;
    const std::string version = fromSystem(compilerVersion(result.lines));
    std::string text = "compiler version " + (version.empty() ? "unknown" : version) +
                       "; exit code " + std::to_string(result.exitCode) + "; " +
                       plural(compileWarnings(result), "warning", "warnings") + "; " +
                       secondsText(outcome.compileSeconds) + " s";
    if (!result.installerPath.empty())
        text += "; installer " + fromSystem(result.installerPath) +
                (outcome.installerSize ? " (" + std::to_string(*outcome.installerSize) + " bytes)"
                                       : std::string());
    return text;
}

std::string kindName(DiagnosticKind kind) {
    return kind == DiagnosticKind::Warning ? "warning" : "note";
}

// ---- HTML

// "2026-12-09T05:40:12Z" as "2026-12-09 05:40:12 UTC".
std::string readableTime(std::string when) {
    if (when.size() == 20 && when[10] == 'T' && when.back() == 'Z')
        return when.substr(0, 10) + " " + when.substr(11, 8) + " UTC";
    return when;
}

std::string html(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (const char c : text) {
        switch (c) {
        case '&':
            out += "&amp;";
            break;
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        case '"':
            out += "&quot;";
            break;
        case '\'':
            out += "&#39;";
            break;
        default:
            out += c;
        }
    }
    return out;
}

constexpr std::string_view kStyle = R"(
body{font:14px/1.45 system-ui,-apple-system,"Segoe UI",sans-serif;color:#1d2329;margin:24px auto;max-width:1320px;padding:0 16px}
h1{font-size:22px;margin:0 0 4px}h2{font-size:17px;margin:28px 0 8px;border-bottom:1px solid #d5dbe1;padding-bottom:3px}
h3{font-size:15px;margin:22px 0 6px}.meta{color:#56606b;margin:0 0 14px}code{font:12.5px ui-monospace,Consolas,monospace}
.counts{display:flex;flex-wrap:wrap;gap:10px;margin:8px 0;padding:0;list-style:none}
.counts li{border:1px solid #d5dbe1;border-radius:6px;padding:6px 12px;min-width:110px}
.counts b{display:block;font-size:20px}.counts .bad b{color:#b3261e}
table{border-collapse:collapse;width:100%;margin:6px 0}th,td{border:1px solid #d5dbe1;padding:4px 7px;text-align:left;vertical-align:top}
td{overflow-wrap:anywhere}th{background:#eef1f4;font-weight:600;white-space:nowrap}td.n{text-align:right;white-space:nowrap}
table.remarks{table-layout:fixed}.remarks th:nth-child(1){width:7%}.remarks th:nth-child(2){width:19%}
.remarks th:nth-child(3){width:13%}.remarks th:nth-child(4){width:8%}.errors th:nth-child(1){width:50px}
tr.warn td:first-child{border-left:3px solid #c77700}tr.fail td:first-child{border-left:3px solid #b3261e}
.warning{color:#8a5200;font-weight:600}.error{color:#b3261e;font-weight:600}.ok{color:#1b6e2a}
#tools{margin:6px 0}#tools input[type=search]{width:260px}th[data-sort]{cursor:pointer}
@media print{body{margin:0;max-width:none;font-size:11px}#tools{display:none}a{color:inherit;text-decoration:none}
tr,section h3{break-inside:avoid}h2{break-after:avoid}}
)";

// Filters the lists' table by a text and by warnings, and sorts it by a
// column; without it the page reads the same.
constexpr std::string_view kScript = R"(
(function(){var t=document.getElementById('lists'),b=t.tBodies[0],f=document.getElementById('filter'),w=document.getElementById('warned');
document.getElementById('tools').hidden=false;
function show(){var q=f.value.toLowerCase();for(var r of b.rows){r.hidden=(w.checked&&!r.className)||r.textContent.toLowerCase().indexOf(q)<0;}}
f.oninput=show;w.onchange=show;
t.querySelectorAll('th[data-sort]').forEach(function(h,i){h.onclick=function(){var n=h.dataset.sort=='n',d=h.dataset.dir=h.dataset.dir=='1'?'-1':'1';
Array.from(b.rows).sort(function(x,y){var a=x.cells[i].textContent,c=y.cells[i].textContent;return d*(n?(parseFloat(a)||0)-(parseFloat(c)||0):a.localeCompare(c));}).forEach(function(r){b.appendChild(r);});};});})();
)";

std::string htmlReport(const RunReport& run) {
    const ReportCounts counts = countsOf(run);
    std::string out = "<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n<meta charset=\"utf-8\">\n"
                      "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">\n"
                      "<title>Tembrix report, " +
                      html(run.when) + "</title>\n<style>" + std::string(kStyle) +
                      "</style>\n</head>\n<body>\n<h1>Tembrix conversion report</h1>\n"
                      "<p class=\"meta\">" +
                      html(readableTime(run.when)) + " &middot; Tembrix " + html(run.version) +
                      " &middot; options: <code>";
    for (std::size_t i = 0; i < run.options.size(); ++i)
        out += (i ? " " : "") + html(fromSystem(run.options[i]));
    out += "</code>";
    if (run.check)
        out += " &middot; compiler: <code>" + html(fromSystem(run.compiler)) + "</code>";
    out += "</p>\n<ul class=\"counts\">\n";
    const auto count = [&out](std::size_t value, std::string_view label, bool bad = false) {
        out += std::string("<li") + (bad && value > 0 ? " class=\"bad\"" : "") + "><b>" +
               std::to_string(value) + "</b>" + std::string(label) + "</li>\n";
    };
    count(counts.lists, "lists found");
    count(counts.written, "scripts written");
    count(counts.lists - counts.written, "lists not converted", true);
    count(counts.withWarnings, "lists with warnings", true);
    if (run.check) {
        count(counts.compiled, "compiles succeeded");
        count(counts.notCompiled, "compiles failed", true);
    }
    count(counts.missingFiles, "files missing", true);
    out += "</ul>\n";
    for (const std::string& problem : run.problems)
        out += "<p class=\"error\">" + html(fromSystem(problem)) + "</p>\n";

    out += "<h2>Most frequent remarks</h2>\n";
    const auto frequent = frequentRemarks(run);
    if (frequent.empty())
        out += "<p>No remarks.</p>\n";
    else {
        out += "<table style=\"width:auto\">\n<thead><tr><th>Remark</th><th>Lists</th></tr>"
               "</thead>\n<tbody>\n";
        for (const auto& [code, lists] : frequent)
            out += "<tr><td><code>" + html(code) + "</code></td><td class=\"n\">" +
                   std::to_string(lists) + "</td></tr>\n";
        out += "</tbody>\n</table>\n";
    }

    out += "<h2>Lists</h2>\n<p id=\"tools\" hidden><input type=\"search\" id=\"filter\" "
           "placeholder=\"Filter the lists\" aria-label=\"Filter the lists\"> <label><input "
           "type=\"checkbox\" id=\"warned\"> only lists with warnings or failures</label></p>\n"
           "<table id=\"lists\">\n<thead><tr><th data-sort=\"n\">#</th><th data-sort>List</th>"
           "<th data-sort>Title</th><th data-sort>Script or error</th>" +
           std::string(anySources(run) ? "<th data-sort>Files</th>" : "") +
           "<th data-sort=\"n\">Notes</th><th data-sort=\"n\">Warnings</th>";
    if (run.check)
        out += "<th data-sort>Compile</th>";
    out += "</tr></thead>\n<tbody>\n";
    for (std::size_t i = 0; i < run.lists.size(); ++i) {
        const Outcome& outcome = run.lists[i].outcome;
        const std::size_t warnings = countOf(outcome.diagnostics, DiagnosticKind::Warning);
        const bool failed = outcome.exitCode != kWritten;
        const std::string id = "list-" + std::to_string(i + 1);
        out += std::string("<tr") +
               (failed         ? " class=\"fail\""
                : warnings > 0 ? " class=\"warn\""
                               : "") +
               "><td class=\"n\">" + std::to_string(i + 1) + "</td><td><a href=\"#" + id + "\">" +
               html(fromSystem(run.lists[i].shown)) + "</a></td><td>" +
               html(fromList(outcome.title)) + "</td><td>" +
               (wasWritten(outcome)
                    ? html(fromSystem(scriptShown(run.lists[i])))
                    : "<span class=\"error\">" + html(fromSystem(outcome.reason)) + "</span>") +
               "</td>" +
               (anySources(run) ? "<td>" + html(sourcesText(outcome.sources)) + "</td>"
                                : std::string()) +
               "<td class=\"n\">" +
               std::to_string(countOf(outcome.diagnostics, DiagnosticKind::Note)) +
               "</td><td class=\"n\">" + std::to_string(warnings) + "</td>";
        if (run.check)
            out += std::string("<td") +
                   (outcome.compile && !outcome.compile->compiled ? " class=\"error\"" : "") + ">" +
                   html(compileSummary(outcome)) + "</td>";
        out += "</tr>\n";
    }
    out += "</tbody>\n</table>\n";

    out += "<h2>Each list</h2>\n";
    for (std::size_t i = 0; i < run.lists.size(); ++i) {
        const Outcome& outcome = run.lists[i].outcome;
        out += "<section id=\"list-" + std::to_string(i + 1) + "\">\n<h3>" + std::to_string(i + 1) +
               ". " + html(fromSystem(run.lists[i].shown)) +
               (outcome.title.empty() ? "" : " &middot; " + html(fromList(outcome.title))) +
               "</h3>\n";
        out += wasWritten(outcome)
                   ? "<p>Script: <code>" + html(fromSystem(outcome.script)) + "</code></p>\n"
                   : "<p class=\"error\">" + html(fromSystem(outcome.reason)) + "</p>\n";
        if (const std::string sources = sourcesText(outcome.sources); !sources.empty())
            out += "<p>Files: " + html(sources) + "</p>\n";
        if (!outcome.diagnostics.empty()) {
            out += "<table "
                   "class=\"remarks\">\n<thead><tr><th>Kind</th><th>Remark</th><th>Section</"
                   "th><th>Key</th>"
                   "<th>Text</th></tr></thead>\n<tbody>\n";
            for (const Diagnostic& d : outcome.diagnostics)
                out += "<tr><td class=\"" + kindName(d.kind) + "\">" + kindName(d.kind) +
                       "</td><td><code>" + html(diagnosticName(d.code)) + "</code></td><td>" +
                       html(fromList(d.section)) + "</td><td>" + html(fromList(d.key)) +
                       "</td><td>" + html(fromList(diagnosticText(d))) + "</td></tr>\n";
            out += "</tbody>\n</table>\n";
        }
        if (outcome.compile) {
            const CompileResult& result = *outcome.compile;
            out += "<p>Compile: <span class=\"" + std::string(result.compiled ? "ok" : "error") +
                   "\">" + html(compileOutcome(result)) + "</span>; " +
                   html(compileDetails(outcome));
            out += "</p>\n";
            const auto errors = compileErrors(result);
            if (!errors.empty()) {
                out += "<table class=\"errors\">\n<thead><tr><th>Line</th><th>Compiler's "
                       "error</th></tr></thead>"
                       "\n<tbody>\n";
                for (const CompilerMessage* error : errors)
                    out += "<tr><td class=\"n\">" +
                           (error->line > 0 ? std::to_string(error->line) : std::string()) +
                           "</td><td><code>" + html(fromSystem(error->text)) +
                           "</code></td></tr>\n";
                out += "</tbody>\n</table>\n";
            }
        }
        out += "</section>\n";
    }
    out += "<script>" + std::string(kScript) + "</script>\n</body>\n</html>\n";
    return out;
}

// ---- Markdown

// A cell's text: nothing in it can open a link, a tag, an emphasis or a new cell.
std::string markdown(std::string_view text) {
    std::string out;
    for (const char c : text) {
        if (c == '\r' || c == '\n') {
            out += ' ';
            continue;
        }
        if (std::string_view("\\`*_[]<>|#!~&").find(c) != std::string_view::npos)
            out += '\\';
        out += c;
    }
    return out;
}

std::string markdownReport(const RunReport& run) {
    const ReportCounts counts = countsOf(run);
    std::string options;
    for (const std::string& option : run.options)
        options += (options.empty() ? "" : " ") + fromSystem(option);
    std::string out = "# Tembrix conversion report\n\n- When: " + markdown(run.when) +
                      "\n- Tembrix: " + markdown(run.version) +
                      "\n- Options: " + markdown(options) + "\n";
    if (run.check)
        out += "- Compiler: " + markdown(fromSystem(run.compiler)) + "\n";
    out += "\n| Lists found | Scripts written | Lists with warnings |";
    std::string values = "| " + std::to_string(counts.lists) + " | " +
                         std::to_string(counts.written) + " | " +
                         std::to_string(counts.withWarnings) + " |";
    if (run.check) {
        out += " Compiles succeeded | Compiles failed |";
        values += " " + std::to_string(counts.compiled) + " | " +
                  std::to_string(counts.notCompiled) + " |";
    }
    out += " Files missing |\n|" +
           std::string(run.check ? "---|---|---|---|---|---|" : "---|---|---|---|") + "\n" +
           values + " " + std::to_string(counts.missingFiles) + " |\n";
    for (const std::string& problem : run.problems)
        out += "\n**" + markdown(fromSystem(problem)) + "**\n";

    out += "\n## Most frequent remarks\n\n";
    const auto frequent = frequentRemarks(run);
    if (frequent.empty())
        out += "No remarks.\n";
    else {
        out += "| Remark | Lists |\n|---|---:|\n";
        for (const auto& [code, lists] : frequent)
            out += "| " + markdown(code) + " | " + std::to_string(lists) + " |\n";
    }

    out += "\n## Lists\n\n| # | List | Title | Script or error |" +
           std::string(anySources(run) ? " Files |" : "") + " Notes | Warnings |" +
           (run.check ? " Compile |" : "") + "\n|---:|---|---|---|" +
           (anySources(run) ? "---|" : "") + "---:|---:|" + (run.check ? "---|" : "") + "\n";
    for (std::size_t i = 0; i < run.lists.size(); ++i) {
        const Outcome& outcome = run.lists[i].outcome;
        out +=
            "| " + std::to_string(i + 1) + " | " + markdown(fromSystem(run.lists[i].shown)) +
            " | " + markdown(fromList(outcome.title)) + " | " +
            markdown(fromSystem(wasWritten(outcome) ? scriptShown(run.lists[i]) : outcome.reason)) +
            " | " + (anySources(run) ? markdown(sourcesText(outcome.sources)) + " | " : "") +
            std::to_string(countOf(outcome.diagnostics, DiagnosticKind::Note)) + " | " +
            std::to_string(countOf(outcome.diagnostics, DiagnosticKind::Warning)) + " |";
        if (run.check)
            out += " " + markdown(compileSummary(outcome)) + " |";
        out += "\n";
    }

    for (std::size_t i = 0; i < run.lists.size(); ++i) {
        const Outcome& outcome = run.lists[i].outcome;
        out += "\n### " + std::to_string(i + 1) + ". " + markdown(fromSystem(run.lists[i].shown)) +
               "\n\n";
        if (!outcome.diagnostics.empty()) {
            out += "| Kind | Remark | Section | Key | Text |\n|---|---|---|---|---|\n";
            for (const Diagnostic& d : outcome.diagnostics)
                out += "| " + kindName(d.kind) + " | " + markdown(diagnosticName(d.code)) + " | " +
                       markdown(fromList(d.section)) + " | " + markdown(fromList(d.key)) + " | " +
                       markdown(fromList(diagnosticText(d))) + " |\n";
        } else {
            out += "No remarks.\n";
        }
        if (outcome.compile) {
            const CompileResult& result = *outcome.compile;
            out +=
                "\nCompile: " + markdown(compileOutcome(result) + "; " + compileDetails(outcome));
            out += "\n";
            const auto errors = compileErrors(result);
            if (!errors.empty()) {
                out += "\n| Line | Compiler's error |\n|---:|---|\n";
                for (const CompilerMessage* error : errors)
                    out += "| " + (error->line > 0 ? std::to_string(error->line) : std::string()) +
                           " | " + markdown(fromSystem(error->text)) + " |\n";
            }
        }
    }
    return out;
}

// ---- JSON

std::string json(std::string_view text) {
    std::string out = "\"";
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (byte < 0x20) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04x", byte);
            out += escaped;
        } else {
            out += c;
        }
    }
    return out + "\"";
}

std::string jsonNumber(double value) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.3f", value);
    return buffer;
}

std::string jsonReport(const RunReport& run) {
    const ReportCounts counts = countsOf(run);
    std::string out = "{\n  \"generated\": " + json(run.when) +
                      ",\n  \"tembrixVersion\": " + json(run.version) + ",\n  \"options\": [";
    for (std::size_t i = 0; i < run.options.size(); ++i)
        out += (i ? ", " : "") + json(fromSystem(run.options[i]));
    out += "],\n  \"check\": " + std::string(run.check ? "true" : "false") +
           ",\n  \"compiler\": " + (run.check ? json(fromSystem(run.compiler)) : "null") +
           ",\n  \"summary\": {\"lists\": " + std::to_string(counts.lists) +
           ", \"written\": " + std::to_string(counts.written) +
           ", \"withWarnings\": " + std::to_string(counts.withWarnings) +
           ", \"compiled\": " + std::to_string(counts.compiled) +
           ", \"notCompiled\": " + std::to_string(counts.notCompiled) +
           ", \"missingFiles\": " + std::to_string(counts.missingFiles) + "},\n  \"problems\": [";
    for (std::size_t i = 0; i < run.problems.size(); ++i)
        out += (i ? ", " : "") + json(fromSystem(run.problems[i]));
    out += "],\n  \"frequentRemarks\": [";
    const auto frequent = frequentRemarks(run);
    for (std::size_t i = 0; i < frequent.size(); ++i)
        out += std::string(i ? "," : "") + "\n    {\"code\": " + json(frequent[i].first) +
               ", \"lists\": " + std::to_string(frequent[i].second) + "}";
    out += std::string(frequent.empty() ? "" : "\n  ") + "],\n  \"lists\": [";
    for (std::size_t i = 0; i < run.lists.size(); ++i) {
        const Outcome& outcome = run.lists[i].outcome;
        const FileSources& sources = outcome.sources;
        out +=
            std::string(i ? "," : "") +
            "\n    {\n      \"path\": " + json(fromSystem(run.lists[i].shown)) +
            ",\n      \"title\": " + json(fromList(outcome.title)) +
            ",\n      \"exitCode\": " + std::to_string(outcome.exitCode) + ",\n      \"script\": " +
            (wasWritten(outcome) ? json(fromSystem(outcome.script)) : "null") +
            ",\n      \"error\": " +
            (outcome.exitCode == kWritten ? "null" : json(fromSystem(outcome.reason))) +
            ",\n      \"sources\": {\"installed\": " + std::to_string(sources.installed) +
            ", \"inSourceFolder\": " + std::to_string(sources.inSourceFolder) +
            ", \"inSupport\": " + std::to_string(sources.inSupport) +
            ", \"extracted\": " + std::to_string(sources.extracted) +
            ", \"missing\": " + std::to_string(sources.missing) +
            ", \"supportFolder\": " + json(fromSystem(sources.supportFolder)) + ", \"archives\": [";
        for (std::size_t a = 0; a < sources.archives.size(); ++a)
            out += (a ? ", " : "") + json(fromSystem(sources.archives[a]));
        out += "], \"extractFolder\": " + json(fromSystem(sources.extractFolder)) +
               "},\n      \"notes\": " +
               std::to_string(countOf(outcome.diagnostics, DiagnosticKind::Note)) +
               ",\n      \"warnings\": " +
               std::to_string(countOf(outcome.diagnostics, DiagnosticKind::Warning)) +
               ",\n      \"remarks\": [";
        for (std::size_t r = 0; r < outcome.diagnostics.size(); ++r) {
            const Diagnostic& d = outcome.diagnostics[r];
            out += std::string(r ? "," : "") +
                   "\n        {\"code\": " + json(diagnosticName(d.code)) +
                   ", \"kind\": " + json(kindName(d.kind)) +
                   ", \"section\": " + json(fromList(d.section)) +
                   ", \"key\": " + json(fromList(d.key)) +
                   ", \"text\": " + json(fromList(diagnosticText(d))) + "}";
        }
        out +=
            std::string(outcome.diagnostics.empty() ? "" : "\n      ") + "],\n      \"compile\": ";
        if (!outcome.compile) {
            out += "null\n    }";
            continue;
        }
        const CompileResult& result = *outcome.compile;
        out += "{\n        \"compiler\": " + json(fromSystem(run.compiler)) +
               ",\n        \"version\": " + json(fromSystem(compilerVersion(result.lines))) +
               ",\n        \"compiled\": " + (result.compiled ? "true" : "false") +
               ",\n        \"exitCode\": " + std::to_string(result.exitCode) +
               ",\n        \"failure\": " +
               (result.failure.empty() ? "null" : json(fromSystem(result.failure))) +
               ",\n        \"errors\": [";
        const auto errors = compileErrors(result);
        for (std::size_t e = 0; e < errors.size(); ++e)
            out += std::string(e ? ", " : "") + "{\"line\": " + std::to_string(errors[e]->line) +
                   ", \"text\": " + json(fromSystem(errors[e]->text)) + "}";
        out += "],\n        \"warnings\": " + std::to_string(compileWarnings(result)) +
               ",\n        \"installer\": " +
               (result.installerPath.empty() ? "null" : json(fromSystem(result.installerPath))) +
               ",\n        \"installerSize\": " +
               (outcome.installerSize ? std::to_string(*outcome.installerSize) : "null") +
               ",\n        \"seconds\": " + jsonNumber(outcome.compileSeconds) + "\n      }\n    }";
    }
    out += std::string(run.lists.empty() ? "" : "\n  ") + "]\n}\n";
    return out;
}

} // namespace

ReportCounts countsOf(const RunReport& run) {
    ReportCounts counts;
    counts.lists = run.lists.size();
    for (const ReportedList& list : run.lists) {
        const Outcome& outcome = list.outcome;
        counts.written += wasWritten(outcome) ? 1 : 0;
        counts.withWarnings += countOf(outcome.diagnostics, DiagnosticKind::Warning) > 0 ? 1 : 0;
        if (outcome.compile)
            ++(outcome.compile->compiled ? counts.compiled : counts.notCompiled);
        counts.missingFiles += outcome.sources.missing;
    }
    return counts;
}

std::vector<std::pair<std::string_view, std::size_t>> frequentRemarks(const RunReport& run) {
    std::map<std::string_view, std::size_t> listsOf;
    for (const ReportedList& list : run.lists) {
        std::set<std::string_view> codes;
        for (const Diagnostic& diagnostic : list.outcome.diagnostics)
            codes.insert(diagnosticName(diagnostic.code));
        for (const std::string_view code : codes)
            ++listsOf[code];
    }
    std::vector<std::pair<std::string_view, std::size_t>> frequent(listsOf.begin(), listsOf.end());
    std::ranges::stable_sort(frequent,
                             [](const auto& a, const auto& b) { return a.second > b.second; });
    return frequent;
}

std::optional<ReportForm> reportFormOf(std::string_view path) {
    if (path == kStandardOutput)
        return ReportForm::Json;
    if (endsWithIgnoringCase(path, ".html") || endsWithIgnoringCase(path, ".htm"))
        return ReportForm::Html;
    if (endsWithIgnoringCase(path, ".md"))
        return ReportForm::Markdown;
    if (endsWithIgnoringCase(path, ".json"))
        return ReportForm::Json;
    return std::nullopt;
}

std::string renderReport(const RunReport& run, ReportForm form) {
    switch (form) {
    case ReportForm::Html:
        return htmlReport(run);
    case ReportForm::Markdown:
        return markdownReport(run);
    case ReportForm::Json:
        break;
    }
    return jsonReport(run);
}

Status writeReport(const RunReport& run, const std::string& path, FileSystem& fileSystem) {
    const auto form = reportFormOf(path);
    if (!form)
        return Status::failure(path + ": not a report's name (.html, .md, .json or -)");
    std::unique_ptr<TextFileWriter> writer;
    if (Status opened = fileSystem.createTextFile(path, writer); !opened)
        return opened;
    writer->write(renderReport(run, *form));
    return writer->commit();
}

std::string utcNow() {
    using namespace std::chrono;
    const auto now = floor<seconds>(system_clock::now());
    const auto day = floor<days>(now);
    const year_month_day date(day);
    const hh_mm_ss time(now - day);
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%04d-%02u-%02uT%02d:%02d:%02dZ", int(date.year()),
                  unsigned(date.month()), unsigned(date.day()), int(time.hours().count()),
                  int(time.minutes().count()), int(time.seconds().count()));
    return buffer;
}

} // namespace tembrix::convert
