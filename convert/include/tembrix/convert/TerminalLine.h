#pragma once

// Standard error as the converter writes it: its lines, and on a terminal one
// progress line below them that each update rewrites in place. Nothing of the
// progress line ever reaches a pipe or a file, where it would be noise.

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

namespace tembrix::convert {

class TerminalLine {
public:
    using Sink = std::function<void(std::string_view bytes)>;

    /// Writes through `sink`; the progress line is shown only when
    /// `showProgress`, cut to fit `width` columns.
    TerminalLine(Sink sink, bool showProgress, std::size_t width = 80);

    /// Whole lines: the progress line is cleared first, so that they stay
    /// readable, and drawn again below them.
    void lines(std::string_view lines);
    /// Replaces the progress line; the empty text takes it away.
    void progress(std::string_view text);

private:
    void clear();
    void draw();

    Sink m_sink;
    bool m_showProgress;
    std::size_t m_width;
    std::string m_progress;
    std::size_t m_drawn = 0; ///< the columns the progress line covers
};

/// Whether standard error is a terminal (a console on Windows).
bool standardErrorIsTerminal();

/// The columns of the terminal on standard error; 80 when it does not say.
std::size_t standardErrorWidth();

} // namespace tembrix::convert
