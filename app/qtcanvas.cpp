// QtCanvas: platform-canvas semantics (end points left out, dots, arcs, opaque text) on a QPainter.
#include "app/qtcanvas.h"

#include <QList>
#include <QPainterPath>
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <numbers>

#include "app/qtext.h"
#include "drawing/clipping.h"
#include "drawing/transform.h"

namespace {

constexpr int kMaxPenWidth = 256;
constexpr int kMaxFontPoints = 1000;

int ClampCoordinate(int v) {
    return std::clamp(v, -kDeviceLimit, kDeviceLimit);
}

QColor ToQColor(TColor c) {
    return QColor(c.r, c.g, c.b);
}

// Normalised Qt rectangle of a device rectangle; right and bottom stay exclusive.
QRect ToQRect(const DeviceRect& r) {
    const int left = ClampCoordinate(std::min(r.left, r.right));
    const int right = ClampCoordinate(std::max(r.left, r.right));
    const int top = ClampCoordinate(std::min(r.top, r.bottom));
    const int bottom = ClampCoordinate(std::max(r.top, r.bottom));
    return QRect(left, top, right - left, bottom - top);
}

// Parametric angle in degrees (Qt's arc angles) of the ellipse point on the ray from the centre in
// device direction (dx, dy); half-axes a, b.
double EllipseAngle(double dx, double dy, double a, double b) {
    return std::atan2(-dy * a, dx * b) * 180.0 / std::numbers::pi;
}

char16_t SymbolLetter(unsigned char c) {
    // Adobe Symbol encoding at the places of A..Z and a..z.
    static constexpr std::array<char16_t, 26> kUpper = {
        0x0391, 0x0392, 0x03A7, 0x0394, 0x0395, 0x03A6, 0x0393, 0x0397, 0x0399,
        0x03D1, 0x039A, 0x039B, 0x039C, 0x039D, 0x039F, 0x03A0, 0x0398, 0x03A1,
        0x03A3, 0x03A4, 0x03A5, 0x03C2, 0x03A9, 0x039E, 0x03A8, 0x0396};
    static constexpr std::array<char16_t, 26> kLower = {
        0x03B1, 0x03B2, 0x03C7, 0x03B4, 0x03B5, 0x03C6, 0x03B3, 0x03B7, 0x03B9,
        0x03D5, 0x03BA, 0x03BB, 0x03BC, 0x03BD, 0x03BF, 0x03C0, 0x03B8, 0x03C1,
        0x03C3, 0x03C4, 0x03C5, 0x03D6, 0x03C9, 0x03BE, 0x03C8, 0x03B6};
    if (c >= 'A' && c <= 'Z') return kUpper[c - 'A'];
    if (c >= 'a' && c <= 'z') return kLower[c - 'a'];
    return 0;
}

}  // namespace

QString SymbolFontText(std::string_view cp1252) {
    QString text = Cp1252ToQString(cp1252);
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t greek = SymbolLetter(static_cast<unsigned char>(cp1252[static_cast<std::size_t>(i)]));
        if (greek != 0) text[i] = QChar(greek);
    }
    return text;
}

QtCanvas::QtCanvas(QPainter* painter, DeviceRect area) : painter_(painter), clip_(area) {
    painter_->setRenderHint(QPainter::Antialiasing, false);
    painter_->setRenderHint(QPainter::TextAntialiasing, true);
    painter_->setClipRect(ToQRect(clip_));
}

void QtCanvas::MoveTo(int x, int y) {
    penX_ = ClampCoordinate(x);
    penY_ = ClampCoordinate(y);
}

void QtCanvas::LineTo(int x, int y) {
    x = ClampCoordinate(x);
    y = ClampCoordinate(y);
    const int fromX = penX_;
    const int fromY = penY_;
    penX_ = x;
    penY_ = y;

    const int width = std::clamp(pen.width, 1, kMaxPenWidth);
    if (fromX == x && fromY == y) {
        // A zero-length line leaves no mark with a thin pen and a round dot of the pen's width otherwise.
        if (width > 1) {
            const double centreShift = (width % 2 == 1) ? 0.5 : 0.0;
            painter_->setPen(Qt::NoPen);
            painter_->setBrush(ToQColor(pen.color));
            painter_->drawEllipse(QPointF(x + centreShift, y + centreShift), width / 2.0, width / 2.0);
        }
        return;
    }

    // Cut far-out lines to the clip area first, so the rasteriser never walks millions of pixels; the
    // dash offset keeps the pattern where it would have been.
    const double dx = static_cast<double>(x) - fromX;
    const double dy = static_cast<double>(y) - fromY;
    const double margin = width + 2.0;
    const QRectF box = QRectF(ToQRect(clip_)).adjusted(-margin, -margin, margin, margin);
    double t0 = 0;
    double t1 = 1;
    // A stroke that only touches the box leaves nothing to draw.
    if (!ClipSegmentToBox(fromX, fromY, dx, dy, box.left(), box.top(), box.right(), box.bottom(), t0, t1) ||
        t0 >= t1)
        return;

    QPen qpen = MakePen();
    if (t0 > 0 && qpen.style() != Qt::SolidLine) qpen.setDashOffset(t0 * std::hypot(dx, dy) / width);
    painter_->setPen(qpen);
    if (t0 == 0 && t1 == 1) {  // exact: unclipped lines keep their integer end points
        painter_->drawLine(fromX, fromY, x, y);
    } else {
        painter_->drawLine(QPointF(fromX + t0 * dx, fromY + t0 * dy),
                           QPointF(fromX + t1 * dx, fromY + t1 * dy));
    }
}

void QtCanvas::Arc(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4) {
    // 64-bit sums: twice the centre, so directions are exact integers.
    const std::int64_t left = ClampCoordinate(std::min(x1, x2));
    const std::int64_t right = ClampCoordinate(std::max(x1, x2));
    const std::int64_t top = ClampCoordinate(std::min(y1, y2));
    const std::int64_t bottom = ClampCoordinate(std::max(y1, y2));
    if (right - left < 1 || bottom - top < 1) return;  // no ellipse to draw

    const std::int64_t sdx = 2 * static_cast<std::int64_t>(ClampCoordinate(x3)) - (left + right);
    const std::int64_t sdy = 2 * static_cast<std::int64_t>(ClampCoordinate(y3)) - (top + bottom);
    const std::int64_t edx = 2 * static_cast<std::int64_t>(ClampCoordinate(x4)) - (left + right);
    const std::int64_t edy = 2 * static_cast<std::int64_t>(ClampCoordinate(y4)) - (top + bottom);

    const double a = static_cast<double>(right - left) / 2;
    const double b = static_cast<double>(bottom - top) / 2;
    const double start = EllipseAngle(static_cast<double>(sdx), static_cast<double>(sdy), a, b);
    const double end = EllipseAngle(static_cast<double>(edx), static_cast<double>(edy), a, b);
    // Same direction (exactly: parallel and not opposite) means the whole ellipse.
    const bool sameDirection = sdx * edy - sdy * edx == 0 && sdx * edx + sdy * edy >= 0;
    double span = std::fmod(end - start, 360.0);
    if (span <= 0) span += 360.0;
    if (sameDirection) span = 360.0;

    const QRectF rect(static_cast<double>(left), static_cast<double>(top), static_cast<double>(right - left),
                      static_cast<double>(bottom - top));
    QPainterPath path;
    path.arcMoveTo(rect, start);
    path.arcTo(rect, start, span);
    painter_->setPen(MakePen());
    painter_->setBrush(Qt::NoBrush);
    painter_->drawPath(path);
}

void QtCanvas::FillRect(const DeviceRect& rect) {
    if (brush.style != BrushStyle::Solid) return;
    painter_->fillRect(ToQRect(rect), ToQColor(brush.color));
}

void QtCanvas::Rectangle(const DeviceRect& rect) {
    const QRect r = ToQRect(rect);
    if (r.isEmpty()) return;
    if (brush.style == BrushStyle::Solid) painter_->fillRect(r, ToQColor(brush.color));
    // The outline runs on the outermost pixels inside the rectangle, right and bottom exclusive.
    painter_->setPen(MakePen());
    painter_->setBrush(Qt::NoBrush);
    painter_->drawRect(QRectF(r.left(), r.top(), r.width() - 1, r.height() - 1));
}

void QtCanvas::SetClipRect(const DeviceRect& rect) {
    clip_ = rect;
    painter_->setClipRect(ToQRect(rect));
}

void QtCanvas::TextOut(int x, int y, const std::string& text) {
    x = ClampCoordinate(x);
    y = ClampCoordinate(y);
    const QString shown = ShownText(text);
    const QFontMetrics& metrics = CurrentMetrics();
    if (brush.style == BrushStyle::Solid)
        painter_->fillRect(QRect(x, y, metrics.horizontalAdvance(shown), metrics.height()),
                           ToQColor(brush.color));
    painter_->setFont(qfont_);
    painter_->setPen(ToQColor(font.color));
    painter_->drawText(QPoint(x, y + metrics.ascent()), shown);
}

int QtCanvas::TextWidth(const std::string& text) {
    return CurrentMetrics().horizontalAdvance(ShownText(text));
}

int QtCanvas::TextHeight(const std::string&) {
    return CurrentMetrics().height();
}

QPen QtCanvas::MakePen() const {
    const int width = std::clamp(pen.width, 1, kMaxPenWidth);
    QPen qpen(ToQColor(pen.color));
    qpen.setWidth(width);
    // A thin line leaves out its end point only with flat caps; wide pens are round as on the platform.
    qpen.setCapStyle(width > 1 ? Qt::RoundCap : Qt::FlatCap);
    qpen.setJoinStyle(Qt::RoundJoin);
    // The platform's dash patterns in device units; Qt measures them in pen widths.
    QList<qreal> pattern;
    switch (pen.style) {
        case PenStyle::Solid:
            break;
        case PenStyle::Dash:
            pattern = {18, 6};
            break;
        case PenStyle::Dot:
            pattern = {3, 3};
            break;
        case PenStyle::DashDot:
            pattern = {9, 6, 3, 6};
            break;
    }
    if (!pattern.isEmpty()) {
        for (qreal& length : pattern)
            length /= width;
        qpen.setDashPattern(pattern);
    }
    return qpen;
}

const QFont& QtCanvas::CurrentFont() {
    if (!fontKey_ || fontKey_->name != font.name || fontKey_->size != font.size) {
        // "Symbol" text arrives as Unicode Greek (SymbolFontText), so it needs a font with Greek letters,
        // not a symbol-encoded one.
        const bool standard = font.name == "Arial" || font.name == "Symbol";
        qfont_ = QFont(standard ? QStringLiteral("Arial") : Cp1252ToQString(font.name));
        const int points = std::clamp(font.size, 1, kMaxFontPoints);
        const int dpi = painter_->device()->logicalDpiY();
        qfont_.setPixelSize(std::max(1, static_cast<int>(std::lround(points * dpi / 72.0))));
        metrics_.emplace(qfont_, painter_->device());
        fontKey_ = font;
    }
    return qfont_;
}

const QFontMetrics& QtCanvas::CurrentMetrics() {
    CurrentFont();
    return *metrics_;
}

QString QtCanvas::ShownText(const std::string& text) const {
    return font.name == "Symbol" ? SymbolFontText(text) : Cp1252ToQString(text);
}
