#pragma once

// The steps between reading the setup list and writing the script. Each one
// is a plain function over the model: it applies one rule of the conversion,
// or one mend that makes the script compile or install as the list means,
// and reports what it changed or found. They run in the order of `kMends`.

#include <string_view>

#include "ScriptModel.h"

namespace tembrix {

/// One step: what it is called, and the function that applies it.
struct Mend {
    std::string_view name;
    void (*apply)(ScriptModel&);
};

/// Runs every step over the model.
void applyMends(ScriptModel& model);

} // namespace tembrix
