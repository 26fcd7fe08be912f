// QtCanvas: platform-canvas semantics (end points left out, dots, arcs, opaque text) on a QPainter.
#include "app/qtcanvas.h"

#include <QImage>
#include <QList>
#include <QPaintEngine>
#include <QPainterPath>
#include <QTextLayout>
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <numbers>

#include "app/glyphtable.h"
#include "app/qtext.h"
#include "drawing/arcgeometry.h"
#include "drawing/clipping.h"
#include "drawing/pens.h"
#include "drawing/transform.h"
#include "text/symbolfont.h"

namespace {

constexpr int kMaxPenWidth = 256;
constexpr int kMaxFontPoints = 1000;
// Bounds of the caches of fonts and of shaped texts per font.
constexpr std::size_t kMaxCachedFonts = 4;
constexpr std::size_t kMaxCachedTexts = 1024;

// Margin around a stroke's ideal line that holds every pixel the rasteriser may set for it.
double StrokeMargin(int width) {
    return width / 2.0 + 2;
}

// An arc this many times larger than the image is left to Qt without a footprint: far beyond the image,
// the flattening of the curve is the rasteriser's business.
constexpr double kMaxTrackedArcScale = 4;

std::uint32_t PixelOf(TColor c) {
    return qRgb(c.r, c.g, c.b);
}

// Antialiased text blends its colour into the image through Qt's gamma tables, which map only the ends of
// each channel onto themselves: only there is text drawn onto its own colour sure to change nothing.
bool BlendsOntoItselfExactly(TColor c) {
    const auto end = [](int channel) { return channel == 0 || channel == 255; };
    return end(c.r) && end(c.g) && end(c.b);
}

int ClampCoordinate(int v) {
    return std::clamp(v, -kDeviceLimit, kDeviceLimit);
}

// A Windows-1252 text as a canvas font shows it: the "Symbol" font shows Latin letters as Greek.
QString ShownIn(bool symbol, std::string_view cp1252) {
    return symbol ? SymbolFontText(cp1252) : Cp1252ToQString(cp1252);
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

bool QtCanvas::TrackTiles() {
    if (!skipsInvisible_ || !raster_) return false;
    const QPaintDevice* device = painter_->device();
    if (device == nullptr || device->devType() != QInternal::Image) return false;
    const QImage& image = *static_cast<const QImage*>(device);
    if (&image == tilesImage_ && image.constBits() == tilesBits_ && image.cacheKey() == tilesKey_)
        return tiles_.Attached();
    tilesImage_ = &image;
    tilesBits_ = image.constBits();
    tilesKey_ = image.cacheKey();
    // Pixels as the canvas's colours give them, put into the image as they are drawn.
    const bool plain =
        (image.format() == QImage::Format_RGB32 || image.format() == QImage::Format_ARGB32_Premultiplied) &&
        image.bytesPerLine() % 4 == 0 && painter_->deviceTransform().isIdentity() &&
        painter_->compositionMode() == QPainter::CompositionMode_SourceOver && painter_->opacity() == 1.0 &&
        !painter_->testRenderHint(QPainter::Antialiasing);
    if (plain) {
        tiles_.Reset(reinterpret_cast<const std::uint32_t*>(image.constBits()), image.width(), image.height(),
                     image.bytesPerLine() / 4);
    } else {
        tiles_.Detach();
    }
    return tiles_.Attached();
}

template <typename DrawFn>
void QtCanvas::DrawUnlessInvisible(bool tracked, TColor colour, bool keepsColour, DrawFn draw) {
    if (!tracked) {
        draw();
        return;
    }
    const std::uint32_t pixel = PixelOf(colour);
    if (keepsColour && tiles_.FootprintAll(pixel)) {
        ++skipped_;
        return;
    }
    draw();
    tiles_.Drawn(pixel, keepsColour);
}

QtCanvas::QtCanvas(QPainter* painter, DeviceRect area) : painter_(painter), clip_(area), raster_(IsRaster()) {
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
    const bool tracked = TrackTiles();
    if (tracked && tiles_.AllOf(PixelOf(pen.color))) {
        ++skipped_;
        return;
    }
    if (fromX == x && fromY == y) {
        // A zero-length line leaves no mark with a thin pen and a round dot of the pen's width otherwise.
        if (width > 1) {
            if (tracked) {
                const double reach = StrokeMargin(width);
                tiles_.FootprintRect(x - reach, y - reach, x + reach, y + reach);
            }
            DrawUnlessInvisible(tracked, pen.color, true, [&] {
                const double centreShift = (width % 2 == 1) ? 0.5 : 0.0;
                painter_->setPen(Qt::NoPen);
                painter_->setBrush(ToQColor(pen.color));
                painter_->drawEllipse(QPointF(x + centreShift, y + centreShift), width / 2.0, width / 2.0);
            });
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

    if (tracked)
        tiles_.FootprintSegment(fromX + t0 * dx, fromY + t0 * dy, fromX + t1 * dx, fromY + t1 * dy,
                                StrokeMargin(width));
    DrawUnlessInvisible(tracked, pen.color, true, [&] {
        const QPen& qpen = StrokePen();
        if (t0 > 0 && qpen.style() != Qt::SolidLine) {
            QPen shifted = qpen;
            shifted.setDashOffset(t0 * std::hypot(dx, dy) / width);
            painter_->setPen(shifted);
        } else {
            painter_->setPen(qpen);  // the same pen object again costs the painter one comparison
        }
        if (t0 == 0 && t1 == 1) {  // exact: unclipped lines keep their integer end points
            painter_->drawLine(fromX, fromY, x, y);
        } else {
            painter_->drawLine(QPointF(fromX + t0 * dx, fromY + t0 * dy),
                               QPointF(fromX + t1 * dx, fromY + t1 * dy));
        }
    });
}

void QtCanvas::Arc(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4) {
    const bool tracked = TrackTiles();
    if (tracked && tiles_.AllOf(PixelOf(pen.color))) {
        ++skipped_;
        return;
    }
    const std::optional<ArcGeometry> arc = CanvasArcGeometry(x1, y1, x2, y2, x3, y3, x4, y4);
    if (!arc) return;  // no ellipse to draw
    const QRectF rect(arc->left, arc->top, arc->right - arc->left, arc->bottom - arc->top);
    const auto draw = [&] {
        QPainterPath path;
        path.arcMoveTo(rect, arc->start);
        path.arcTo(rect, arc->start, arc->span);
        painter_->setPen(StrokePen());
        painter_->setBrush(Qt::NoBrush);
        painter_->drawPath(path);
    };
    if (!tracked) {
        draw();
        return;
    }
    // The outline of the ellipse lies between the circles of its two half axes; the curve Qt makes of it
    // strays from the ellipse by a tiny part of its size.
    const double a = rect.width() / 2;
    const double b = rect.height() / 2;
    const double larger = std::max(a, b);
    const double imageSize = (tiles_.Columns() + tiles_.Rows()) * 1.0 * UniformTiles::kTileSize;
    if (larger > kMaxTrackedArcScale * imageSize) {
        draw();
        tiles_.ForgetAll();
        return;
    }
    const double margin = StrokeMargin(std::clamp(pen.width, 1, kMaxPenWidth)) + larger * 1e-3;
    tiles_.FootprintRing(rect.center().x(), rect.center().y(), std::min(a, b) - margin, larger + margin);
    DrawUnlessInvisible(true, pen.color, true, draw);
}

void QtCanvas::FillRect(const DeviceRect& rect) {
    if (brush.style != BrushStyle::Solid) return;
    const QRect r = ToQRect(rect);
    painter_->fillRect(r, ToQColor(brush.color));
    if (!TrackTiles()) return;
    const QRect filled = r.intersected(ToQRect(clip_));
    if (filled.isEmpty()) return;
    tiles_.Filled({filled.left(), filled.top(), filled.right() + 1, filled.bottom() + 1},
                  PixelOf(brush.color));
}

void QtCanvas::Rectangle(const DeviceRect& rect) {
    const QRect r = ToQRect(rect);
    if (r.isEmpty()) return;
    if (TrackTiles()) {
        // Two colours: whatever it covers is no longer known.
        tiles_.FootprintRect(r.left(), r.top(), r.left() + r.width(), r.top() + r.height());
        tiles_.Drawn(PixelOf(pen.color), false);
    }
    if (brush.style == BrushStyle::Solid) painter_->fillRect(r, ToQColor(brush.color));
    // The outline runs on the outermost pixels inside the rectangle, right and bottom exclusive.
    painter_->setPen(StrokePen());
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
    const bool tracked = TrackTiles();
    // A text on its own colour changes nothing, unless an opaque background comes with it.
    const bool keepsColour = brush.style != BrushStyle::Solid && BlendsOntoItselfExactly(font.color);
    if (tracked && keepsColour && tiles_.AllOf(PixelOf(font.color))) {
        ++skipped_;
        return;
    }
    if (Compose(text)) {
        // Most labels: glyphs put together from the font's table, no shaping.
        const FontCache& f = *current_;
        const int height = f.height;
        if (tracked) {
            // Glyphs may reach beyond the advance and the line height, never by a whole line height.
            const int reach = height + 2;
            tiles_.FootprintRect(x - reach, y - reach, x + composed_.advance + reach, y + height + reach);
        }
        DrawUnlessInvisible(tracked, font.color, keepsColour, [&] {
            if (brush.style == BrushStyle::Solid)
                painter_->fillRect(QRect(x, y, qRound(composed_.advance), height), ToQColor(brush.color));
            if (composed_.indexes.isEmpty()) return;
            SetTextPen();
            QGlyphRun run;
            run.setRawFont(composed_.raw);
            run.setGlyphIndexes(composed_.indexes);
            run.setPositions(composed_.positions);
            painter_->drawGlyphRun(QPointF(x, y + f.ascent), run);
        });
        return;
    }
    ShapedText& shaped = Shaped(text);
    FontCache& f = *current_;
    if (tracked) {
        // Shaped text may take glyphs from other fonts: a wider margin.
        const int reach = 2 * f.height + 2;
        tiles_.FootprintRect(x - reach, y - reach, x + Width(shaped) + reach, y + f.height + reach);
    }
    DrawUnlessInvisible(tracked, font.color, keepsColour, [&] { DrawShaped(x, y, shaped, f); });
}

void QtCanvas::DrawShaped(int x, int y, ShapedText& shaped, FontCache& f) {
    if (brush.style == BrushStyle::Solid)
        painter_->fillRect(QRect(x, y, Width(shaped), f.height), ToQColor(brush.color));
    SetTextPen();
    const QPoint baseline(x, y + f.ascent);
    // A text drawn a second time (a point is drawn again with every figure on it) is shaped once more
    // into glyphs that later draws reuse. Only raster devices: vector devices keep text as text.
    if (++shaped.draws == 2 && raster_) ShapeGlyphs(shaped, f);
    if (!shaped.glyphs.isEmpty()) {
        for (const QGlyphRun& run : shaped.glyphs)
            painter_->drawGlyphRun(baseline, run);
        return;
    }
    // Setting a font makes the painter resolve a copy of it, and vector devices write out every change;
    // so the font is set only when the painter does not hold it from the last time.
    if (fontSetId_ != f.id || !(painter_->font() == fontSet_)) {
        painter_->setFont(f.qfont);
        fontSet_ = painter_->font();
        fontSetId_ = f.id;
    }
    painter_->drawText(baseline, shaped.shown);
}

int QtCanvas::TextWidth(const std::string& text) {
    if (Compose(text)) return qRound(composed_.advance);
    return Width(Shaped(text));
}

void QtCanvas::SetTextPen() {
    if (!textPenColor_ || *textPenColor_ != font.color) {
        textPen_ = QPen(ToQColor(font.color));
        textPenColor_ = font.color;
    }
    painter_->setPen(textPen_);
}

bool QtCanvas::Compose(const std::string& text) {
    GlyphTable* table = CurrentFont().glyphs;
    if (table == nullptr) return false;
    if (table == composedTable_ && text == composedText_) return composedOk_;
    composedOk_ = table->Compose(text, painter_->device(), composed_);
    composedTable_ = table;
    composedText_ = text;
    return composedOk_;
}

int QtCanvas::TextHeight(const std::string&) {
    return CurrentFont().height;
}

int QtCanvas::TextAscent() {
    return CurrentFont().ascent;
}

const QPen& QtCanvas::StrokePen() {
    if (strokeKey_ && *strokeKey_ == pen) return strokePen_;
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
    strokePen_ = qpen;
    strokeKey_ = pen;
    return strokePen_;
}

QtCanvas::FontCache& QtCanvas::CurrentFont() {
    const int dpi = painter_->device()->logicalDpiY();
    const auto matches = [&](const FontCache& f) {
        return f.key.name == font.name && f.key.size == font.size && f.dpi == dpi;
    };
    if (current_ != nullptr && matches(*current_)) return *current_;
    for (const auto& f : fonts_) {
        if (matches(*f)) {
            current_ = f.get();
            return *current_;
        }
    }
    // "Symbol" text arrives as Unicode Greek (SymbolFontText), so it needs a font with Greek letters,
    // not a symbol-encoded one.
    const bool standard = font.name == "Arial" || font.name == "Symbol";
    QFont qfont(standard ? QStringLiteral("Arial") : Cp1252ToQString(font.name));
    const int points = std::clamp(font.size, 1, kMaxFontPoints);
    qfont.setPixelSize(std::max(1, static_cast<int>(std::lround(points * dpi / 72.0))));
    if (fonts_.size() >= kMaxCachedFonts) fonts_.erase(fonts_.begin());
    const QFontMetrics metrics(qfont, painter_->device());
    fonts_.push_back(std::make_unique<FontCache>(
        FontCache{++lastFontId_, font, dpi, qfont, metrics, metrics.height(), metrics.ascent(), {}}));
    current_ = fonts_.back().get();
    if (raster_) {
        const bool symbol = font.name == "Symbol";
        current_->glyphs = SharedGlyphTable(qfont, dpi, symbol, [symbol](unsigned char c) {
            const char byte = static_cast<char>(c);
            const QString shown = ShownIn(symbol, {&byte, 1});
            return shown.isEmpty() ? QChar() : shown.front();
        });
    }
    return *current_;
}

QtCanvas::ShapedText& QtCanvas::Shaped(const std::string& text) {
    FontCache& f = CurrentFont();
    if (const auto found = f.texts.find(text); found != f.texts.end()) return found->second;
    // Labels come back soon (a point is drawn again with every figure on it), rarely much later.
    if (f.texts.size() >= kMaxCachedTexts) f.texts.clear();
    ShapedText shaped;
    shaped.shown = ShownText(text);
    return f.texts.emplace(text, std::move(shaped)).first->second;
}

int QtCanvas::Width(ShapedText& shaped) {
    if (!shaped.width) shaped.width = current_->metrics.horizontalAdvance(shaped.shown);
    return *shaped.width;
}

bool QtCanvas::IsRaster() const {
    const QPaintEngine* engine = painter_->paintEngine();
    return engine != nullptr && engine->type() == QPaintEngine::Raster;
}

void QtCanvas::ShapeGlyphs(ShapedText& shaped, const FontCache& f) const {
    if (shaped.shown.isEmpty()) return;
    for (const QChar c : shaped.shown)
        if (DependsOnPlace(c)) return;
    QTextLayout layout(shaped.shown, f.qfont, painter_->device());
    layout.beginLayout();
    const QTextLine line = layout.createLine();
    layout.endLayout();
    // Positions relative to the start of the baseline, where drawText puts the text.
    const qreal ascent = line.ascent();
    shaped.glyphs = layout.glyphRuns();
    for (QGlyphRun& run : shaped.glyphs) {
        QList<QPointF> positions = run.positions();
        for (QPointF& p : positions)
            p.ry() -= ascent;
        run.setPositions(positions);
    }
}

QString QtCanvas::ShownText(const std::string& text) const {
    return ShownIn(font.name == "Symbol", text);
}
