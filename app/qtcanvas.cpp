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
#include "drawing/arcgeometry.h"
#include "drawing/clipping.h"
#include "drawing/pens.h"
#include "drawing/transform.h"
#include "text/symbolfont.h"

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

}  // namespace

QString SymbolFontText(std::string_view cp1252) {
    QString text;
    text.reserve(static_cast<qsizetype>(cp1252.size()));
    for (const char c : cp1252)
        text += QChar(static_cast<char16_t>(SymbolFontCharacter(static_cast<unsigned char>(c))));
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
    const std::optional<ArcGeometry> arc = CanvasArcGeometry(x1, y1, x2, y2, x3, y3, x4, y4);
    if (!arc) return;  // no ellipse to draw
    const QRectF rect(arc->left, arc->top, arc->right - arc->left, arc->bottom - arc->top);
    QPainterPath path;
    path.arcMoveTo(rect, arc->start);
    path.arcTo(rect, arc->start, arc->span);
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

int QtCanvas::TextAscent() {
    return CurrentMetrics().ascent();
}

QPen QtCanvas::MakePen() const {
    const int width = std::clamp(pen.width, 1, kMaxPenWidth);
    QPen qpen(ToQColor(pen.color));
    qpen.setWidth(width);
    // A thin line leaves out its end point only with flat caps; wide pens are round as on the platform.
    qpen.setCapStyle(width > 1 ? Qt::RoundCap : Qt::FlatCap);
    qpen.setJoinStyle(Qt::RoundJoin);
    // Qt measures dash patterns in pen widths.
    QList<qreal> pattern;
    for (const double length : DashPattern(pen.style))
        pattern.append(length);
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
