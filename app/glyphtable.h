// GlyphTable: the glyphs of single Windows-1252 characters and the kerning of character pairs in one
// raster font, learnt once from Qt's shaping and shared by every canvas. A label of simple characters is
// then put together from them without shaping it again, to the pixels Qt's own text drawing gives.
#pragma once

#include <QFont>
#include <QList>
#include <QPointF>
#include <QRawFont>
#include <QString>
#include <array>
#include <cstdint>
#include <functional>
#include <string_view>
#include <vector>

class QPaintDevice;
class GlyphTable;

// A character whose look depends on where it stands (controls; format characters such as the soft
// hyphen, which a layout shows at its end and drawText leaves out): texts holding one are drawn as text.
bool DependsOnPlace(QChar c);

// A text put together from glyphs: indexes, positions relative to the start of the baseline, advance.
struct ComposedText {
    QList<quint32> indexes;
    QList<QPointF> positions;
    qreal advance = 0;
    QRawFont raw;
    // Which table and which of its fonts raw is, so that it is copied only when it changes.
    const GlyphTable* rawTable = nullptr;
    int rawFace = -1;
};

class GlyphTable {
public:
    // shown gives the character Qt is to show for a Windows-1252 byte in this font.
    GlyphTable(QFont font, std::function<QChar(unsigned char)> shown);

    // A text laid out as Qt lays it out, into composed (whose lists are reused). False when some character or
    // pair needs real shaping (a glyph from a fallback font, a ligature, a character without a glyph); the
    // caller then shapes the text itself. device is the one the text is drawn on; it is used only during the
    // call.
    bool Compose(std::string_view text, QPaintDevice* device, ComposedText& composed);

private:
    struct Glyph {
        enum class State : std::uint8_t { Unknown, Simple, NeedsShaping };
        State state = State::Unknown;
        quint32 index = 0;
        qreal advance = 0;
        QPointF offset;  // from the pen position to the glyph's origin on the baseline
        int face = -1;   // index in faces_ of the font the glyph comes from
    };

    const Glyph& Learn(unsigned char c, QPaintDevice* device);
    qreal Kerning(unsigned char first, unsigned char second, QPaintDevice* device);

    QFont font_;
    std::function<QChar(unsigned char)> shown_;
    std::array<Glyph, 256> glyphs_;
    // The distinct fonts the glyphs come from (the font itself, or fallbacks).
    std::vector<QRawFont> faces_;
    // Kerning of each pair of bytes (first * 256 + second): infinity until learnt, NaN when the pair
    // needs shaping. Kerning is a multiple of 1/64 pixel, exact in a float.
    std::vector<float> kerning_;
};

// The table of a Qt font on a device of some resolution, made on first use and kept for the process;
// symbol tells that shown maps the bytes as the "Symbol" font shows them. nullptr once very many fonts
// have a table.
GlyphTable* SharedGlyphTable(const QFont& font, int dpi, bool symbol,
                             const std::function<QChar(unsigned char)>& shown);
