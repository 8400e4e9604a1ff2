// Draws every picture of the two windows and writes them as PNG files (and the
// Windows icon) under the folder given on the command line:
//
//   tembrix-draw-artwork resources/images
//
// The pictures are drawn pixel by pixel with antialiasing off, in a classic
// palette: crisp one-pixel outlines, a few flat shades instead of blur.

#include <QColor>
#include <QDir>
#include <QFile>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPolygon>
#include <QtEndian>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

// The classic sixteen colours, plus the few soft tones the shading needs.
const QColor kBlack(0, 0, 0);
const QColor kWhite(255, 255, 255);
const QColor kGray(128, 128, 128);
const QColor kSilver(192, 192, 192);
const QColor kLightSilver(224, 224, 224);
const QColor kNavy(0, 0, 128);
const QColor kBlue(0, 0, 255);
const QColor kMidBlue(64, 96, 208);
const QColor kPaleBlue(160, 184, 240);
const QColor kTeal(0, 128, 128);
const QColor kGreen(0, 128, 0);
const QColor kLime(0, 192, 0);
const QColor kPaleGreen(128, 224, 128);
const QColor kMaroon(128, 0, 0);
const QColor kRed(224, 0, 0);
const QColor kOlive(128, 128, 0);
const QColor kYellow(255, 255, 0);
const QColor kPaleYellow(255, 255, 160);
const QColor kCardboard(208, 160, 96);
const QColor kCardboardDark(160, 112, 56);
const QColor kCardboardLight(232, 196, 136);
const QColor kCardboardEdge(96, 64, 32);

constexpr double kPi = 3.14159265358979323846;

QImage blank(int width, int height) {
    QImage image(width, height, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    return image;
}

/// A painter for crisp pixel work: no antialiasing, square pens.
class PixelPainter : public QPainter {
public:
    explicit PixelPainter(QImage* image) : QPainter(image) {
        setRenderHint(QPainter::Antialiasing, false);
        setRenderHint(QPainter::TextAntialiasing, false);
    }
    void pixel(int x, int y, const QColor& color) { fillRect(x, y, 1, 1, color); }
    void hline(int x1, int x2, int y, const QColor& color) {
        fillRect(x1, y, x2 - x1 + 1, 1, color);
    }
    void vline(int x, int y1, int y2, const QColor& color) {
        fillRect(x, y1, 1, y2 - y1 + 1, color);
    }
    /// A filled rectangle with a one-pixel outline drawn inside its bounds.
    void box(const QRect& r, const QColor& fill, const QColor& outline) {
        fillRect(r, fill);
        hline(r.left(), r.right(), r.top(), outline);
        hline(r.left(), r.right(), r.bottom(), outline);
        vline(r.left(), r.top(), r.bottom(), outline);
        vline(r.right(), r.top(), r.bottom(), outline);
    }
    /// Raised (or sunken) classic 3D edge, two lines deep.
    void bevel(const QRect& r, bool raised) {
        const QColor outerTL = raised ? kSilver : kGray;
        const QColor outerBR = raised ? kBlack : kWhite;
        const QColor innerTL = raised ? kWhite : kBlack;
        const QColor innerBR = raised ? kGray : kSilver;
        hline(r.left(), r.right(), r.top(), outerTL);
        vline(r.left(), r.top(), r.bottom(), outerTL);
        hline(r.left(), r.right(), r.bottom(), outerBR);
        vline(r.right(), r.top(), r.bottom(), outerBR);
        const QRect in = r.adjusted(1, 1, -1, -1);
        hline(in.left(), in.right() - 1, in.top(), innerTL);
        vline(in.left(), in.top(), in.bottom() - 1, innerTL);
        hline(in.left(), in.right(), in.bottom(), innerBR);
        vline(in.right(), in.top(), in.bottom(), innerBR);
    }
    void polygon(const QPolygon& points, const QColor& fill) {
        setPen(Qt::NoPen);
        setBrush(fill);
        drawPolygon(points);
        setBrush(Qt::NoBrush);
    }
    /// A filled polygon whose one-pixel outline covers exactly its edge pixels.
    void outlinedPolygon(const QPolygon& points, const QColor& fill, const QColor& outline) {
        setPen(QPen(outline, 0));
        setBrush(fill);
        drawPolygon(points);
        setBrush(Qt::NoBrush);
    }
    void line(int x1, int y1, int x2, int y2, const QColor& color) {
        setPen(QPen(color, 1, Qt::SolidLine, Qt::SquareCap));
        drawLine(x1, y1, x2, y2);
    }
};

/// Paints `color` on every transparent pixel that touches an opaque one
/// (four-neighbourhood): a crisp outline around whatever was drawn.
void addOutline(QImage& image, const QColor& color) {
    const QImage source = image.copy();
    auto opaque = [&](int x, int y) {
        return x >= 0 && y >= 0 && x < source.width() && y < source.height() &&
               qAlpha(source.pixel(x, y)) > 0;
    };
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (!opaque(x, y) &&
                (opaque(x - 1, y) || opaque(x + 1, y) || opaque(x, y - 1) || opaque(x, y + 1)))
                image.setPixelColor(x, y, color);
}

/// Fills the pixels for which `inside` holds, with `shade` choosing the colour.
void fillShape(QImage& image, const std::function<bool(double, double)>& inside,
               const std::function<QColor(double, double)>& shade) {
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const double cx = x + 0.5;
            const double cy = y + 0.5;
            if (inside(cx, cy))
                image.setPixelColor(x, y, shade(cx, cy));
        }
}

QColor mix(const QColor& a, const QColor& b, double t) {
    return QColor(int(std::lround(a.red() + (b.red() - a.red()) * t)),
                  int(std::lround(a.green() + (b.green() - a.green()) * t)),
                  int(std::lround(a.blue() + (b.blue() - a.blue()) * t)));
}

/// Lighting from the top left, in three flat steps.
QColor shade3(double nx, double ny, const QColor& light, const QColor& mid, const QColor& dark) {
    const double d = -(nx + ny) * 0.7071;
    if (d > 0.35)
        return light;
    if (d < -0.35)
        return dark;
    return mid;
}

// --- the three looks of a button picture -------------------------------------

QImage lighterLook(const QImage& rest) {
    QImage over = rest.copy();
    for (int y = 0; y < over.height(); ++y)
        for (int x = 0; x < over.width(); ++x) {
            const QColor c = over.pixelColor(x, y);
            if (c.alpha() == 0 || c.lightness() < 48)
                continue; // outlines stay crisp
            QColor l = mix(c, kWhite, 0.25);
            l.setAlpha(c.alpha());
            over.setPixelColor(x, y, l);
        }
    return over;
}

QImage pressedLook(const QImage& rest) {
    QImage down = blank(rest.width(), rest.height());
    for (int y = 0; y + 1 < rest.height(); ++y)
        for (int x = 0; x + 1 < rest.width(); ++x) {
            const QColor c = rest.pixelColor(x, y);
            if (c.alpha() == 0)
                continue;
            QColor d = mix(c, kBlack, 0.12);
            d.setAlpha(c.alpha());
            down.setPixelColor(x + 1, y + 1, d);
        }
    return down;
}

// --- shared motifs ------------------------------------------------------------

/// A sheet of paper with a folded top-right corner and `lines` text bars.
void drawPage(PixelPainter& p, const QRect& r, int fold, bool script, int lines = -1) {
    const int l = r.left(), t = r.top(), rr = r.right(), b = r.bottom();
    QPolygon sheet;
    sheet << QPoint(l, t) << QPoint(rr - fold + 1, t) << QPoint(rr + 1, t + fold)
          << QPoint(rr + 1, b + 1) << QPoint(l, b + 1);
    p.polygon(sheet, kWhite);
    p.hline(l, rr - fold, t, kBlack);
    p.vline(l, t, b, kBlack);
    p.hline(l, rr, b, kBlack);
    p.vline(rr, t + fold, b, kBlack);
    for (int i = 0; i <= fold; ++i)
        p.pixel(rr - fold + i, t + i, kBlack);
    // the turned-down corner
    QPolygon corner;
    corner << QPoint(rr - fold, t + 1) << QPoint(rr - fold, t + fold + 1)
           << QPoint(rr, t + fold + 1);
    p.polygon(corner, kSilver);
    p.vline(rr - fold, t + 1, t + fold, kGray);
    p.hline(rr - fold, rr - 1, t + fold, kGray);
    // text bars: a setup list is grey "key=value" lines; a script has coloured
    // section heads
    const int top = t + fold + 3;
    const int height = b - top - 1;
    const int count = lines >= 0 ? lines : std::max(1, height / 3);
    for (int i = 0; i < count; ++i) {
        const int y = top + i * 3;
        if (y >= b - 1)
            break;
        const int width = r.width() - 6;
        const bool head = (i % 4 == 0);
        int len = head ? width * 5 / 9 : width - ((i * 7) % 5) * 2 - 2;
        QColor c = kGray;
        if (script)
            c = head ? kNavy : (i % 2 ? kMaroon : kTeal);
        else if (head)
            c = kBlack;
        p.hline(l + 3, l + 3 + std::max(2, len) - 1, y, c);
        if (!head && script)
            p.hline(l + 3, l + 3 + std::max(2, len) / 3, y, kBlue);
    }
}

/// An installer box in cardboard, seen slightly from above and the right.
void drawBox(PixelPainter& p, int x, int y, int w, int h, int depth, bool open) {
    const int right = x + w - 1, bottom = y + h - 1;
    // side face
    QPolygon side;
    side << QPoint(right + 1, y) << QPoint(right + 1 + depth, y - depth)
         << QPoint(right + 1 + depth, bottom - depth + 1) << QPoint(right + 1, bottom + 1);
    p.polygon(side, kCardboardDark);
    // top face
    QPolygon top;
    top << QPoint(x, y) << QPoint(x + depth, y - depth) << QPoint(right + 1 + depth, y - depth)
        << QPoint(right + 1, y);
    p.polygon(top, open ? kCardboardEdge : kCardboardLight);
    // front face, lighter at the top
    for (int yy = y; yy <= bottom; ++yy)
        p.hline(x, right, yy, mix(kCardboard, kCardboardDark, double(yy - y) / (h * 2.5)));
    p.box(QRect(x, y, w, h), Qt::transparent, kCardboardEdge);
    p.line(right, y, right + depth, y - depth, kCardboardEdge);
    p.line(x, y, x + depth, y - depth, kCardboardEdge);
    p.line(x + depth, y - depth, right + depth, y - depth, kCardboardEdge);
    p.line(right + depth, y - depth, right + depth, bottom - depth, kCardboardEdge);
    p.line(right + depth, bottom - depth, right, bottom, kCardboardEdge);
    if (open) {
        // two flaps folded back, lit from the top left
        QPolygon left;
        left << QPoint(x, y) << QPoint(x - depth, y - depth - 2)
             << QPoint(x + depth / 2, y - depth - 4) << QPoint(x + depth, y - depth);
        p.polygon(left, kCardboardLight);
        p.setPen(kCardboardEdge);
        p.drawPolyline(left);
    } else {
        // the tape across the lid and down the front
        const int mid = x + w / 2;
        p.line(mid, y, mid + depth, y - depth, kPaleYellow);
        p.line(mid + 1, y, mid + 1 + depth, y - depth, kPaleYellow);
        p.vline(mid, y + 1, y + std::max(2, h / 4), kPaleYellow);
        p.vline(mid + 1, y + 1, y + std::max(2, h / 4), kPaleYellow);
    }
}

/// The back flap of an open box: drawn before whatever goes into the box.
void drawBoxBackFlap(PixelPainter& p, int x, int y, int w, int depth) {
    const int right = x + w - 1;
    QPolygon back;
    back << QPoint(x + depth, y - depth) << QPoint(x + depth + 2, y - depth * 2 - 1)
         << QPoint(right + depth + 2, y - depth * 2 - 1) << QPoint(right + depth, y - depth);
    p.outlinedPolygon(back, kCardboard, kCardboardEdge);
}

/// A label with text bars on the front of a box.
void drawBoxLabel(PixelPainter& p, const QRect& r) {
    p.box(r, kWhite, kCardboardEdge);
    for (int y = r.top() + 2; y < r.bottom() - 1; y += 2)
        p.hline(r.left() + 2, r.right() - 2 - ((y / 2) % 2) * 2, y,
                y == r.top() + 2 ? kNavy : kGray);
}

/// A gear with `teeth` teeth, turned by `angle` radians, drawn into an image.
QImage gearImage(int size, double outer, double inner, double hole, int teeth, double angle,
                 const QColor& light, const QColor& mid, const QColor& dark) {
    QImage image = blank(size, size);
    const double c = size / 2.0;
    fillShape(
        image,
        [&](double x, double y) {
            const double dx = x - c, dy = y - c;
            const double r = std::hypot(dx, dy);
            if (r < hole)
                return false;
            if (r <= inner)
                return true;
            if (r > outer)
                return false;
            double a = std::atan2(dy, dx) - angle;
            a = std::fmod(a + 100 * kPi, 2 * kPi / teeth) / (2 * kPi / teeth);
            return a > 0.25 && a < 0.75;
        },
        [&](double x, double y) {
            const double dx = x - c, dy = y - c;
            const double r = std::max(0.001, std::hypot(dx, dy));
            return shade3(dx / r, dy / r, light, mid, dark);
        });
    QImage outlined = image.copy();
    addOutline(outlined, kBlack);
    // the axle hole shows its own dark rim
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x) {
            const double r = std::hypot(x + 0.5 - c, y + 0.5 - c);
            if (r < hole && r >= hole - 1.0)
                outlined.setPixelColor(x, y, kBlack);
        }
    return outlined;
}

// --- the window icon -----------------------------------------------------------

QImage drawIcon32() {
    QImage image = blank(32, 32);
    PixelPainter p(&image);
    drawBoxBackFlap(p, 3, 17, 21, 5);
    drawPage(p, QRect(7, 0, 16, 22), 5, true);
    drawBox(p, 3, 17, 21, 12, 5, true);
    drawBoxLabel(p, QRect(7, 20, 13, 6));
    return image;
}

QImage drawIcon16() {
    QImage image = blank(16, 16);
    PixelPainter p(&image);
    drawBoxBackFlap(p, 1, 9, 11, 3);
    drawPage(p, QRect(4, 0, 9, 11), 3, true, 2);
    drawBox(p, 1, 9, 11, 6, 3, true);
    p.box(QRect(3, 11, 7, 3), kWhite, kCardboardEdge);
    p.hline(4, 7, 12, kNavy);
    return image;
}

// --- page 0 picture --------------------------------------------------------------

QImage drawWelcome() {
    QImage image(132, 244, QImage::Format_ARGB32);
    PixelPainter p(&image);
    // the classic deep-blue setup banner, lighter towards the bottom
    for (int y = 0; y < image.height(); ++y)
        p.hline(0, image.width() - 1, y, mix(QColor(0, 0, 96), QColor(0, 112, 160), y / 243.0));
    // a faint grid, every eighth line, as on old setup screens
    for (int y = 4; y < image.height(); y += 8)
        for (int x = (y / 8) % 2 * 4; x < image.width(); x += 8)
            p.pixel(x, y, mix(image.pixelColor(x, y), kWhite, 0.12));

    QFont title(QStringLiteral("Liberation Sans"));
    title.setPixelSize(20);
    title.setBold(true);
    title.setStyleStrategy(QFont::NoAntialias);
    p.setFont(title);
    p.setPen(kBlack);
    p.drawText(QRect(2, 13, 132, 28), Qt::AlignHCenter | Qt::AlignVCenter,
               QStringLiteral("Tembrix"));
    p.setPen(kWhite);
    p.drawText(QRect(0, 11, 132, 28), Qt::AlignHCenter | Qt::AlignVCenter,
               QStringLiteral("Tembrix"));
    p.hline(22, 109, 42, kPaleBlue);
    p.hline(23, 110, 43, QColor(0, 0, 64));

    // the setup list, the conversion arrow and the script
    drawPage(p, QRect(12, 58, 44, 56), 8, false);
    drawPage(p, QRect(76, 78, 44, 56), 8, true);
    QPolygon arrow;
    arrow << QPoint(52, 94) << QPoint(64, 94) << QPoint(64, 88) << QPoint(76, 100)
          << QPoint(64, 112) << QPoint(64, 106) << QPoint(52, 106);
    QImage arrowImage = blank(132, 244);
    {
        PixelPainter a(&arrowImage);
        a.polygon(arrow, kYellow);
        for (int y = 101; y < 113; ++y)
            for (int x = 52; x < 77; ++x)
                if (qAlpha(arrowImage.pixel(x, y)))
                    a.pixel(x, y, kOlive);
        addOutline(arrowImage, kBlack);
    }
    p.drawImage(0, 0, arrowImage);

    // the finished installer: a box with a disc and a floppy disk
    QImage disc = blank(40, 40);
    fillShape(
        disc,
        [](double x, double y) {
            const double r = std::hypot(x - 20, y - 20);
            return r <= 18 && r >= 3.5;
        },
        [](double x, double y) {
            const double r = std::hypot(x - 20, y - 20);
            if (r < 7)
                return kLightSilver;
            const double a = std::atan2(y - 20, x - 20);
            const double s = std::sin(a * 2 + 0.6);
            if (s > 0.6)
                return kWhite;
            if (s < -0.5)
                return QColor(168, 168, 200);
            return QColor(208, 208, 232);
        });
    addOutline(disc, kGray);
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 40; ++x) {
            const double r = std::hypot(x + 0.5 - 20, y + 0.5 - 20);
            if (r < 3.5 && r >= 2.5)
                disc.setPixelColor(x, y, kGray);
        }
    p.drawImage(74, 142, disc);

    drawBox(p, 14, 170, 72, 52, 12, false);
    drawBoxLabel(p, QRect(24, 184, 52, 22));
    QFont small(QStringLiteral("Liberation Sans"));
    small.setPixelSize(10);
    small.setBold(true);
    small.setStyleStrategy(QFont::NoAntialias);
    p.fillRect(QRect(25, 185, 50, 11), kWhite);
    p.setFont(small);
    p.setPen(kNavy);
    p.drawText(QRect(24, 184, 52, 12), Qt::AlignCenter, QStringLiteral("SETUP"));

    // floppy disk leaning on the box
    const QRect fl(92, 190, 30, 30);
    p.box(fl, kNavy, kBlack);
    p.box(QRect(fl.left() + 7, fl.top(), 16, 10), kSilver, kBlack);
    p.fillRect(QRect(fl.left() + 17, fl.top() + 2, 3, 6), kNavy);
    p.box(QRect(fl.left() + 4, fl.top() + 14, 22, 15), kWhite, kBlack);
    p.hline(fl.left() + 6, fl.left() + 23, fl.top() + 17, kRed);
    p.hline(fl.left() + 6, fl.left() + 20, fl.top() + 21, kGray);
    p.hline(fl.left() + 6, fl.left() + 22, fl.top() + 24, kGray);
    p.pixel(fl.left() + 1, fl.bottom() - 1, kBlack);
    p.hline(fl.left() + 1, fl.right() - 1, fl.top() + 1, kMidBlue);

    // a ground line the box stands on
    p.hline(6, 125, 223, QColor(0, 64, 96));
    p.hline(6, 125, 224, QColor(96, 176, 208));
    return image;
}

// --- button pictures ------------------------------------------------------------

QImage drawOpenFolder() {
    QImage image = blank(29, 21);
    PixelPainter p(&image);
    // back of the folder, with its tab
    QPolygon back;
    back << QPoint(6, 5) << QPoint(7, 4) << QPoint(11, 4) << QPoint(12, 5) << QPoint(19, 5)
         << QPoint(19, 16) << QPoint(6, 16);
    p.outlinedPolygon(back, QColor(224, 192, 64), kBlack);
    p.hline(7, 18, 6, kPaleYellow);
    p.vline(7, 6, 14, kPaleYellow);
    // the open front, tilted forward
    QPolygon front;
    front << QPoint(9, 9) << QPoint(23, 9) << QPoint(19, 16) << QPoint(6, 16) << QPoint(6, 14);
    p.outlinedPolygon(front, kYellow, kBlack);
    p.hline(10, 21, 10, kPaleYellow);
    p.hline(8, 18, 15, kOlive);
    return image;
}

QImage drawEditPage() {
    QImage image = blank(29, 21);
    PixelPainter p(&image);
    drawPage(p, QRect(7, 2, 12, 16), 3, false);
    // a pencil lying across the page, point down-left
    QImage pencil = blank(29, 21);
    {
        PixelPainter q(&pencil);
        for (int i = 0; i < 9; ++i) {
            const int x = 12 + i, y = 14 - i;
            q.pixel(x, y, kYellow);
            q.pixel(x + 1, y, kYellow);
            q.pixel(x + 1, y - 1, kOlive);
            q.pixel(x, y + 1, kOlive);
        }
        q.pixel(20, 5, kRed);
        q.pixel(21, 5, kRed);
        q.pixel(21, 4, kRed);
        q.pixel(22, 4, kMaroon);
        q.pixel(21, 6, kMaroon);
        q.pixel(11, 15, kCardboardLight);
        q.pixel(12, 15, kCardboardLight);
        q.pixel(11, 14, kCardboardLight);
        q.pixel(10, 16, kBlack);
        addOutline(pencil, kBlack);
    }
    p.drawImage(0, 0, pencil);
    return image;
}

QImage drawGlobe() {
    QImage image = blank(20, 20);
    const double c = 10, r = 8.2;
    struct Blob {
        double x, y, rx, ry;
    };
    // two continents and an island, as ellipses on the disc
    const Blob land[] = {{6.5, 7.5, 3.2, 4.6}, {13.0, 11.5, 3.4, 3.0}, {12.5, 5.5, 2.2, 1.6}};
    fillShape(
        image, [&](double x, double y) { return std::hypot(x - c, y - c) <= r; },
        [&](double x, double y) {
            // a highlight towards the top left, in three flat steps
            const double d = std::hypot(x - (c - 3), y - (c - 3));
            const int step = d < 3.6 ? 0 : (d < 8.4 ? 1 : 2);
            bool isLand = false;
            for (const Blob& b : land)
                isLand =
                    isLand || std::pow((x - b.x) / b.rx, 2) + std::pow((y - b.y) / b.ry, 2) <= 1;
            const QColor sea[] = {QColor(96, 144, 255), kBlue, kNavy};
            const QColor green[] = {kPaleGreen, kLime, kGreen};
            return isLand ? green[step] : sea[step];
        });
    addOutline(image, kBlack);
    PixelPainter p(&image);
    p.pixel(6, 5, kWhite);
    p.pixel(5, 6, kWhite);
    return image;
}

QImage drawRestart() {
    QImage image = blank(32, 32);
    const double cx = 16, cy = 17;
    fillShape(
        image,
        [&](double x, double y) {
            const double r = std::hypot(x - cx, y - cy);
            if (r < 7.5 || r > 12.5)
                return false;
            double a = std::atan2(y - cy, x - cx);
            if (a < 0)
                a += 2 * kPi;
            // the ring runs clockwise from the upper right round to the top,
            // leaving a gap for the arrow head
            return !(a >= 1.5 * kPi && a <= 1.5 * kPi + 0.95);
        },
        [&](double x, double y) {
            const double r = std::hypot(x - cx, y - cy);
            return shade3((x - cx) / r, (y - cy) / r, kPaleGreen, kLime, kGreen);
        });
    {
        PixelPainter p(&image);
        QPolygon head;
        head << QPoint(15, 1) << QPoint(22, 8) << QPoint(15, 15);
        p.polygon(head, kLime);
        p.line(15, 2, 20, 7, kPaleGreen);
    }
    addOutline(image, kBlack);
    return image;
}

QImage drawNotepad() {
    QImage image = blank(32, 32);
    PixelPainter p(&image);
    p.box(QRect(5, 4, 19, 25), kWhite, kBlack);
    p.fillRect(QRect(6, 5, 17, 3), kMidBlue);
    p.hline(6, 22, 8, kBlack);
    for (int x = 7; x <= 21; x += 3) {
        p.vline(x, 2, 6, kBlack);
        p.pixel(x, 3, kSilver);
        p.pixel(x, 4, kSilver);
    }
    for (int y = 11; y <= 26; y += 3)
        p.hline(7, y == 26 ? 15 : 21, y, kPaleBlue);
    p.vline(9, 9, 27, QColor(255, 160, 160));
    p.end();
    QImage pencil = blank(32, 32);
    {
        PixelPainter q(&pencil);
        for (int i = 0; i < 14; ++i) {
            const int x = 14 + i, y = 25 - i;
            q.pixel(x, y, kYellow);
            q.pixel(x + 1, y, kYellow);
            q.pixel(x + 1, y - 1, kOlive);
            q.pixel(x, y + 1, kOlive);
        }
        q.pixel(27, 11, kRed);
        q.pixel(28, 11, kRed);
        q.pixel(28, 10, kRed);
        q.pixel(29, 10, kMaroon);
        q.pixel(28, 12, kMaroon);
        q.pixel(13, 26, kCardboardLight);
        q.pixel(14, 26, kCardboardLight);
        q.pixel(13, 25, kCardboardLight);
        q.pixel(12, 27, kBlack);
        addOutline(pencil, kBlack);
    }
    PixelPainter p2(&image);
    p2.drawImage(0, 0, pencil);
    return image;
}

QImage drawOpenIss() {
    QImage image = blank(32, 32);
    PixelPainter p(&image);
    drawPage(p, QRect(3, 1, 19, 25), 6, true);
    const QImage gear = gearImage(20, 9.0, 6.2, 3.0, 6, 0.26, kLightSilver, kSilver, kGray);
    p.drawImage(12, 12, gear);
    return image;
}

// The script going into the installer's box: a page, an arrow, a closed box.
QImage drawCompile() {
    QImage image = blank(32, 32);
    PixelPainter p(&image);
    drawPage(p, QRect(1, 1, 15, 19), 5, true);
    drawBox(p, 13, 18, 14, 11, 4, false);
    QPolygon arrow;
    arrow << QPoint(17, 6) << QPoint(22, 6) << QPoint(22, 3) << QPoint(28, 9) << QPoint(22, 15)
          << QPoint(22, 12) << QPoint(17, 12);
    p.polygon(arrow, kLime);
    p.line(18, 7, 22, 7, kPaleGreen);
    return image;
}

// --- the link pointer ------------------------------------------------------------

QImage drawLinkCursor() {
    // X: outline, o: white, -: the shaded right side of each finger
    static const char* const rows[] = {
        "......XX..........", //
        ".....XooX.........", //
        ".....XooX.........", //
        ".....Xo-X.........", //
        ".....Xo-X.........", //
        ".....Xo-XXX.......", //
        ".....Xo-Xo-XXX....", //
        ".....Xo-Xo-Xo-XXX.", //
        ".XX..Xo-Xo-Xo-Xo-X", //
        "XooX.Xo-Xo-Xo-Xo-X", //
        "Xo-oXXoooooooooo-X", //
        ".Xo-oooooooooooo-X", //
        ".Xoooooooooooooo-X", //
        "..Xooooooooooooo-X", //
        "..Xooooooooooooo-X", //
        "...Xoooooooooooo-X", //
        "...Xooooooooooo-X.", //
        "....Xoooooooooo-X.", //
        "....Xoooooooooo-X.", //
        "....Xoooooooooo-X.", //
        "....XXXXXXXXXXXXX.", //
    };
    QImage image = blank(32, 32);
    int y = 0;
    for (const char* row : rows) {
        for (int x = 0; row[x]; ++x) {
            if (row[x] == 'X')
                image.setPixelColor(x, y, kBlack);
            else if (row[x] == 'o')
                image.setPixelColor(x, y, kWhite);
            else if (row[x] == '-')
                image.setPixelColor(x, y, kSilver);
        }
        ++y;
    }
    return image;
}

// --- the About window ----------------------------------------------------------------

QImage drawTitleStrip() {
    QImage image(387, 18, QImage::Format_ARGB32);
    PixelPainter p(&image);
    const QColor stops[] = {QColor(160, 200, 255), QColor(255, 184, 216), QColor(255, 248, 168),
                            QColor(176, 240, 176), QColor(212, 192, 255)};
    const int segments = 4;
    for (int x = 0; x < image.width(); ++x) {
        const double t = double(x) / (image.width() - 1) * segments;
        const int i = std::min(segments - 1, int(t));
        p.vline(x, 0, 16, mix(stops[i], stops[i + 1], t - i));
    }
    p.hline(0, 386, 17, kGray);
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(12);
    font.setBold(true);
    font.setStyleStrategy(QFont::NoAntialias);
    font.setHintingPreference(QFont::PreferFullHinting);
    p.setFont(font);
    p.setPen(kBlack);
    p.drawText(QRect(5, 0, 300, 17), Qt::AlignLeft | Qt::AlignVCenter,
               QString::fromUtf8("A propos de Tembrix"));
    return image;
}

/// The packing line of the About animation: a setup list rides the belt into
/// the machine, comes out as a script, drops into a box, the box is closed and
/// carried away, and the next list arrives. Three phases of five frames.
QImage drawAnimationFrame(int frame) {
    const int w = 160, h = 85;
    QImage image(w, h, QImage::Format_ARGB32);
    PixelPainter p(&image);
    for (int y = 0; y < h; ++y)
        p.hline(0, w - 1, y, mix(QColor(200, 216, 244), QColor(244, 246, 252), y / 64.0));
    p.fillRect(QRect(0, 72, w, 13), kLightSilver);
    p.hline(0, w - 1, 72, kGray);

    const double turn = frame * 2 * kPi / 15; // whole turns over one cycle: a seamless loop

    // the conveyor belt and its rollers
    p.fillRect(QRect(2, 64, w - 4, 5), QColor(64, 64, 64));
    p.hline(2, w - 3, 64, kGray);
    p.hline(2, w - 3, 68, kBlack);
    for (int x = 6 + (frame % 3) * 4; x < w - 4; x += 12)
        p.vline(x, 65, 67, kGray);
    for (int cx = 12; cx < w; cx += 34) {
        QImage roller = gearImage(11, 4.6, 4.6, 1.2, 1, 0, kSilver, kGray, QColor(64, 64, 64));
        PixelPainter rp(&roller);
        const int sx = 5 + int(std::lround(std::cos(turn * 4) * 3));
        const int sy = 5 + int(std::lround(std::sin(turn * 4) * 3));
        rp.line(5, 5, sx, sy, kBlack);
        rp.end();
        p.drawImage(cx - 5, 68, roller);
    }

    // where the list, the script and the boxes are in this frame
    struct Item {
        int x, y;
        bool visible;
    };
    Item list{-40, 0, false}, script{-40, 0, false};
    int boxX = 124;
    bool boxOpen = true, boxVisible = true;
    Item nextBox{0, 0, false};
    const int pageW = 22, pageH = 29, pageY = 64 - pageH;
    switch (frame) {
    case 0:
        list = {10, pageY, true};
        break;
    case 1:
        list = {20, pageY, true};
        break;
    case 2:
        list = {30, pageY, true};
        break;
    case 3:
        list = {40, pageY, true};
        break;
    case 4:
        list = {50, pageY, true};
        break;
    case 5:
        script = {98, pageY, true};
        break;
    case 6:
        script = {104, pageY - 12, true};
        break;
    case 7:
        script = {112, pageY - 18, true};
        break;
    case 8:
        script = {121, pageY - 14, true};
        break;
    case 9:
        script = {129, pageY - 2, true};
        break;
    case 10:
        boxOpen = false;
        break;
    case 11:
        boxOpen = false;
        boxX = 136;
        list = {-18, pageY, true};
        break;
    case 12:
        boxOpen = false;
        boxX = 150;
        list = {-8, pageY, true};
        break;
    case 13:
        boxVisible = false;
        nextBox = {124, -26, true};
        list = {2, pageY, true};
        break;
    case 14:
        boxVisible = false;
        nextBox = {124, -10, true};
        list = {7, pageY, true};
        break;
    default:
        break;
    }

    // pages in front of the machine are drawn first: the machine swallows them
    if (list.visible)
        drawPage(p, QRect(list.x, list.y, pageW, pageH), 5, false);

    // the converting machine
    const QRect body(52, 18, 44, 47);
    p.fillRect(body, kSilver);
    p.bevel(body, true);
    p.fillRect(QRect(body.left() + 4, body.top() - 6, 12, 6), kSilver);
    p.bevel(QRect(body.left() + 4, body.top() - 6, 12, 7), true);
    const bool working = frame >= 1 && frame <= 4;
    const QColor lamp = working ? ((frame % 2) ? kRed : kYellow) : kLime;
    p.box(QRect(body.left() + 7, body.top() - 4, 6, 4), lamp, kBlack);
    p.fillRect(QRect(body.left() + 2, 40, 4, 24), kGray);  // mouth in
    p.fillRect(QRect(body.right() - 5, 40, 4, 24), kGray); // mouth out
    p.vline(body.left() + 2, 40, 63, kBlack);
    p.vline(body.right() - 2, 40, 63, kBlack);
    // a round window with the gear turning in it
    QImage window = blank(28, 28);
    fillShape(
        window, [](double x, double y) { return std::hypot(x - 14, y - 14) <= 12.5; },
        [](double, double) { return QColor(0, 64, 96); });
    addOutline(window, kBlack);
    p.drawImage(body.left() + 8, body.top() + 4, window);
    const QImage gear = gearImage(24, 10.5, 7.5, 2.5, 8, turn * 3 / 8 + (working ? 0.2 : 0),
                                  QColor(128, 224, 224), kTeal, QColor(0, 80, 80));
    p.drawImage(body.left() + 10, body.top() + 6, gear);
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(9);
    font.setBold(true);
    font.setStyleStrategy(QFont::NoAntialias);
    p.setFont(font);
    p.setPen(kNavy);
    p.drawText(QRect(body.left() + 2, body.bottom() - 11, body.width() - 4, 10), Qt::AlignCenter,
               QStringLiteral("ISS"));

    // the box, the script dropping into it, then the next box
    auto box = [&](int x, int y, bool open) {
        drawBox(p, x, y, 26, 20, 6, open);
        drawBoxLabel(p, QRect(x + 5, y + 6, 14, 8));
    };
    if (script.visible && script.x < boxX)
        drawPage(p, QRect(script.x, script.y, pageW, pageH), 5, true);
    if (boxVisible) {
        const int boxY = 44;
        if (boxOpen)
            drawBoxBackFlap(p, boxX, boxY, 26, 6);
        if (boxOpen && script.visible && script.x >= boxX) {
            // the script sinks behind the front of the box
            drawPage(p, QRect(script.x - 2, script.y, pageW - 4, pageH - 4), 4, true);
        }
        box(boxX, boxY, boxOpen);
    }
    if (nextBox.visible) {
        drawBoxBackFlap(p, nextBox.x, 44 + nextBox.y, 26, 6);
        box(nextBox.x, 44 + nextBox.y, true);
    }
    if (frame == 10) {
        // a small check mark: done
        p.line(140, 28, 143, 31, kGreen);
        p.line(141, 28, 144, 31, kGreen);
        p.line(143, 31, 150, 22, kGreen);
        p.line(144, 31, 151, 22, kGreen);
    }
    return image;
}

QImage drawAnimationStrip() {
    QImage strip(160, 85 * 15, QImage::Format_ARGB32);
    QPainter p(&strip);
    for (int frame = 0; frame < 15; ++frame)
        p.drawImage(0, frame * 85, drawAnimationFrame(frame));
    return strip;
}

// --- files ---------------------------------------------------------------------------

bool save(const QImage& image, const QString& folder, const QString& name) {
    const QString path = folder + QLatin1Char('/') + name;
    QDir().mkpath(QFileInfo(path).absolutePath());
    if (!image.save(path, "PNG")) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return false;
    }
    return true;
}

bool saveLooks(const QImage& rest, const QString& folder, const QString& name) {
    return save(rest, folder, QStringLiteral("button/%1-rest.png").arg(name)) &&
           save(lighterLook(rest), folder, QStringLiteral("button/%1-over.png").arg(name)) &&
           save(pressedLook(rest), folder, QStringLiteral("button/%1-down.png").arg(name));
}

/// One icon-directory image in the classic layout: a 32-bit bottom-up DIB
/// followed by its AND mask, which every Windows version reads.
QByteArray dibEntry(const QImage& source) {
    const QImage image = source.convertToFormat(QImage::Format_ARGB32);
    const int w = image.width(), h = image.height();
    QByteArray data;
    auto put32 = [&](quint32 v) {
        char b[4];
        qToLittleEndian(v, b);
        data.append(b, 4);
    };
    auto put16 = [&](quint16 v) {
        char b[2];
        qToLittleEndian(v, b);
        data.append(b, 2);
    };
    const int maskStride = ((w + 31) / 32) * 4;
    put32(40);
    put32(quint32(w));
    put32(quint32(h * 2));
    put16(1);
    put16(32);
    put32(0);
    put32(quint32(w * h * 4 + maskStride * h));
    put32(0);
    put32(0);
    put32(0);
    put32(0);
    for (int y = h - 1; y >= 0; --y)
        for (int x = 0; x < w; ++x) {
            const QRgb c = image.pixel(x, y);
            data.append(char(qBlue(c)));
            data.append(char(qGreen(c)));
            data.append(char(qRed(c)));
            data.append(char(qAlpha(c)));
        }
    for (int y = h - 1; y >= 0; --y) {
        QByteArray row(maskStride, '\0');
        for (int x = 0; x < w; ++x)
            if (qAlpha(image.pixel(x, y)) == 0)
                row[x / 8] = char(row[x / 8] | (0x80 >> (x % 8)));
        data.append(row);
    }
    return data;
}

bool saveIco(const std::vector<QImage>& images, const QString& path) {
    QByteArray out;
    auto put16 = [&](quint16 v) {
        char b[2];
        qToLittleEndian(v, b);
        out.append(b, 2);
    };
    auto put32 = [&](quint32 v) {
        char b[4];
        qToLittleEndian(v, b);
        out.append(b, 4);
    };
    put16(0);
    put16(1);
    put16(quint16(images.size()));
    std::vector<QByteArray> entries;
    for (const QImage& image : images)
        entries.push_back(dibEntry(image));
    quint32 offset = 6 + 16 * quint32(images.size());
    for (size_t i = 0; i < images.size(); ++i) {
        out.append(char(images[i].width() & 0xff));
        out.append(char(images[i].height() & 0xff));
        out.append(char(0));
        out.append(char(0));
        put16(1);
        put16(32);
        put32(quint32(entries[i].size()));
        put32(offset);
        offset += quint32(entries[i].size());
    }
    for (const QByteArray& e : entries)
        out.append(e);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(out) != out.size()) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv); // fonts need the application object
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <output folder>\n", argv[0]);
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    const QImage icon32 = drawIcon32();
    const QImage icon16 = drawIcon16();
    const bool ok = save(icon32, folder, QStringLiteral("icon/tembrix.png")) &&
                    save(icon16, folder, QStringLiteral("icon/tembrix16.png")) &&
                    // The desktop's icon theme wants 64 pixels; doubling each
                    // pixel keeps the crisp outlines of the 32-pixel drawing.
                    save(icon32.scaled(64, 64, Qt::IgnoreAspectRatio, Qt::FastTransformation),
                         folder, QStringLiteral("icon/tembrix64.png")) &&
                    saveIco({icon16, icon32}, folder + QStringLiteral("/tembrix.ico")) &&
                    save(drawWelcome(), folder, QStringLiteral("picture/welcome.png")) &&
                    saveLooks(drawOpenFolder(), folder, QStringLiteral("open")) &&
                    saveLooks(drawEditPage(), folder, QStringLiteral("edit")) &&
                    saveLooks(drawGlobe(), folder, QStringLiteral("translate")) &&
                    saveLooks(drawRestart(), folder, QStringLiteral("restart")) &&
                    saveLooks(drawNotepad(), folder, QStringLiteral("editscript")) &&
                    saveLooks(drawOpenIss(), folder, QStringLiteral("openiss")) &&
                    saveLooks(drawCompile(), folder, QStringLiteral("compile")) &&
                    save(drawLinkCursor(), folder, QStringLiteral("cursor/link.png")) &&
                    save(drawTitleStrip(), folder, QStringLiteral("about/title.png")) &&
                    save(drawAnimationStrip(), folder, QStringLiteral("about/animation.png"));
    return ok ? 0 : 1;
}
