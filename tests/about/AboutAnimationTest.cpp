#include "tembrix/about/AboutAnimation.h"

#include <gtest/gtest.h>

#include <vector>

using tembrix::AboutAnimation;
using Button = AboutAnimation::Button;

TEST(AboutAnimation, OneCycleShowsEveryFrameForItsTimeAndTakes5300ms) {
    AboutAnimation animation;
    EXPECT_EQ(animation.frame(), 0);
    EXPECT_EQ(animation.interval(), 1000);
    EXPECT_TRUE(animation.running());

    const std::vector<int> expected = {1000, 200, 200,  200, 200, 1000, 200, 200,
                                       200,  200, 1000, 200, 200, 200,  100};
    std::vector<int> shown;
    int total = 0;
    for (int step = 0; step < AboutAnimation::kFrameCount; ++step) {
        EXPECT_EQ(animation.frame(), step);
        EXPECT_EQ(animation.imageTop(), -85 * step);
        shown.push_back(animation.interval());
        total += animation.interval();
        animation.tick();
    }
    EXPECT_EQ(shown, expected);
    EXPECT_EQ(total, 5300);
    // after frame 14 the strip starts over
    EXPECT_EQ(animation.frame(), 0);
    EXPECT_EQ(animation.imageTop(), 0);
    EXPECT_EQ(animation.interval(), 1000);
}

TEST(AboutAnimation, LeftPausesRightStepsAndWrapsReleaseResumesWithShownFrame) {
    AboutAnimation animation;
    for (int i = 0; i < 13; ++i)
        animation.tick();

    animation.mouseDown(Button::Right); // running: nothing happens
    EXPECT_EQ(animation.frame(), 13);
    EXPECT_TRUE(animation.running());

    animation.mouseDown(Button::Left);
    EXPECT_FALSE(animation.running());
    EXPECT_EQ(animation.frame(), 13);

    animation.mouseDown(Button::Right);
    EXPECT_EQ(animation.frame(), 14);
    animation.mouseUp(Button::Right); // only the left release resumes
    EXPECT_FALSE(animation.running());
    animation.mouseDown(Button::Right);
    EXPECT_EQ(animation.frame(), 0);
    animation.mouseDown(Button::Other);
    EXPECT_EQ(animation.frame(), 0);
    EXPECT_FALSE(animation.running());

    animation.mouseUp(Button::Left);
    EXPECT_TRUE(animation.running());
    EXPECT_EQ(animation.interval(), 1000);

    // a second left press while paused does not step
    animation.mouseDown(Button::Left);
    animation.mouseDown(Button::Left);
    EXPECT_EQ(animation.frame(), 0);
}

TEST(AboutAnimation, ShortOrBrokenIntervalTextKeepsTheLastGoodInterval) {
    AboutAnimation animation("300, 40 ,x,,0");
    animation.tick();
    EXPECT_EQ(animation.interval(), 40);
    animation.tick(); // "x"
    animation.tick(); // ""
    animation.tick(); // "0" would stop a timer for good
    EXPECT_EQ(animation.interval(), 40);
    for (int i = 0; i < 10; ++i)
        animation.tick(); // frames 5 to 14 have no piece at all
    EXPECT_EQ(animation.frame(), 14);
    EXPECT_EQ(animation.interval(), 40);
    animation.tick();
    EXPECT_EQ(animation.interval(), 300);

    // more than fifteen pieces: the fifteenth keeps the rest and is not a number
    AboutAnimation longer("1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16");
    for (int i = 0; i < 14; ++i)
        longer.tick();
    EXPECT_EQ(longer.interval(), 14);
}
