#pragma once

// The mends between reading the setup list and writing the script. Each one
// is a plain function over the model: it applies one rule of the conversion,
// or mends what would keep the script from compiling or installing as the
// list means, and reports what it changed or found as remarks. They run in
// the order of `kMends`, whose rows say what each one reads and sets.

#include <string_view>

#include "ScriptModel.h"

namespace tembrix {

/// One mend: what it is called, and the function that applies it.
struct Mend {
    std::string_view name;
    void (*apply)(ScriptModel&);
};

/// Runs every mend over the model.
void applyMends(ScriptModel& model);

/// Runs the mends in their order up to and with the one called `name`, so that
/// a test sees what that one makes of what the earlier ones left; false, and
/// every mend run, when none is called so.
bool applyMendsUpTo(ScriptModel& model, std::string_view name);

} // namespace tembrix
