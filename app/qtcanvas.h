// QtCanvas: the drawing layer's canvas on a QPainter (image, SVG, PDF, the window's backing image, printer).
#pragma once

#include <QFont>
#include <QFontMetrics>
#include <QGlyphRun>
#include <QList>
#include <QPainter>
#include <QPen>
#include <QString>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "app/glyphtable.h"
#include "drawing/canvas.h"
#include "drawing/uniformtiles.h"

class QtCanvas : public Canvas {
public:
    // painter is not owned; it must be active on its device for the canvas's whole life. area is the
    // drawing area in device units and the initial clip rectangle. Strokes are drawn aliased, text
    // antialiased.
    QtCanvas(QPainter* painter, DeviceRect area);

    void MoveTo(int x, int y) override;
    void LineTo(int x, int y) override;
    void Arc(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4) override;
    void FillRect(const DeviceRect& rect) override;
    void Rectangle(const DeviceRect& rect) override;
    DeviceRect ClipRect() const override { return clip_; }
    void SetClipRect(const DeviceRect& rect) override;
    void TextOut(int x, int y, const std::string& text) override;
    int TextWidth(const std::string& text) override;
    int TextHeight(const std::string& text) override;
    // From the top of a text drawn by TextOut down to its base line, in the current font.
    int TextAscent();
    // Whether draws that would leave an image as it is are left out (on by default; the picture is the same
    // either way, which the tests compare).
    void SetSkipsInvisibleDraws(bool skips) { skipsInvisible_ = skips; }
    // How many draws were left out so far.
    std::size_t SkippedDraws() const { return skipped_; }

private:
    // A text as it is shown in one font: the Qt string, its width once asked for, how often it was drawn
    // and, from its second draw on raster devices, its glyphs shaped with their positions relative to
    // the start of the baseline.
    struct ShapedText {
        QString shown;
        std::optional<int> width;
        int draws = 0;
        QList<QGlyphRun> glyphs;
    };
    // A Qt font for one canvas font at one resolution, with its metrics and the texts shaped in it.
    struct FontCache {
        int id = 0;
        Font key;
        int dpi = 0;
        QFont qfont;
        QFontMetrics metrics;
        // metrics.height() and ascent(), which ask the font engine every time.
        int height = 0;
        int ascent = 0;
        std::unordered_map<std::string, ShapedText> texts;
        GlyphTable* glyphs = nullptr;  // raster devices only; not owned
    };

    // The Qt pen of the canvas pen, made again only when the canvas pen changed.
    const QPen& StrokePen();
    void SetTextPen();
    // The cache of the current canvas font on the current device.
    FontCache& CurrentFont();
    ShapedText& Shaped(const std::string& text);
    int Width(ShapedText& shaped);
    bool IsRaster() const;
    // The text put together from the current font's glyph table into composed_, false when it needs
    // shaping.
    bool Compose(const std::string& text);
    void ShapeGlyphs(ShapedText& shaped, const FontCache& f) const;
    // A text that needs shaping, drawn at (x, y) in font f.
    void DrawShaped(int x, int y, ShapedText& shaped, FontCache& f);
    QString ShownText(const std::string& text) const;
    // The tiles of the image the painter draws on, brought up to date with the image; false on other
    // devices, where nothing is left out.
    bool TrackTiles();
    // Calls draw, whose footprint tiles_ holds, unless keepsColour (as for UniformTiles::Drawn) and the
    // footprint is known to be of the colour already.
    template <typename DrawFn>
    void DrawUnlessInvisible(bool tracked, TColor colour, bool keepsColour, DrawFn draw);

    QPainter* painter_;  // not owned
    DeviceRect clip_;
    bool raster_ = false;
    // The last composed text, kept to reuse its lists and, for the same text in the same table (a label is
    // measured and then drawn), its result.
    ComposedText composed_;
    const GlyphTable* composedTable_ = nullptr;
    std::string composedText_;
    bool composedOk_ = false;
    int penX_ = 0;
    int penY_ = 0;

    std::optional<Pen> strokeKey_;
    QPen strokePen_;
    std::optional<TColor> textPenColor_;
    QPen textPen_;
    // A few fonts at most (labels use two); the current one is fonts_[current_].
    std::vector<std::unique_ptr<FontCache>> fonts_;
    FontCache* current_ = nullptr;
    int lastFontId_ = 0;
    // The painter's font right after this canvas last set the font of cache fontSetId_: while the painter
    // still holds it, setting it again can be left out (a new page or image resets it).
    QFont fontSet_;
    int fontSetId_ = 0;

    bool skipsInvisible_ = true;
    std::size_t skipped_ = 0;
    UniformTiles tiles_;
    // What the tiles were made for: the image, its pixel buffer and its cache key (which changes whenever
    // the image is changed other than by a painter).
    const void* tilesImage_ = nullptr;
    const void* tilesBits_ = nullptr;
    qint64 tilesKey_ = 0;
};

// Text in the "Symbol" font: Latin letters become the Greek letters at their places in the Adobe
// Symbol encoding (a alpha, b beta, g gamma, ...); other characters as in Windows-1252.
QString SymbolFontText(std::string_view cp1252);
