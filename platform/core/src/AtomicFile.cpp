#include "AtomicFile.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <random>
#include <system_error>

#include "tembrix/platform/NativePath.h"

#ifdef _WIN32
#include <io.h>
#else
#include <unistd.h>
#endif

namespace tembrix {

namespace fs = std::filesystem;

namespace {

constexpr std::size_t kBufferSize = 1 << 20;

// A short hidden name in the target's folder: appending to the target's own
// name could make a valid long name too long.
std::string temporaryName() {
    static thread_local std::mt19937_64 generator{std::random_device{}()};
    static constexpr char kDigits[] = "0123456789abcdefghijklmnopqrstuvwxyz";
    std::string name = ".tembrix-";
    for (int i = 0; i < 8; ++i)
        name.push_back(kDigits[generator() % 36]);
    return name + ".tmp";
}

// A rename replaces a read-only file as readily as any other, so the target's
// own write permission is asked first: a file the user may not change stays.
bool mayReplace(const fs::path& target) {
    std::error_code ec;
    if (!fs::exists(target, ec))
        return true;
#ifdef _WIN32
    return (fs::status(target, ec).permissions() & fs::perms::owner_write) != fs::perms::none;
#else
    return ::access(target.c_str(), W_OK) == 0;
#endif
}

} // namespace

std::string describeFileError(const std::string& path, int errorNumber) {
    return path + ": " + std::generic_category().message(errorNumber);
}

AtomicFile::~AtomicFile() {
    discard();
}

Status AtomicFile::open(const std::string& targetPath) {
    discard();
    if (targetPath.empty())
        return Status::failure("the file name is empty");
    std::error_code ec;
    fs::path target = nativePath(targetPath);
    // Writing through a link replaces the file it points to, not the link.
    if (fs::is_symlink(target, ec)) {
        const fs::path resolved = fs::weakly_canonical(target, ec);
        if (!ec)
            target = resolved;
    }
    if (fs::is_directory(target, ec))
        return Status::failure(describeFileError(targetPath, EISDIR));
    const fs::path folder = target.parent_path();
    if (!folder.empty() && !fs::is_directory(folder, ec))
        return Status::failure(describeFileError(targetPath, ENOENT));
    if (!mayReplace(target))
        return Status::failure(describeFileError(targetPath, EACCES));
    // A device or a pipe (/dev/null, a FIFO) is written into: renaming over
    // it would replace the device itself with a file.
    if (fs::exists(target, ec) && !fs::is_regular_file(target, ec)) {
        errno = 0;
        m_file = openFile(target, "wb");
        if (!m_file)
            return Status::failure(describeFileError(targetPath, errno ? errno : EACCES));
        m_targetPath = target;
        m_displayPath = targetPath;
        m_error = 0;
        return Status::success();
    }

    // "x" makes the creation exclusive, so two writers never share a temporary file.
    for (int attempt = 0; attempt < 16 && !m_file; ++attempt) {
        m_tempPath = folder / temporaryName();
        errno = 0;
        m_file = openFile(m_tempPath, "wbx");
        if (!m_file && errno != EEXIST)
            break;
    }
    if (!m_file) {
        const int error = errno ? errno : EACCES;
        m_tempPath.clear();
        return Status::failure(describeFileError(targetPath, error));
    }
    m_targetPath = target;
    m_displayPath = targetPath;
    m_error = 0;
    m_buffer.reserve(kBufferSize);
    return Status::success();
}

void AtomicFile::write(std::string_view bytes) {
    if (!m_file || m_error)
        return;
    if (m_buffer.size() + bytes.size() > kBufferSize) {
        flushBuffer();
        if (bytes.size() > kBufferSize) {
            if (std::fwrite(bytes.data(), 1, bytes.size(), m_file) != bytes.size())
                m_error = errno ? errno : EIO;
            return;
        }
    }
    m_buffer.append(bytes);
}

void AtomicFile::flushBuffer() {
    if (!m_file || m_error || m_buffer.empty())
        return;
    if (std::fwrite(m_buffer.data(), 1, m_buffer.size(), m_file) != m_buffer.size())
        m_error = errno ? errno : EIO;
    m_buffer.clear();
}

Status AtomicFile::commit() {
    if (!m_file)
        return Status::failure(m_targetPath.empty() ? "no file is open"
                                                    : describeFileError(m_displayPath, EBADF));
    flushBuffer();
    if (std::fflush(m_file) != 0 && !m_error)
        m_error = errno ? errno : EIO;
    if (std::fclose(m_file) != 0 && !m_error)
        m_error = errno ? errno : EIO;
    m_file = nullptr;
    const fs::path target = m_targetPath;
    if (m_error) {
        const int error = m_error;
        discard();
        return Status::failure(describeFileError(m_displayPath, error));
    }

    if (m_tempPath.empty()) { // written in place
        m_targetPath.clear();
        return Status::success();
    }
    std::error_code ec;
    // Keep the permissions of the file being replaced.
    const auto oldStatus = fs::status(target, ec);
    if (!ec && fs::is_regular_file(oldStatus))
        fs::permissions(m_tempPath, oldStatus.permissions(), ec);
    ec.clear();
    fs::rename(m_tempPath, target, ec);
    if (ec) {
        discard();
        return Status::failure(m_displayPath + ": " + ec.message());
    }
    m_tempPath.clear();
    m_targetPath.clear();
    return Status::success();
}

void AtomicFile::discard() {
    if (m_file) {
        std::fclose(m_file);
        m_file = nullptr;
    }
    if (!m_tempPath.empty()) {
        std::error_code ec;
        fs::remove(m_tempPath, ec);
        m_tempPath.clear();
    }
    m_buffer.clear();
}

} // namespace tembrix
