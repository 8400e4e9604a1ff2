#pragma once

// What the converter's tests share: the golden files, and the options that
// make a conversion independent of where the program lies.

#include <string>
#include <vector>

#include "TempFolder.h"

inline std::string data(const std::string& name) {
    return TempFolder::read(std::string(TEMBRIX_TEST_DATA_DIR) + "/" + name);
}

// The worked example's output folder, and no file of [Setup] lines.
inline const std::vector<std::string> kFixed = {"--output-dir", "C:\\Build\\OutPut\\",
                                                "--setup-lines", ""};

inline std::vector<std::string> withFixed(std::vector<std::string> args) {
    args.insert(args.end(), kFixed.begin(), kFixed.end());
    return args;
}
