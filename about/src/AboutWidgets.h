#pragma once

// The few painted pieces of the About window that stand in for the classic
// controls and the symbol font it was drawn with.

#include <QColor>
#include <QPixmap>
#include <QWidget>

namespace tembrix {

/// Paints `widget` as the button face inside the classic two-line bevel: the
/// palette roles of the outer line's top-left and bottom-right, then the inner line's.
void paintBeveledFace(QWidget& widget, QPalette::ColorRole outerTopLeft,
                      QPalette::ColorRole outerBottomRight, QPalette::ColorRole innerTopLeft,
                      QPalette::ColorRole innerBottomRight);

/// The window's inner area: the title strip on top of the button face.
class AboutBackground : public QWidget {
public:
    AboutBackground(const QPixmap& titleStrip, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPixmap m_titleStrip;
};

/// A piece of the close mark, transparent around what it draws: the bold
/// cross in an 11 x 11 box, or one half of the 16 x 16 button frame around
/// it (the top and left edges, or the bottom and right edges) in one colour,
/// the palette's WindowText, where a label keeps its text colour.
class CloseMarkPiece : public QWidget {
public:
    enum class Piece { Cross, TopLeftFrame, BottomRightFrame };
    static constexpr int kCrossSize = 11;
    static constexpr int kFrameSize = 16;
    CloseMarkPiece(Piece piece, QWidget* parent);

    void setColor(const QColor& color);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Piece m_piece;
};

/// A picture box with the classic two-pixel sunken border. Its viewport is
/// the area inside the border; what it shows is clipped to it.
class SunkenBox : public QWidget {
public:
    static constexpr int kBorder = 2;
    explicit SunkenBox(QWidget* parent);
    QWidget* viewport() const { return m_viewport; }

protected:
    void resizeEvent(QResizeEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    QWidget* m_viewport;
};

} // namespace tembrix
