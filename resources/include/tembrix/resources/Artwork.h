#pragma once

// Where the compiled-in pictures of both windows are, and the few facts about
// them that code needs. Every resource path starts with ":/tembrix/".

#include <QCursor>
#include <QPixmap>
#include <QString>

namespace tembrix {

/// The pointing finger's tip in `:/tembrix/cursor/link.png` (32 x 32).
inline constexpr int kLinkCursorHotSpotX = 6;
inline constexpr int kLinkCursorHotSpotY = 1;

/// The About window's animation strip: frames of 160 x 85 stacked top to bottom.
inline constexpr int kAnimationFrameWidth = 160;
inline constexpr int kAnimationFrameHeight = 85;
inline constexpr int kAnimationFrameCount = 15;

/// Makes sure the resources are registered. Needed only where the library is
/// linked in a way that skips its static initialisers; harmless otherwise.
/// Call after the application object exists.
void ensureArtwork();

/// The three looks of a button picture `:/tembrix/button/<name>-{rest,over,down}.png`
/// ("open", "edit", "translate", "restart", "editscript", "openiss"). An
/// unknown name gives three null pixmaps.
struct ButtonPictures {
    QPixmap rest;
    QPixmap over;
    QPixmap down;
};
ButtonPictures buttonPictures(const QString& name);

/// The link pointer with its hot spot. Needs a QGuiApplication; without the
/// picture it is the system's pointing hand.
QCursor linkCursor();

} // namespace tembrix
