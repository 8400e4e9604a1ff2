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
        QFont font;
        QPixmap picture;    ///< null: no picture in this look
        int frameLines = 1; ///< 0 or 1
        bool underline = false;
    };

    explicit ImageButton(QWidget* parent = nullptr);

    /// The three common kinds of button of the windows.
    void applyPushStyle();                       ///< framed, dark text
    void applyLinkStyle(bool underline);         ///< blue/navy/purple text, frame only when hovered or pressed
    void applyPictureStyle(const QPixmap& rest, const QPixmap& over, const QPixmap& down);

    QString caption() const { return text(); }
    void setCaption(const QString& caption) { setText(caption); }

    void setLookStyle(Look look, const LookStyle& style);
    const LookStyle& lookStyle(Look look) const;
    void setPictures(const QPixmap& rest, const QPixmap& over, const QPixmap& down);

    /// Picture and caption offsets from the top-left corner, in pixels;
    /// negative: centred.
    void setImageOffset(int left, int top);
    void setLabelOffset(int left, int top);

    /// The look now drawn.
    Look currentLook() const;
    /// Back to the resting look (neither hovered nor pressed).
    void ResetLook();

    /// The start-up operation: with 1, the picture stands centred above the
    /// caption (the large buttons of the final page); with 0, beside it.
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

private:
    LookStyle m_looks[3];
    QPoint m_imageOffset{-1, -1};
    QPoint m_labelOffset{-1, -1};
    bool m_pictureAbove = false;
    bool m_hovered = false;
    QCursor m_mouseIcon;
};

} // namespace tembrix
