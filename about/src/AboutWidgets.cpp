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

CloseMark::CloseMark(QWidget* parent) : QWidget(parent) {
    setFixedSize(kSize, kSize);
    setAttribute(Qt::WA_TranslucentBackground);
}

void CloseMark::paintEvent(QPaintEvent*) {
    // A cross two pixels thick, seven rows high, centred in the frame that
    // LBLtop and LBLdown draw around the box.
    QPainter p(this);
    for (int i = 0; i < 7; ++i) {
        p.fillRect(1 + i, 1 + i, 2, 1, Qt::black);
        p.fillRect(7 - i, 1 + i, 2, 1, Qt::black);
    }
}

FrameHalf::FrameHalf(Half half, QWidget* parent) : QWidget(parent), m_half(half) {
    setFixedSize(kSize, kSize);
    setAttribute(Qt::WA_TranslucentBackground);
}

void FrameHalf::setColor(const QColor& color) {
    QPalette pal = palette();
    pal.setColor(QPalette::WindowText, color);
    setPalette(pal);
}

void FrameHalf::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const QColor color = palette().color(QPalette::WindowText);
    if (m_half == Half::TopLeft) {
        p.fillRect(0, 0, kSize - 1, 1, color);
        p.fillRect(0, 0, 1, kSize - 1, color);
    } else {
        p.fillRect(0, kSize - 1, kSize, 1, color);
        p.fillRect(kSize - 1, 0, 1, kSize, color);
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
