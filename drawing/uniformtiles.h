// UniformTiles: which square tiles of a 32-bit raster image are of one colour throughout, so that a canvas
// can leave out a draw that would only put a colour onto pixels that have it already. A big construction
// on a small image covers most of it many times over; those draws then cost a look at a few tiles, or at
// one number once the whole image is of one colour.
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

    // True when every pixel of the image is known to have the colour: any draw of it may be left out.
    bool AllOf(std::uint32_t colour);
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
    // Per row of tiles: how many are known to be of the row's colour. A row whose count is the number of
    // columns is of that colour throughout.
    struct Row {
        std::uint32_t colour = 0;
        int count = 0;
    };
    enum class Shape : std::uint8_t { None, Rect, Segment, Ring };
    // The current footprint, kept as its figure and turned into tiles row by row when asked.
    struct Figure {
        Shape shape = Shape::None;
        double a = 0, b = 0, c = 0, d = 0, e = 0;
    };

    // Calls visit(row, first, last) for the tiles first ... last of each row in the footprint, except rows
    // for which skipRow(row) is true, until it returns false; false if it did.
    template <typename SkipRow, typename Visit>
    bool ForEachSpan(SkipRow skipRow, Visit visit) const;
    // The columns of the tiles holding pixels of [left, right); false when there are none.
    bool Columns(double left, double right, int& first, int& last) const;
    // The rows of tiles holding pixels of [top, bottom); false when there are none.
    bool Rows(double top, double bottom, int& first, int& last) const;
    Tile& Known(int row, int column);
    void Set(int row, int column, State state, std::uint32_t colour);
    bool RowAll(int row, std::uint32_t colour) const {
        return rowsOf_[row].count == columns_ && rowsOf_[row].colour == colour;
    }
    // Whether the tiles first ... last of the row are all counted by the row (of its colour); a look at
    // a few words of bits.
    bool SpanCounted(int row, int first, int last) const;
    void SetCountedBit(int row, int column, bool counted);
    void RecountRowBits(int row);

    const std::uint32_t* pixels_ = nullptr;
    int width_ = 0;
    int height_ = 0;
    std::ptrdiff_t stride_ = 0;
    int columns_ = 0;
    int rows_ = 0;
    std::vector<Tile> tiles_;
    std::vector<Row> rowsOf_;
    // One bit per tile, rows of words: the tile is counted by its row.
    int words_ = 0;
    std::vector<std::uint64_t> countedBits_;
    // How many rows are of one colour throughout, and whether those are all of the first row's colour
    // (worked out when asked, after the count changed).
    int fullRows_ = 0;
    bool wholeKnown_ = false;
    bool wholeSame_ = false;
    // Tiles not known, and tiles counted by their rows, over the whole image.
    int unknown_ = 0;
    int counted_ = 0;
    Figure figure_;
};
