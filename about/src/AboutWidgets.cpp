#include "AboutWidgets.h"

#include <QPainter>

namespace tembrix {

AboutBackground::AboutBackground(const QPixmap& titleStrip, QWidget* parent)
    : QWidget(parent), m_titleStrip(titleStrip) {
    setAutoFillBackground(false);
}

void AboutBackground::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), palette().color(QPalette::Button));
    p.drawPixmap(0, 0, m_titleStrip);
}

CloseMarkPiece::CloseMarkPiece(Piece piece, QWidget* parent) : QWidget(parent), m_piece(piece) {
    const int size = piece == Piece::Cross ? kCrossSize : kFrameSize;
    setFixedSize(size, size);
    setAttribute(Qt::WA_TranslucentBackground);
}

void CloseMarkPiece::setColor(const QColor& color) {
    QPalette pal = palette();
    pal.setColor(QPalette::WindowText, color);
    setPalette(pal);
}

void CloseMarkPiece::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const QColor color = palette().color(QPalette::WindowText);
    const int last = kFrameSize - 1;
    switch (m_piece) {
    case Piece::Cross:
        // Two pixels thick, seven rows high, centred in the frame that the
        // two frame pieces draw around the box.
        for (int i = 0; i < 7; ++i) {
            p.fillRect(1 + i, 1 + i, 2, 1, Qt::black);
            p.fillRect(7 - i, 1 + i, 2, 1, Qt::black);
        }
        break;
    case Piece::TopLeftFrame:
        p.fillRect(0, 0, last, 1, color);
        p.fillRect(0, 0, 1, last, color);
        break;
    case Piece::BottomRightFrame:
        p.fillRect(0, last, kFrameSize, 1, color);
        p.fillRect(last, 0, 1, kFrameSize, color);
        break;
    }
}

SunkenBox::SunkenBox(QWidget* parent) : QWidget(parent), m_viewport(new QWidget(this)) {
    m_viewport->move(kBorder, kBorder);
}

void SunkenBox::resizeEvent(QResizeEvent*) {
    m_viewport->resize(width() - 2 * kBorder, height() - 2 * kBorder);
}

void SunkenBox::paintEvent(QPaintEvent*) {
    paintBeveledFace(*this, QPalette::Dark, QPalette::Light, QPalette::Shadow, QPalette::Midlight);
}

void paintBeveledFace(QWidget& widget, QPalette::ColorRole outerTopLeftRole,
                      QPalette::ColorRole outerBottomRightRole,
                      QPalette::ColorRole innerTopLeftRole,
                      QPalette::ColorRole innerBottomRightRole) {
    QPainter p(&widget);
    const QPalette& pal = widget.palette();
    p.fillRect(widget.rect(), pal.color(QPalette::Button));
    const QColor outerTopLeft = pal.color(outerTopLeftRole);
    const QColor outerBottomRight = pal.color(outerBottomRightRole);
    const QColor innerTopLeft = pal.color(innerTopLeftRole);
    const QColor innerBottomRight = pal.color(innerBottomRightRole);
    const int r = widget.width() - 1, b = widget.height() - 1;
    p.fillRect(0, 0, r, 1, outerTopLeft);
    p.fillRect(0, 0, 1, b, outerTopLeft);
    p.fillRect(0, b, r + 1, 1, outerBottomRight);
    p.fillRect(r, 0, 1, b + 1, outerBottomRight);
    p.fillRect(1, 1, r - 2, 1, innerTopLeft);
    p.fillRect(1, 1, 1, b - 2, innerTopLeft);
    p.fillRect(1, b - 1, r - 1, 1, innerBottomRight);
    p.fillRect(r - 1, 1, 1, b - 1, innerBottomRight);
}

} // namespace tembrix
