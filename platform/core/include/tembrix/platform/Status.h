#pragma once

#include <string>
#include <utility>

namespace tembrix {

/// The outcome of an operation that can fail: success, or a reason that can be
/// shown to the user as it stands (it names the path and the system's error).
class Status {
public:
    static Status success() { return Status(); }
    static Status failure(std::string reason) { return Status(std::move(reason)); }

    bool ok() const { return m_ok; }
    explicit operator bool() const { return m_ok; }
    /// Empty on success.
    const std::string& reason() const { return m_reason; }

private:
    Status() = default;
    explicit Status(std::string reason) : m_ok(false), m_reason(std::move(reason)) {}

    bool m_ok = true;
    std::string m_reason;
};

} // namespace tembrix
