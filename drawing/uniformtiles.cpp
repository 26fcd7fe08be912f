// UniformTiles: tiles of one colour, learnt by looking at their pixels when first asked about and
// forgotten whenever a draw may have changed them.
#include "drawing/uniformtiles.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double kTile = UniformTiles::kTileSize;

// Floor of a double as an int, for values the callers have clamped to a small range already.
int FloorInt(double v) {
    return static_cast<int>(std::floor(v));
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
    spans_.clear();
}

void UniformTiles::Detach() {
    Reset(nullptr, 0, 0, 0);
}

void UniformTiles::AddSpan(int row, double left, double right) {
    // NaN fails both tests and leaves the span out; only what lies in the image matters.
    if (!(left < right) || !(right > 0) || !(left < width_)) return;
    // Pixel i covers [i, i + 1); half a pixel more on each side keeps touching pixels in.
    left = std::max(left - 0.5, 0.0);
    right = std::min(right + 0.5, static_cast<double>(width_));
    const int first = FloorInt(left) / kTileSize;
    const int last = std::min(columns_ - 1, std::max(0, FloorInt(std::ceil(right)) - 1) / kTileSize);
    if (first <= last) spans_.push_back({row, first, last});
}

void UniformTiles::FootprintRect(double left, double top, double right, double bottom) {
    spans_.clear();
    if (!(top < bottom) || !(bottom > 0) || !(top < height_)) return;
    const int firstRow = FloorInt(std::max(top, 0.0)) / kTileSize;
    const int lastRow =
        std::min(rows_ - 1, FloorInt(std::min(std::ceil(bottom), 1.0 * height_) - 1) / kTileSize);
    for (int row = firstRow; row <= lastRow; ++row)
        AddSpan(row, left, right);
}

void UniformTiles::FootprintSegment(double x0, double y0, double x1, double y1, double margin) {
    spans_.clear();
    const double top = std::min(y0, y1) - margin - 0.5;
    const double bottom = std::max(y0, y1) + margin + 0.5;
    if (!(top < height_) || !(bottom > 0)) return;
    const int firstRow = FloorInt(std::max(top, 0.0)) / kTileSize;
    const int lastRow = std::min(rows_ - 1, FloorInt(std::min(bottom, 1.0 * height_)) / kTileSize);
    const double dx = x1 - x0;
    const double dy = y1 - y0;
    for (int row = firstRow; row <= lastRow; ++row) {
        // The part of the segment within margin of the row's band, widened by the margin.
        double from = 0;
        double to = 1;
        if (std::abs(dy) > 1e-9) {
            from = (row * kTile - margin - 0.5 - y0) / dy;
            to = ((row + 1) * kTile + margin + 0.5 - y0) / dy;
            if (from > to) std::swap(from, to);
            from = std::max(from, 0.0);
            to = std::min(to, 1.0);
            if (from > to) continue;
        }
        const double xa = x0 + from * dx;
        const double xb = x0 + to * dx;
        AddSpan(row, std::min(xa, xb) - margin, std::max(xa, xb) + margin);
    }
}

void UniformTiles::FootprintRing(double cx, double cy, double inner, double outer) {
    spans_.clear();
    if (!(outer >= 0) || !(cy - outer < height_) || !(cy + outer > 0)) return;
    const int firstRow = FloorInt(std::max(cy - outer - 1, 0.0)) / kTileSize;
    const int lastRow = std::min(rows_ - 1, FloorInt(std::min(cy + outer + 1, 1.0 * height_)) / kTileSize);
    for (int row = firstRow; row <= lastRow; ++row) {
        const double top = row * kTile - 0.5;
        const double bottom = (row + 1) * kTile + 0.5;
        const double nearest = cy < top ? top - cy : (cy > bottom ? cy - bottom : 0.0);
        if (nearest > outer) continue;
        const double farthest = std::max(std::abs(top - cy), std::abs(bottom - cy));
        const double half = std::sqrt(outer * outer - nearest * nearest);
        // Tiles wholly inside the inner circle over the whole band are left out.
        const double hole = inner > farthest ? std::sqrt(inner * inner - farthest * farthest) : 0.0;
        if (hole <= 0) {
            AddSpan(row, cx - half, cx + half);
        } else {
            AddSpan(row, cx - half, cx - hole);
            AddSpan(row, cx + hole, cx + half);
        }
    }
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
                tile.state = State::Mixed;
                return tile;
            }
        }
    }
    tile.state = State::Uniform;
    tile.colour = first;
    return tile;
}

bool UniformTiles::FootprintAll(std::uint32_t colour) {
    if (pixels_ == nullptr) return false;
    for (const Span& span : spans_) {
        for (int column = span.first; column <= span.last; ++column) {
            const Tile& tile = Known(span.row, column);
            if (tile.state != State::Uniform || tile.colour != colour) return false;
        }
    }
    return true;
}

void UniformTiles::Drawn(std::uint32_t colour, bool keepsColour) {
    for (const Span& span : spans_) {
        Tile* tile = &tiles_[static_cast<std::size_t>(span.row) * columns_ + span.first];
        for (int column = span.first; column <= span.last; ++column, ++tile) {
            if (keepsColour && tile->state == State::Uniform && tile->colour == colour) continue;
            tile->state = State::Unknown;
        }
    }
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
            Tile& tile = tiles_[static_cast<std::size_t>(row) * columns_ + column];
            if (rowsInside && x0 >= left && std::min(x0 + kTileSize, width_) <= right) {
                tile.state = State::Uniform;
                tile.colour = colour;
            } else if (!(tile.state == State::Uniform && tile.colour == colour)) {
                tile.state = State::Unknown;
            }
        }
    }
}

void UniformTiles::ForgetAll() {
    std::fill(tiles_.begin(), tiles_.end(), Tile{});
}

std::size_t UniformTiles::FootprintTiles() const {
    std::size_t count = 0;
    for (const Span& span : spans_)
        count += static_cast<std::size_t>(span.last - span.first + 1);
    return count;
}
