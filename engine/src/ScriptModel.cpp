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
    std::vector<std::uint32_t> order(model.diagnostics.size());
    std::iota(order.begin(), order.end(), 0u);
    std::ranges::stable_sort(order, {},
                             [&model](std::uint32_t at) { return model.diagnosticOrdinals[at]; });
    Diagnostics sorted;
    sorted.reserve(order.size());
    for (std::uint32_t at : order)
        sorted.push_back(std::move(model.diagnostics[at]));
    model.diagnostics.clear();
    model.diagnosticOrdinals.clear();
    return sorted;
}

} // namespace tembrix
