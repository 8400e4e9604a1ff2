#include "tembrix/platformqt/ImageButton.h"

#include <QEnterEvent>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOption>

#include <algorithm>

namespace tembrix {

namespace {

constexpr int kGap = 3;     // between picture and caption
constexpr int kPadding = 3; // between frame and contents

int lookIndex(ImageButton::Look look) {
    return static_cast<int>(look);
}

bool isActivationKey(const QKeyEvent* event) {
    return event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
}

QColor orPalette(const QColor& color, const QPalette& palette, QPalette::ColorRole role) {
    return color.isValid() ? color : palette.color(QPalette::Active, role);
}

void fillLine(QPainter& painter, int x, int y, int width, int height, const QColor& color) {
    if (width > 0 && height > 0)
        painter.fillRect(x, y, width, height, color);
}

} // namespace

QFont ImageButton::defaultFont() {
    QFont font;
    // Families are tried in order; Liberation Sans and Arial share the metrics
    // of the classic dialog face closely enough for the fixed button sizes.
    font.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Microsoft Sans Serif"),
                      QStringLiteral("Liberation Sans"), QStringLiteral("Arial")});
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(11); // 8.25 pt at 96 dpi
    return font;
}

ImageButton::ImageButton(QWidget* parent) : QAbstractButton(parent) {
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
    applyPushStyle();
}

void ImageButton::applyPushStyle() {
    const QColor face = palette().color(QPalette::Active, QPalette::Button);
    const QColor text = palette().color(QPalette::Active, QPalette::ButtonText);
    for (LookStyle& style : m_looks) {
        style.foreColor = text;
        style.backColor = face;
        style.font = defaultFont();
        style.frameLines = 1;
        style.underline = false;
        style.sunken = false;
    }
    m_looks[lookIndex(Look::Down)].sunken = true;
    m_frameWidth = 2;
    update();
}

void ImageButton::applyLinkStyle(bool underline) {
    const QColor face = palette().color(QPalette::Active, QPalette::Button);
    const QColor colors[3] = {QColor(0, 0, 255), QColor(0, 0, 128), QColor(128, 0, 128)};
    for (int i = 0; i < 3; ++i) {
        LookStyle& style = m_looks[i];
        style.foreColor = colors[i];
        style.backColor = i == 0 ? QColor() : face;
        style.font = defaultFont();
        style.picture = QPixmap();
        style.frameLines = i == 0 ? 0 : 1;
        style.underline = underline && i != lookIndex(Look::Down);
        style.sunken = i == lookIndex(Look::Down);
    }
    m_frameWidth = 1;
    setMouseIcon(QCursor(Qt::PointingHandCursor));
    update();
}

void ImageButton::applyPictureStyle(const QPixmap& rest, const QPixmap& over, const QPixmap& down) {
    applyPushStyle();
    setPictures(rest, over, down);
}

const ImageButton::LookStyle& ImageButton::lookStyle(Look look) const {
    return m_looks[lookIndex(look)];
}

void ImageButton::setPictures(const QPixmap& rest, const QPixmap& over, const QPixmap& down) {
    m_looks[lookIndex(Look::Rest)].picture = rest;
    m_looks[lookIndex(Look::Over)].picture = over.isNull() ? rest : over;
    m_looks[lookIndex(Look::Down)].picture = down.isNull() ? rest : down;
    updateGeometry();
    update();
}

void ImageButton::setFrameColors(const FrameColors& colors) {
    m_frameColors = colors;
    update();
}

ImageButton::Look ImageButton::currentLook() const {
    if (!isEnabled())
        return Look::Rest;
    if (isDown())
        return Look::Down;
    return m_hovered ? Look::Over : Look::Rest;
}

void ImageButton::ResetLook() {
    m_hovered = false;
    setDown(false);
    update();
}

void ImageButton::initialise(std::int16_t mode) {
    m_pictureAbove = mode != 0;
    ResetLook();
    updateGeometry();
}

void ImageButton::setMouseIcon(const QCursor& cursor) {
    m_mouseIcon = cursor;
    setCursor(m_mouseIcon);
}

QSize ImageButton::sizeHint() const {
    const LookStyle& style = m_looks[lookIndex(Look::Rest)];
    const QFontMetrics metrics(style.font);
    const QSize textSize = text().isEmpty() ? QSize() : metrics.size(0, text());
    const QSize pictureSize =
        style.picture.isNull() ? QSize() : style.picture.size() / style.picture.devicePixelRatio();
    QSize contents;
    if (m_pictureAbove) {
        contents.setWidth(std::max(textSize.width(), pictureSize.width()));
        contents.setHeight(textSize.height() + pictureSize.height() +
                           (textSize.isEmpty() || pictureSize.isEmpty() ? 0 : kGap));
    } else {
        contents.setWidth(textSize.width() + pictureSize.width() +
                          (textSize.isEmpty() || pictureSize.isEmpty() ? 0 : kGap));
        contents.setHeight(std::max(textSize.height(), pictureSize.height()));
    }
    const int margin = 2 * (m_frameWidth + kPadding);
    return (contents + QSize(margin, margin)).expandedTo(QSize(16, 16));
}

void ImageButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const LookStyle& style = m_looks[lookIndex(currentLook())];
    if (style.backColor.isValid())
        painter.fillRect(rect(), style.backColor);
    if (style.frameLines > 0)
        drawFrame(painter, style);
    drawContents(painter, style);
    if (hasFocus()) {
        // The dotted rectangle of the classic controls, drawn here whatever the
        // style: keyboard users must see where they are.
        QPen dotted(palette().color(QPalette::ButtonText), 1, Qt::DotLine);
        painter.setPen(dotted);
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(rect().adjusted(3, 3, -4, -4));
    }
}

void ImageButton::drawFrame(QPainter& painter, const LookStyle& style) const {
    const QPalette& pal = palette();
    QColor upLeft[2] = {orPalette(m_frameColors.upLeftOne, pal, QPalette::Light),
                        orPalette(m_frameColors.upLeftTwo, pal, QPalette::Midlight)};
    QColor downRight[2] = {orPalette(m_frameColors.downRightOne, pal, QPalette::Shadow),
                           orPalette(m_frameColors.downRightTwo, pal, QPalette::Dark)};
    if (m_frameWidth == 1) {
        // The flat frame of a hovered link: highlight against button shadow.
        downRight[0] = downRight[1];
    }
    if (style.sunken && m_frameWidth == 1) {
        std::swap(upLeft[0], downRight[0]);
    } else if (style.sunken) {
        // A pressed push button: dark shadow outside and button shadow inside,
        // all round, as a pressed button of the classic dialogs looks.
        upLeft[0] = downRight[0];
        upLeft[1] = downRight[1];
    }
    const int w = width();
    const int h = height();
    for (int i = 0; i < m_frameWidth; ++i) {
        // Top and left stop one pixel short so that the bottom-right lines own the corners.
        fillLine(painter, i, i, w - 2 * i - 1, 1, upLeft[i]);
        fillLine(painter, i, i, 1, h - 2 * i - 1, upLeft[i]);
        fillLine(painter, i, h - 1 - i, w - 2 * i, 1, downRight[i]);
        fillLine(painter, w - 1 - i, i, 1, h - 2 * i, downRight[i]);
    }
}

void ImageButton::drawContents(QPainter& painter, const LookStyle& style) const {
    QFont font = style.font;
    font.setUnderline(style.underline);
    const QFontMetrics metrics(font);

    const int inset = style.frameLines > 0 ? m_frameWidth : 0;
    const QRect inner = rect().adjusted(inset, inset, -inset, -inset);
    const QRect textArea = inner.adjusted(kPadding, 0, -kPadding, 0);
    const int textFlags = Qt::AlignHCenter | Qt::TextWordWrap;

    QPixmap picture = style.picture;
    const QSize pictureSize =
        picture.isNull() ? QSize() : picture.size() / picture.devicePixelRatio();
    const QSize textSize =
        text().isEmpty()
            ? QSize()
            : metrics.boundingRect(QRect(0, 0, textArea.width(), 10000), textFlags, text()).size();
    const bool both = !pictureSize.isEmpty() && !textSize.isEmpty();

    // Centred placement of the picture-and-caption block.
    QPoint picturePos;
    QPoint textPos;
    if (m_pictureAbove) {
        const int blockHeight = pictureSize.height() + textSize.height() + (both ? kGap : 0);
        const int top = inner.top() + (inner.height() - blockHeight) / 2;
        picturePos = QPoint(inner.left() + (inner.width() - pictureSize.width()) / 2, top);
        textPos = QPoint(inner.left() + (inner.width() - textSize.width()) / 2,
                         top + pictureSize.height() + (both ? kGap : 0));
    } else {
        const int blockWidth = pictureSize.width() + textSize.width() + (both ? kGap : 0);
        const int left = inner.left() + std::max(0, (inner.width() - blockWidth) / 2);
        picturePos = QPoint(left, inner.top() + (inner.height() - pictureSize.height()) / 2);
        textPos = QPoint(left + pictureSize.width() + (both ? kGap : 0),
                         inner.top() + (inner.height() - textSize.height()) / 2);
    }
    if (style.sunken) {
        picturePos += QPoint(1, 1);
        textPos += QPoint(1, 1);
    }

    if (!picture.isNull()) {
        if (!isEnabled()) {
            QStyleOption option;
            option.initFrom(this);
            picture = this->style()->generatedIconPixmap(QIcon::Disabled, picture, &option);
        }
        painter.drawPixmap(picturePos, picture);
    }
    if (textSize.isEmpty())
        return;

    const QRect textRect(textPos, textSize);
    painter.setFont(font);
    if (isEnabled()) {
        painter.setPen(orPalette(style.foreColor, palette(), QPalette::ButtonText));
        painter.drawText(textRect, textFlags, text());
    } else {
        // The classic engraved caption: highlight one pixel down-right, shadow on top.
        painter.setPen(orPalette(m_frameColors.upLeftOne, palette(), QPalette::Light));
        painter.drawText(textRect.translated(1, 1), textFlags, text());
        painter.setPen(orPalette(m_frameColors.downRightTwo, palette(), QPalette::Dark));
        painter.drawText(textRect, textFlags, text());
    }
}

void ImageButton::enterEvent(QEnterEvent* event) {
    m_hovered = true;
    update();
    QAbstractButton::enterEvent(event);
}

void ImageButton::leaveEvent(QEvent* event) {
    m_hovered = false;
    update();
    QAbstractButton::leaveEvent(event);
}

void ImageButton::mouseMoveEvent(QMouseEvent* event) {
    // After ResetLook the pointer may still be inside: the next move shows the hover again.
    if (!m_hovered && rect().contains(event->position().toPoint())) {
        m_hovered = true;
        update();
    }
    QAbstractButton::mouseMoveEvent(event);
}

void ImageButton::keyPressEvent(QKeyEvent* event) {
    if (isActivationKey(event)) {
        if (!event->isAutoRepeat())
            setDown(true);
        event->accept();
        return;
    }
    QAbstractButton::keyPressEvent(event);
}

void ImageButton::keyReleaseEvent(QKeyEvent* event) {
    if (isActivationKey(event)) {
        event->accept();
        if (!event->isAutoRepeat() && isDown()) {
            setDown(false);
            click();
        }
        return;
    }
    QAbstractButton::keyReleaseEvent(event);
}

void ImageButton::changeEvent(QEvent* event) {
    if (event->type() == QEvent::EnabledChange && !isEnabled())
        setDown(false);
    QAbstractButton::changeEvent(event);
}

void ImageButton::hideEvent(QHideEvent* event) {
    m_hovered = false;
    setDown(false);
    QAbstractButton::hideEvent(event);
}

} // namespace tembrix
