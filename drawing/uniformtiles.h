// UniformTiles: which square tiles of a 32-bit raster image are of one colour throughout, so that a canvas
// can leave out a draw that would only put a colour onto pixels that have it already. A big construction
// on a small image covers most of it many times over; those draws then cost a look at a few tiles.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "drawing/canvas.h"

class UniformTiles {
public:
    static constexpr int kTileSize = 16;

    // Starts over on an image of width x height pixels whose rows begin stride pixels apart. pixels is not
    // owned and must stay valid, and every change to it must be reported here, while the tiles are used.
    void Reset(const std::uint32_t* pixels, int width, int height, std::ptrdiff_t stride);
    // No image: every footprint is unknown.
    void Detach();
    bool Attached() const { return pixels_ != nullptr; }

    // The footprint of the next draw, a superset of the pixels it may change: a rectangle (right and bottom
    // exclusive), the pixels within margin of a segment, or the pixels between two distances from a point.
    void FootprintRect(double left, double top, double right, double bottom);
    void FootprintSegment(double x0, double y0, double x1, double y1, double margin);
    void FootprintRing(double cx, double cy, double inner, double outer);

    // True when every pixel of the footprint inside the image has the colour.
    bool FootprintAll(std::uint32_t colour);
    // The footprint was drawn in colour. keepsColour: the draw leaves pixels of its own colour as they are,
    // so tiles of that colour stay known.
    void Drawn(std::uint32_t colour, bool keepsColour);
    // The rectangle (right and bottom exclusive) was filled with colour: tiles wholly inside it are of that
    // colour, others it touches are no longer known.
    void Filled(const DeviceRect& rect, std::uint32_t colour);
    // Something changed pixels anywhere.
    void ForgetAll();

    int Columns() const { return columns_; }
    int Rows() const { return rows_; }
    // Number of tiles in the current footprint (for tests).
    std::size_t FootprintTiles() const;

private:
    enum class State : std::uint8_t { Unknown, Uniform, Mixed };
    struct Tile {
        std::uint32_t colour = 0;
        State state = State::Unknown;
    };
    // The tiles first ... last of a row of tiles.
    struct Span {
        int row;
        int first;
        int last;
    };

    // Adds the columns of the row whose pixels lie in [left, right).
    void AddSpan(int row, double left, double right);
    Tile& Known(int row, int column);

    const std::uint32_t* pixels_ = nullptr;
    int width_ = 0;
    int height_ = 0;
    std::ptrdiff_t stride_ = 0;
    int columns_ = 0;
    int rows_ = 0;
    std::vector<Tile> tiles_;
    std::vector<Span> spans_;
};
