// UniformTiles: tiles of one colour, learnt by looking at their pixels when first asked about and
// forgotten whenever a draw may have changed them; rows of tiles and the whole image of one colour are
// counted along, so that a covered image answers without visiting its tiles.
#include "drawing/uniformtiles.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double kTile = UniformTiles::kTileSize;

// Floor and ceiling of a double as an int, for values the callers have clamped to [0, image size].
int FloorInt(double v) {
    return static_cast<int>(v);
}
int CeilInt(double v) {
    const int i = static_cast<int>(v);
    return i + (i < v ? 1 : 0);
}

}  // namespace

void UniformTiles::Reset(const std::uint32_t* pixels, int width, int height, std::ptrdiff_t stride) {
    pixels_ = pixels;
    width_ = std::max(0, width);
    height_ = std::max(0, height);
    stride_ = stride;
    columns_ = (width_ + kTileSize - 1) / kTileSize;
    rows_ = (height_ + kTileSize - 1) / kTileSize;
    tiles_.assign(static_cast<std::size_t>(columns_) * static_cast<std::size_t>(rows_), Tile{});
    rowsOf_.assign(static_cast<std::size_t>(rows_), Row{});
    words_ = (columns_ + 63) / 64;
    countedBits_.assign(static_cast<std::size_t>(rows_) * words_, 0);
    fullRows_ = 0;
    wholeKnown_ = false;
    unknown_ = static_cast<int>(tiles_.size());
    counted_ = 0;
    figure_ = {};
}

void UniformTiles::Detach() {
    Reset(nullptr, 0, 0, 0);
}

void UniformTiles::FootprintRect(double left, double top, double right, double bottom) {
    figure_ = {Shape::Rect, left, top, right, bottom, 0};
}

void UniformTiles::FootprintSegment(double x0, double y0, double x1, double y1, double margin) {
    figure_ = {Shape::Segment, x0, y0, x1, y1, margin};
}

void UniformTiles::FootprintRing(double cx, double cy, double inner, double outer) {
    figure_ = {Shape::Ring, cx, cy, inner, outer, 0};
}

bool UniformTiles::Columns(double left, double right, int& first, int& last) const {
    // NaN fails these tests and leaves the span out; only what lies in the image matters.
    if (!(left < right) || !(right > 0) || !(left < width_)) return false;
    // Pixel i covers [i, i + 1); half a pixel more on each side keeps touching pixels in.
    left = std::max(left - 0.5, 0.0);
    right = std::min(right + 0.5, static_cast<double>(width_));
    first = FloorInt(left) / kTileSize;
    last = std::min(columns_ - 1, std::max(0, CeilInt(right) - 1) / kTileSize);
    return first <= last;
}

bool UniformTiles::Rows(double top, double bottom, int& first, int& last) const {
    if (!(top < bottom) || !(bottom > 0) || !(top < height_)) return false;
    first = FloorInt(std::max(top, 0.0)) / kTileSize;
    last = std::min(rows_ - 1, std::max(0, CeilInt(std::min(bottom, 1.0 * height_)) - 1) / kTileSize);
    return first <= last;
}

template <typename SkipRow, typename Visit>
bool UniformTiles::ForEachSpan(SkipRow skipRow, Visit visit) const {
    const Figure& f = figure_;
    int firstRow = 0;
    int lastRow = 0;
    int first = 0;
    int last = 0;
    switch (f.shape) {
        case Shape::None:
            return true;
        case Shape::Rect: {
            if (!Rows(f.b, f.d, firstRow, lastRow) || !Columns(f.a, f.c, first, last)) return true;
            for (int row = firstRow; row <= lastRow; ++row)
                if (!skipRow(row) && !visit(row, first, last)) return false;
            return true;
        }
        case Shape::Segment: {
            const double x0 = f.a, y0 = f.b, x1 = f.c, y1 = f.d, margin = f.e;
            const double reach = margin + 0.5;
            if (!Rows(std::min(y0, y1) - reach, std::max(y0, y1) + reach, firstRow, lastRow)) return true;
            const double dx = x1 - x0;
            const double dy = y1 - y0;
            const bool level = !(std::abs(dy) > 1e-9);
            const double perY = level ? 0.0 : 1.0 / dy;
            for (int row = firstRow; row <= lastRow; ++row) {
                if (skipRow(row)) continue;
                // The part of the segment within margin of the row's band, widened by the margin.
                double from = 0;
                double to = 1;
                if (!level) {
                    from = (row * kTile - reach - y0) * perY;
                    to = ((row + 1) * kTile + reach - y0) * perY;
                    if (from > to) std::swap(from, to);
                    from = std::max(from, 0.0);
                    to = std::min(to, 1.0);
                    if (from > to) continue;
                }
                const double xa = x0 + from * dx;
                const double xb = x0 + to * dx;
                if (Columns(std::min(xa, xb) - margin, std::max(xa, xb) + margin, first, last) &&
                    !visit(row, first, last))
                    return false;
            }
            return true;
        }
        case Shape::Ring: {
            const double cx = f.a, cy = f.b, inner = f.c, outer = f.d;
            if (!(outer >= 0) || !Rows(cy - outer - 1, cy + outer + 1, firstRow, lastRow)) return true;
            for (int row = firstRow; row <= lastRow; ++row) {
                if (skipRow(row)) continue;
                const double top = row * kTile - 0.5;
                const double bottom = (row + 1) * kTile + 0.5;
                const double nearest = cy < top ? top - cy : (cy > bottom ? cy - bottom : 0.0);
                if (nearest > outer) continue;
                const double farthest = std::max(std::abs(top - cy), std::abs(bottom - cy));
                const double half = std::sqrt(outer * outer - nearest * nearest);
                // Tiles wholly inside the inner circle over the whole band are left out.
                const double hole = inner > farthest ? std::sqrt(inner * inner - farthest * farthest) : 0.0;
                if (hole <= 0) {
                    if (Columns(cx - half, cx + half, first, last) && !visit(row, first, last)) return false;
                    continue;
                }
                if (Columns(cx - half, cx - hole, first, last) && !visit(row, first, last)) return false;
                if (Columns(cx + hole, cx + half, first, last) && !visit(row, first, last)) return false;
            }
            return true;
        }
    }
    return true;
}

void UniformTiles::Set(int row, int column, State state, std::uint32_t colour) {
    Tile& tile = tiles_[static_cast<std::size_t>(row) * columns_ + column];
    Row& counts = rowsOf_[row];
    if (tile.state == State::Unknown) --unknown_;
    if (tile.state == State::Uniform && tile.colour == counts.colour) {
        SetCountedBit(row, column, false);
        if (counts.count == columns_) {
            --fullRows_;
            wholeKnown_ = false;
        }
        --counts.count;
        --counted_;
    }
    tile.state = state;
    tile.colour = colour;
    if (state == State::Unknown) ++unknown_;
    if (state != State::Uniform) return;
    if (colour == counts.colour) {
        ++counts.count;
        ++counted_;
        SetCountedBit(row, column, true);
    } else if (counts.count == 0) {
        // The row had none of its colour left: it counts this tile's colour from now on.
        counts.colour = colour;
        RecountRowBits(row);
        counted_ += counts.count;
    }
    if (counts.count == columns_) {
        ++fullRows_;
        wholeKnown_ = false;
    }
}

void UniformTiles::SetCountedBit(int row, int column, bool counted) {
    std::uint64_t& word = countedBits_[static_cast<std::size_t>(row) * words_ + column / 64];
    const std::uint64_t bit = std::uint64_t{1} << (column % 64);
    word = counted ? (word | bit) : (word & ~bit);
}

void UniformTiles::RecountRowBits(int row) {
    Row& counts = rowsOf_[row];
    std::uint64_t* words = &countedBits_[static_cast<std::size_t>(row) * words_];
    std::fill(words, words + words_, 0);
    counts.count = 0;
    const Tile* t = &tiles_[static_cast<std::size_t>(row) * columns_];
    for (int column = 0; column < columns_; ++column) {
        if (t[column].state != State::Uniform || t[column].colour != counts.colour) continue;
        words[column / 64] |= std::uint64_t{1} << (column % 64);
        ++counts.count;
    }
}

bool UniformTiles::SpanCounted(int row, int first, int last) const {
    const std::uint64_t* words = &countedBits_[static_cast<std::size_t>(row) * words_];
    for (int w = first / 64; w <= last / 64; ++w) {
        const int from = w == first / 64 ? first % 64 : 0;
        const int to = w == last / 64 ? last % 64 : 63;
        // Bits from ... to of the word.
        const std::uint64_t upTo = to == 63 ? ~std::uint64_t{0} : (std::uint64_t{1} << (to + 1)) - 1;
        const std::uint64_t mask = upTo & ~((std::uint64_t{1} << from) - 1);
        if ((words[w] & mask) != mask) return false;
    }
    return true;
}

UniformTiles::Tile& UniformTiles::Known(int row, int column) {
    Tile& tile = tiles_[static_cast<std::size_t>(row) * columns_ + column];
    if (tile.state != State::Unknown) return tile;
    const int x0 = column * kTileSize;
    const int x1 = std::min(x0 + kTileSize, width_);
    const int y0 = row * kTileSize;
    const int y1 = std::min(y0 + kTileSize, height_);
    const std::uint32_t first = pixels_[y0 * stride_ + x0];
    for (int y = y0; y < y1; ++y) {
        const std::uint32_t* line = pixels_ + y * stride_;
        for (int x = x0; x < x1; ++x) {
            if (line[x] != first) {
                Set(row, column, State::Mixed, 0);
                return tile;
            }
        }
    }
    Set(row, column, State::Uniform, first);
    return tile;
}

bool UniformTiles::AllOf(std::uint32_t colour) {
    if (pixels_ == nullptr || rows_ == 0) return false;
    if (fullRows_ != rows_) {
        // Only tiles not looked at since their last draw may keep the image from being of one colour: look
        // at them now. A tile that turns out otherwise stops this until it is drawn on again.
        if (unknown_ == 0 || counted_ + unknown_ != rows_ * columns_) return false;
        for (int row = 0; row < rows_; ++row) {
            if (rowsOf_[row].count == columns_) continue;
            for (int column = 0; column < columns_; ++column) {
                const Tile& tile = Known(row, column);
                if (tile.state != State::Uniform || tile.colour != rowsOf_[row].colour) return false;
            }
        }
        if (fullRows_ != rows_) return false;
    }
    if (!wholeKnown_) {
        const std::uint32_t firstColour = rowsOf_.front().colour;
        wholeSame_ = std::all_of(rowsOf_.begin(), rowsOf_.end(),
                                 [&](const Row& r) { return r.colour == firstColour; });
        wholeKnown_ = true;
    }
    return wholeSame_ && rowsOf_.front().colour == colour;
}

bool UniformTiles::FootprintAll(std::uint32_t colour) {
    if (pixels_ == nullptr) return false;
    if (AllOf(colour)) return true;
    return ForEachSpan([&](int row) { return RowAll(row, colour); },
                       [&](int row, int first, int last) {
                           if (rowsOf_[row].colour == colour && SpanCounted(row, first, last)) return true;
                           for (int column = first; column <= last; ++column) {
                               const Tile& tile = Known(row, column);
                               if (tile.state != State::Uniform || tile.colour != colour) return false;
                           }
                           return true;
                       });
}

void UniformTiles::Drawn(std::uint32_t colour, bool keepsColour) {
    if (pixels_ == nullptr) return;
    ForEachSpan([&](int row) { return keepsColour && RowAll(row, colour); },
                [&](int row, int first, int last) {
                    if (keepsColour && rowsOf_[row].colour == colour && SpanCounted(row, first, last))
                        return true;
                    for (int column = first; column <= last; ++column) {
                        const Tile& tile = tiles_[static_cast<std::size_t>(row) * columns_ + column];
                        if (tile.state == State::Unknown) continue;
                        if (keepsColour && tile.state == State::Uniform && tile.colour == colour) continue;
                        Set(row, column, State::Unknown, 0);
                    }
                    return true;
                });
}

void UniformTiles::Filled(const DeviceRect& rect, std::uint32_t colour) {
    const int left = std::max(rect.left, 0);
    const int top = std::max(rect.top, 0);
    const int right = std::min(rect.right, width_);
    const int bottom = std::min(rect.bottom, height_);
    if (left >= right || top >= bottom) return;
    for (int row = top / kTileSize; row <= (bottom - 1) / kTileSize; ++row) {
        const int y0 = row * kTileSize;
        const bool rowsInside = y0 >= top && std::min(y0 + kTileSize, height_) <= bottom;
        for (int column = left / kTileSize; column <= (right - 1) / kTileSize; ++column) {
            const int x0 = column * kTileSize;
            const Tile& tile = tiles_[static_cast<std::size_t>(row) * columns_ + column];
            if (rowsInside && x0 >= left && std::min(x0 + kTileSize, width_) <= right)
                Set(row, column, State::Uniform, colour);
            else if (!(tile.state == State::Uniform && tile.colour == colour) && tile.state != State::Unknown)
                Set(row, column, State::Unknown, 0);
        }
    }
}

void UniformTiles::ForgetAll() {
    std::fill(tiles_.begin(), tiles_.end(), Tile{});
    std::fill(rowsOf_.begin(), rowsOf_.end(), Row{});
    std::fill(countedBits_.begin(), countedBits_.end(), 0);
    fullRows_ = 0;
    wholeKnown_ = false;
    unknown_ = static_cast<int>(tiles_.size());
    counted_ = 0;
}

std::size_t UniformTiles::FootprintTiles() const {
    std::size_t count = 0;
    ForEachSpan([](int) { return false; },
                [&count](int, int first, int last) {
                    count += static_cast<std::size_t>(last - first + 1);
                    return true;
                });
    return count;
}
