#include "tembrix/about/AboutAnimation.h"

#include <charconv>
#include <optional>

namespace tembrix {

namespace {

std::vector<std::string> splitAtComma(std::string_view text, std::size_t maxPieces) {
    std::vector<std::string> pieces;
    while (pieces.size() + 1 < maxPieces) {
        const std::size_t comma = text.find(',');
        if (comma == std::string_view::npos)
            break;
        pieces.emplace_back(text.substr(0, comma));
        text.remove_prefix(comma + 1);
    }
    pieces.emplace_back(text);
    return pieces;
}

/// A positive whole number of milliseconds, blanks around it allowed.
std::optional<int> milliseconds(std::string_view text) {
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ')
        text.remove_suffix(1);
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || value <= 0)
        return std::nullopt;
    return value;
}

} // namespace

AboutAnimation::AboutAnimation(std::string_view intervalText)
    : m_intervals(splitAtComma(intervalText, kFrameCount)) {}

void AboutAnimation::tick() {
    m_frame = (m_frame + 1) % kFrameCount;
    if (static_cast<std::size_t>(m_frame) < m_intervals.size())
        if (const auto ms = milliseconds(m_intervals[static_cast<std::size_t>(m_frame)]))
            m_interval = *ms;
}

void AboutAnimation::mouseDown(Button button) {
    // Both checks run in this order on one press; only one can apply.
    if (button == Button::Left && m_running)
        m_running = false;
    if (button == Button::Right && !m_running)
        tick();
}

void AboutAnimation::mouseUp(Button button) {
    if (button != Button::Left || m_running)
        return;
    if (static_cast<std::size_t>(m_frame) < m_intervals.size())
        if (const auto ms = milliseconds(m_intervals[static_cast<std::size_t>(m_frame)]))
            m_interval = *ms;
    m_running = true;
}

} // namespace tembrix
