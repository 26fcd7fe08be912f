// GlyphTable: single characters and pairs shaped once by Qt, labels put together from them.
#include "app/glyphtable.h"

#include <QGlyphRun>
#include <QTextLayout>
#include <algorithm>
#include <cmath>
#include <limits>
#include <memory>
#include <unordered_map>
#include <utility>

namespace {

// A short text as Qt shapes and places it in one line.
struct LaidOut {
    QList<QGlyphRun> runs;
    qreal advance = 0;
    qreal ascent = 0;
};

LaidOut LayOut(const QString& text, const QFont& font, QPaintDevice* device) {
    QTextLayout layout(text, font, device);
    layout.beginLayout();
    const QTextLine line = layout.createLine();
    layout.endLayout();
    return {layout.glyphRuns(), line.horizontalAdvance(), line.ascent()};
}

constexpr float kNeedsShaping = std::numeric_limits<float>::quiet_NaN();
constexpr float kUnknown = std::numeric_limits<float>::infinity();

// Fonts times sizes times resolutions seen in one process are few; a settings file asking for very many
// sizes gets shaped text beyond this.
constexpr std::size_t kMaxTables = 64;

}  // namespace

bool DependsOnPlace(QChar c) {
    return !c.isPrint() || c.category() == QChar::Other_Format;
}

GlyphTable::GlyphTable(QFont font, std::function<QChar(unsigned char)> shown)
    : font_(std::move(font)), shown_(std::move(shown)), kerning_(256 * 256, kUnknown) {}

const GlyphTable::Glyph& GlyphTable::Learn(unsigned char c, QPaintDevice* device) {
    Glyph& glyph = glyphs_[c];
    if (glyph.state != Glyph::State::Unknown) return glyph;
    glyph.state = Glyph::State::NeedsShaping;
    const QChar shown = shown_(c);
    if (DependsOnPlace(shown)) return glyph;
    const LaidOut laid = LayOut(QString(shown), font_, device);
    if (laid.runs.size() != 1 || laid.runs.front().glyphIndexes().size() != 1) return glyph;
    const QGlyphRun& run = laid.runs.front();
    if (run.glyphIndexes().front() == 0) return glyph;  // no glyph in the font
    const QPointF at = run.positions().front();
    const QRawFont raw = run.rawFont();
    auto face = std::find(faces_.begin(), faces_.end(), raw);
    if (face == faces_.end()) face = faces_.insert(faces_.end(), raw);
    glyph = {Glyph::State::Simple, run.glyphIndexes().front(), laid.advance,
             QPointF(at.x(), at.y() - laid.ascent), static_cast<int>(face - faces_.begin())};
    return glyph;
}

qreal GlyphTable::Kerning(unsigned char first, unsigned char second, QPaintDevice* device) {
    float& kerning = kerning_[first * 256 + second];
    if (kerning != kUnknown) return kerning;
    kerning = kNeedsShaping;
    const Glyph& a = glyphs_[first];
    const Glyph& b = glyphs_[second];
    const LaidOut laid = LayOut(QString(shown_(first)) + shown_(second), font_, device);
    if (laid.runs.size() != 1) return kerning;
    const QGlyphRun& run = laid.runs.front();
    // Two glyphs, the same as alone: no ligature, no substitution, no other font.
    if (run.glyphIndexes() != QList<quint32>{a.index, b.index} || !(run.rawFont() == faces_[a.face]))
        return kerning;
    const QPointF p = run.positions()[0] - QPointF(0, laid.ascent);
    const QPointF q = run.positions()[1] - QPointF(0, laid.ascent);
    if (p != a.offset || q.y() != b.offset.y()) return kerning;
    const qreal shift = q.x() - b.offset.x() - a.advance;
    // Kerning moves the second glyph and the end alike; anything else is more than a pair adjustment.
    if (laid.advance != a.advance + shift + b.advance) return kerning;
    kerning = static_cast<float>(shift);
    return kerning;
}

bool GlyphTable::Compose(std::string_view text, QPaintDevice* device, ComposedText& composed) {
    composed.indexes.clear();
    composed.positions.clear();
    qreal x = 0;
    const Glyph* previous = nullptr;
    unsigned char previousChar = 0;
    for (const char ch : text) {
        const auto c = static_cast<unsigned char>(ch);
        const Glyph& glyph = Learn(c, device);
        if (glyph.state != Glyph::State::Simple) return false;
        if (previous != nullptr) {
            if (glyph.face != previous->face) return false;
            const qreal kerning = Kerning(previousChar, c, device);
            if (std::isnan(kerning)) return false;
            x += kerning;
        }
        composed.indexes.append(glyph.index);
        composed.positions.append(QPointF(x + glyph.offset.x(), glyph.offset.y()));
        x += glyph.advance;
        previous = &glyph;
        previousChar = c;
    }
    if (previous != nullptr && (composed.rawTable != this || composed.rawFace != previous->face)) {
        composed.raw = faces_[previous->face];
        composed.rawTable = this;
        composed.rawFace = previous->face;
    }
    composed.advance = x;
    return true;
}

GlyphTable* SharedGlyphTable(const QFont& font, int dpi, bool symbol,
                             const std::function<QChar(unsigned char)>& shown) {
    static std::unordered_map<QString, std::unique_ptr<GlyphTable>> tables;
    const QString key =
        font.key() + QLatin1Char('/') + QString::number(dpi) + QLatin1String(symbol ? "/S" : "/T");
    if (const auto found = tables.find(key); found != tables.end()) return found->second.get();
    if (tables.size() >= kMaxTables) return nullptr;
    return tables.emplace(key, std::make_unique<GlyphTable>(font, shown)).first->second.get();
}
