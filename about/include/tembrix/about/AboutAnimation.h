#pragma once

// The About window's animation without the window: which of the fifteen
// frames is shown, how long it stays, and what the mouse on the picture does.
// The window feeds it the timer's ticks and the mouse buttons and copies the
// result into its timer and picture, so a test can run it without real time.

#include <string>
#include <string_view>
#include <vector>

namespace tembrix {

class AboutAnimation {
public:
    enum class Button { Left, Right, Other };

    static constexpr int kFrameCount = 15;
    static constexpr int kFrameHeight = 85; ///< pixels
    static constexpr int kStartInterval = 1000;
    /// Display time of each frame in milliseconds, frame 0 first.
    static constexpr std::string_view kIntervalText =
        "1000,200,200,200,200,1000,200,200,200,200,1000,200,200,200,100";

    /// `intervalText` is split at "," into at most kFrameCount pieces (the
    /// last keeps the rest). A missing or non-numeric piece leaves the
    /// interval unchanged when its frame comes.
    explicit AboutAnimation(std::string_view intervalText = kIntervalText);

    /// 0 to kFrameCount - 1.
    int frame() const { return m_frame; }
    /// The strip's top inside the viewport, in pixels: -kFrameHeight * frame.
    int imageTop() const { return -kFrameHeight * m_frame; }
    /// What the timer's interval should be, in milliseconds.
    int interval() const { return m_interval; }
    /// Whether the timer should run.
    bool running() const { return m_running; }

    /// One frame forward (after the last comes frame 0), taking the new
    /// frame's display time.
    void tick();
    /// A mouse button going down or up on the picture: the left button
    /// pauses; the right button, while paused, steps one frame; the left
    /// button's release resumes with the display time of the frame shown.
    void mouseDown(Button button);
    void mouseUp(Button button);

private:
    std::vector<std::string> m_intervals;
    int m_frame = 0;
    int m_interval = kStartInterval;
    bool m_running = true;
};

} // namespace tembrix
