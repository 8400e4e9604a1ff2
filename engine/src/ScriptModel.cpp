#include "ScriptModel.h"

#include <numeric>

namespace tembrix {

std::string entryKey(std::string_view prefix, std::size_t index) {
    std::string key(prefix);
    if (index != std::string_view::npos)
        key.append(std::to_string(index + 1));
    return key;
}

Diagnostics takeSortedDiagnostics(ScriptModel& model) {
    Diagnostics& diagnostics = model.diagnostics;
    std::vector<std::uint32_t> order(diagnostics.size());
    std::iota(order.begin(), order.end(), 0u);
    std::ranges::stable_sort(order, {},
                             [&model](std::uint32_t at) { return model.diagnosticOrdinals[at]; });
    // The remarks move into their places along the permutation's cycles, so
    // that a list with a remark for each of a million files is not held twice.
    std::vector<bool> placed(order.size());
    for (std::size_t start = 0; start < order.size(); ++start) {
        if (placed[start])
            continue;
        Diagnostic held = std::move(diagnostics[start]);
        std::size_t at = start;
        for (;;) {
            placed[at] = true;
            const std::size_t from = order[at];
            if (from == start) {
                diagnostics[at] = std::move(held);
                break;
            }
            diagnostics[at] = std::move(diagnostics[from]);
            at = from;
        }
    }
    model.diagnosticOrdinals.clear();
    return std::move(diagnostics);
}

} // namespace tembrix
