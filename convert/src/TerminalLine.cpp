#include "tembrix/convert/TerminalLine.h"

#include <algorithm>
#include <cstdio>
#include <utility>

#ifdef _WIN32
#include <io.h>
#include <windows.h>
#else
#include <sys/ioctl.h>
#include <unistd.h>
#endif

namespace tembrix::convert {

namespace {

bool startsCharacter(char c) {
    return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
}

std::size_t columnsOf(std::string_view text) {
    std::size_t columns = 0;
    for (const char c : text)
        columns += startsCharacter(c) ? 1 : 0;
    return columns;
}

// A line longer than the terminal would wrap, and the next update would
// rewrite only its last row: the path loses its start instead, since its end
// names the list. Three dots, which every console's code page has.
std::string fitted(std::string_view text, std::size_t width) {
    const std::size_t room = width > 1 ? width - 1 : 1;
    if (columnsOf(text) <= room)
        return std::string(text);
    const std::size_t colon = text.find(": ");
    std::string head(text.substr(0, colon == std::string_view::npos ? 0 : colon + 2));
    if (columnsOf(head) + 4 > room)
        head.clear();
    std::size_t keep = room > columnsOf(head) + 3 ? room - columnsOf(head) - 3 : 0;
    std::size_t from = text.size();
    while (from > head.size() && keep > 0) {
        --from;
        if (startsCharacter(text[from]))
            --keep;
    }
    return head + "..." + std::string(text.substr(from));
}

} // namespace

TerminalLine::TerminalLine(Sink sink, bool showProgress, std::size_t width)
    : m_sink(std::move(sink)), m_showProgress(showProgress), m_width(width) {}

// Blanks over the line rather than an escape sequence, which not every
// Windows console takes.
void TerminalLine::clear() {
    if (m_drawn > 0)
        m_sink("\r" + std::string(m_drawn, ' ') + "\r");
    m_drawn = 0;
}

void TerminalLine::draw() {
    if (!m_showProgress || m_progress.empty())
        return;
    const std::string line = fitted(m_progress, m_width);
    const std::size_t columns = columnsOf(line);
    m_sink("\r" + line + std::string(m_drawn > columns ? m_drawn - columns : 0, ' '));
    m_drawn = std::max(m_drawn, columns);
}

void TerminalLine::lines(std::string_view lines) {
    clear();
    m_sink(lines);
    draw();
}

void TerminalLine::progress(std::string_view text) {
    m_progress = text;
    if (m_progress.empty())
        clear();
    else
        draw();
}

bool standardErrorIsTerminal() {
#ifdef _WIN32
    return _isatty(_fileno(stderr)) != 0;
#else
    return isatty(STDERR_FILENO) != 0;
#endif
}

std::size_t standardErrorWidth() {
#ifdef _WIN32
    CONSOLE_SCREEN_BUFFER_INFO info;
    if (GetConsoleScreenBufferInfo(GetStdHandle(STD_ERROR_HANDLE), &info))
        return static_cast<std::size_t>(info.srWindow.Right - info.srWindow.Left + 1);
#else
    winsize size{};
    if (ioctl(STDERR_FILENO, TIOCGWINSZ, &size) == 0 && size.ws_col > 0)
        return size.ws_col;
#endif
    return 80;
}

} // namespace tembrix::convert
