#pragma once

// The program's one file-system service. Paths are in the platform's own
// file-name encoding; file contents are bytes, passed through unchanged.

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "tembrix/platform/Status.h"

namespace tembrix {

/// A text file being written. The bytes go to a temporary file beside the
/// target, which replaces the target only when `commit()` succeeds; a writer
/// destroyed without a successful commit removes its temporary file and leaves
/// any earlier file at the target untouched. Writes are buffered.
class TextFileWriter {
public:
    virtual ~TextFileWriter() = default;

    /// Appends bytes without a line end.
    virtual void write(std::string_view text) = 0;
    /// Appends bytes followed by CR LF.
    virtual void writeLine(std::string_view text) = 0;
    /// Flushes, closes and renames over the target. The first write error, if
    /// any, is reported here, with the path and the system's reason.
    virtual Status commit() = 0;
};

/// One name in a folder.
struct FolderEntry {
    std::string name; ///< the name alone, in the platform's file-name encoding
    bool isFolder = false;
};

class FileSystem {
public:
    virtual ~FileSystem() = default;

    /// True when `path` names an existing regular file (not a folder, not an
    /// empty text, not a path to nothing).
    virtual bool fileExists(const std::string& path) const = 0;

    /// The whole content of the file, read once. Nothing when the file is
    /// missing, is not a regular file or cannot be read.
    virtual std::optional<std::string> readAll(const std::string& path) const = 0;

    /// The same, and when nothing is read, `reason` says why, in the system's
    /// words ("Permission denied"). The default knows only whether the file is
    /// there; the machine's file system tells the system's reason.
    virtual std::optional<std::string> readAllExplained(const std::string& path,
                                                        std::string& reason) const;

    /// Starts writing the file at `path`, replacing any earlier one on commit.
    /// Fails, with the path and the system's reason, when the folder is
    /// missing or not writable, or the path is empty or names a folder.
    virtual Status createTextFile(const std::string& path,
                                  std::unique_ptr<TextFileWriter>& writer) = 0;

    /// The names in the folder at `path`, in no particular order, without "."
    /// and "..". Nothing when it is not a folder or cannot be read.
    virtual std::optional<std::vector<FolderEntry>> listFolder(const std::string& path) const = 0;

    /// Makes the folder at `path`, and the folders above it that are missing.
    /// Succeeds when it is there already; fails, with the path and the
    /// system's reason, when it cannot be made or a file stands there.
    virtual Status createFolder(const std::string& path) = 0;
};

/// The file system of this machine.
std::unique_ptr<FileSystem> createLocalFileSystem();

/// Reads a whole file of this machine in one go; nothing when it is missing,
/// is not a regular file or cannot be read.
std::optional<std::string> readWholeFile(const std::string& path);

} // namespace tembrix
