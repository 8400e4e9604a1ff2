#pragma once

// The push button of both windows: a caption and an optional picture, drawn
// in three looks (at rest, under the pointer, pressed). No focus rectangle;
// Space, Enter and Return press it when it has the focus.

#include <QAbstractButton>
#include <QColor>
#include <QCursor>
#include <QFont>
#include <QPixmap>

#include <cstdint>

namespace tembrix {

class ImageButton : public QAbstractButton {
    Q_OBJECT
public:
    enum class Look { Rest, Over, Down };

    /// What one look draws.
    struct LookStyle {
        QColor foreColor;
        QColor backColor;   ///< invalid: transparent
        QFont font;         ///< drawn in this look; the widget's own font is not used
        QPixmap picture;    ///< null: no picture in this look
        int frameLines = 1; ///< 0 or 1
        bool underline = false;
        bool sunken = false; ///< pressed frame (shadows all round, or swapped when flat), contents
                             ///< one pixel down-right
    };

    /// The four frame colours: first and second line top-left, first and second
    /// line bottom-right. Invalid colours follow the palette's 3D highlight,
    /// 3D light, dark shadow and button shadow.
    struct FrameColors {
        QColor upLeftOne;
        QColor upLeftTwo;
        QColor downRightOne;
        QColor downRightTwo;
    };

    /// "MS Sans Serif" 8.25 pt (11 px), or a metric-compatible sans face where it is missing.
    static QFont defaultFont();

    explicit ImageButton(QWidget* parent = nullptr);

    /// The three common kinds of button of the windows.
    void applyPushStyle(); ///< framed, dark text
    void
    applyLinkStyle(bool underline); ///< blue/navy/purple text, frame only when hovered or pressed
    void applyPictureStyle(const QPixmap& rest, const QPixmap& over, const QPixmap& down);

    QString caption() const { return text(); }
    void setCaption(const QString& caption) { setText(caption); }

    const LookStyle& lookStyle(Look look) const;
    /// A null over or down picture repeats the resting one.
    void setPictures(const QPixmap& rest, const QPixmap& over, const QPixmap& down);

    void setFrameColors(const FrameColors& colors);

    /// The look now drawn.
    Look currentLook() const;
    /// Back to the resting look (neither hovered nor pressed).
    void ResetLook();

    /// The start-up operation: with 1 (any value but 0), the picture stands
    /// centred above the caption (the large buttons of the final page); with 0,
    /// left of it. Also returns the button to its resting look.
    void initialise(std::int16_t mode);

    /// The pointer shown while the mouse is over the button; the object is
    /// shared with every button it is handed to.
    QCursor mouseIcon() const { return m_mouseIcon; }
    void setMouseIcon(const QCursor& cursor);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void changeEvent(QEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void drawFrame(QPainter& painter, const LookStyle& style) const;
    void drawContents(QPainter& painter, const LookStyle& style) const;

    LookStyle m_looks[3];
    FrameColors m_frameColors;
    int m_frameWidth = 2;
    bool m_pictureAbove = false;
    bool m_hovered = false;
    QCursor m_mouseIcon;
};

} // namespace tembrix
