#pragma once

#include <cstdio>
#include <filesystem>
#include <string>
#include <string_view>

#include "tembrix/platform/Status.h"

namespace tembrix {

/// Writes a file through a temporary file in the same folder, renamed over the
/// target on commit. Until then an earlier file at the target is untouched;
/// without a commit the temporary file is removed again. A target that is a
/// device or a pipe is written into directly.
class AtomicFile {
public:
    AtomicFile() = default;
    AtomicFile(const AtomicFile&) = delete;
    AtomicFile& operator=(const AtomicFile&) = delete;
    ~AtomicFile();

    /// Fails when the path is empty, names a folder, names a file that may not
    /// be changed, or its folder is missing or not writable. A link is followed:
    /// the file it points to is replaced.
    Status open(const std::string& targetPath);
    void write(std::string_view bytes);
    /// Reports the first error met since open, or the failure to rename.
    Status commit();

private:
    void flushBuffer();
    void discard();

    std::filesystem::path m_targetPath; // the file replaced, links resolved
    std::string m_displayPath;          // the path as the caller gave it, for messages
    std::filesystem::path m_tempPath;
    std::FILE* m_file = nullptr;
    std::string m_buffer;
    int m_error = 0;
};

/// "<path>: <the system's text for the error>".
std::string describeFileError(const std::string& path, int errorNumber);

} // namespace tembrix
