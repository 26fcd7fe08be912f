// UniformTiles: footprints hold every pixel near their figure, and what is known of a tile follows the
// draws reported to it.
#include "drawing/uniformtiles.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <random>
#include <vector>

namespace {

constexpr std::uint32_t kBlack = 0xFF000000;
constexpr std::uint32_t kWhite = 0xFFFFFFFF;

// An image of one colour with its tiles; single pixels can be set to another colour.
class TileImage {
public:
    TileImage(int width, int height, std::uint32_t colour, int padding = 3)
        : width_(width),
          stride_(width + padding),
          pixels_(static_cast<std::size_t>(stride_) * height, colour) {
        tiles.Reset(pixels_.data(), width, height, stride_);
    }
    void Set(int x, int y, std::uint32_t colour) {
        pixels_[static_cast<std::size_t>(y) * stride_ + x] = colour;
    }
    std::uint32_t At(int x, int y) const { return pixels_[static_cast<std::size_t>(y) * stride_ + x]; }

    UniformTiles tiles;

private:
    int width_;
    int stride_;
    std::vector<std::uint32_t> pixels_;
};

double DistanceToSegment(double px, double py, double x0, double y0, double x1, double y1) {
    const double dx = x1 - x0;
    const double dy = y1 - y0;
    const double length = dx * dx + dy * dy;
    const double t = length == 0 ? 0 : std::clamp(((px - x0) * dx + (py - y0) * dy) / length, 0.0, 1.0);
    return std::hypot(px - (x0 + t * dx), py - (y0 + t * dy));
}

TEST(UniformTiles, FootprintsHoldEveryPixelNearTheirFigure) {
    // A pixel of another colour inside the footprint's reach must make the footprint not all black.
    std::mt19937 random(11);
    const auto uniform = [&](double low, double high) {
        return std::uniform_real_distribution<double>(low, high)(random);
    };
    constexpr int kWidth = 83;
    constexpr int kHeight = 61;
    int inside = 0;
    for (int round = 0; round < 300; ++round) {
        const int px = static_cast<int>(random() % kWidth);
        const int py = static_cast<int>(random() % kHeight);
        TileImage image(kWidth, kHeight, kBlack);
        image.Set(px, py, kWhite);
        // The pixel's centre stands for the pixel.
        const double cx = px + 0.5;
        const double cy = py + 0.5;

        const double x0 = uniform(-40, 120);
        const double y0 = uniform(-40, 100);
        const double x1 = round % 7 == 0 ? x0 : uniform(-40, 120);
        const double y1 = round % 5 == 0 ? y0 : uniform(-40, 100);
        const double margin = uniform(0.5, 6);
        image.tiles.FootprintSegment(x0, y0, x1, y1, margin);
        if (DistanceToSegment(cx, cy, x0, y0, x1, y1) <= margin) {
            ++inside;
            EXPECT_FALSE(image.tiles.FootprintAll(kBlack)) << "segment, round " << round;
        }

        const double inner = uniform(-5, 40);
        const double outer = inner + uniform(0, 12);
        image.tiles.FootprintRing(x0, y0, inner, outer);
        const double distance = std::hypot(cx - x0, cy - y0);
        if (distance >= inner && distance <= outer) {
            ++inside;
            EXPECT_FALSE(image.tiles.FootprintAll(kBlack)) << "ring, round " << round;
        }

        image.tiles.FootprintRect(std::min(x0, x1), std::min(y0, y1), std::max(x0, x1), std::max(y0, y1));
        if (cx >= std::min(x0, x1) && cx < std::max(x0, x1) && cy >= std::min(y0, y1) &&
            cy < std::max(y0, y1)) {
            ++inside;
            EXPECT_FALSE(image.tiles.FootprintAll(kBlack)) << "rectangle, round " << round;
        }
    }
    EXPECT_GT(inside, 60);
}

TEST(UniformTiles, FootprintsStayNearTheirFigure) {
    // Without this, leaving everything in would pass the test above.
    TileImage image(640, 480, kBlack);
    image.tiles.FootprintSegment(100, 100, 300, 100, 2.5);
    EXPECT_LE(image.tiles.FootprintTiles(), 15u);
    image.tiles.FootprintRing(320, 240, 150, 155);
    EXPECT_LE(image.tiles.FootprintTiles(), 2u * 2 * 10 * 4 + 20);  // about the circumference in tiles, twice
    EXPECT_GE(image.tiles.FootprintTiles(), 50u);
    image.tiles.FootprintRect(-50, -50, -1, 700);
    EXPECT_EQ(image.tiles.FootprintTiles(), 0u);
    EXPECT_TRUE(image.tiles.FootprintAll(kWhite));  // nothing in the image: nothing to change
}

TEST(UniformTiles, OddInputsGiveEmptyOrWholeFootprints) {
    TileImage image(50, 40, kBlack);
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    image.tiles.FootprintSegment(nan, 0, 10, 10, 2);
    EXPECT_LE(image.tiles.FootprintTiles(), 12u);
    image.tiles.FootprintSegment(-1e300, 20, 1e300, 20, 2);
    EXPECT_EQ(image.tiles.FootprintTiles(), 4u);  // the row of tiles the line runs through
    image.tiles.FootprintRing(25, 20, -inf, inf);
    EXPECT_EQ(image.tiles.FootprintTiles(), 12u);
    image.tiles.FootprintRing(nan, nan, 1, 2);
    EXPECT_EQ(image.tiles.FootprintTiles(), 0u);
    image.tiles.FootprintRect(0, 0, 4e9, 4e9);
    EXPECT_EQ(image.tiles.FootprintTiles(), 12u);

    UniformTiles detached;
    detached.FootprintRect(0, 0, 10, 10);
    EXPECT_FALSE(detached.FootprintAll(kBlack));
}

TEST(UniformTiles, KnowledgeFollowsTheReportedDraws) {
    TileImage image(40, 40, kWhite);  // tiles of 16, 16 and 8 pixels
    image.tiles.FootprintRect(0, 0, 40, 40);
    EXPECT_TRUE(image.tiles.FootprintAll(kWhite));

    // A draw in white keeps white tiles known; the pixels it set afterwards are looked at only once the
    // tile is forgotten.
    image.Set(20, 20, kBlack);
    image.tiles.FootprintRect(17, 17, 30, 30);
    image.tiles.Drawn(kWhite, true);
    EXPECT_TRUE(image.tiles.FootprintAll(kWhite));
    image.tiles.Drawn(kWhite, false);
    EXPECT_FALSE(image.tiles.FootprintAll(kWhite));

    // A fill makes the tiles wholly inside it known in its colour, and forgets those it only touches.
    image.tiles.Filled({0, 0, 33, 40}, kBlack);
    image.tiles.FootprintRect(0, 0, 31, 40);
    EXPECT_TRUE(image.tiles.FootprintAll(kBlack));  // believed, not looked at
    image.tiles.FootprintRect(32, 0, 40, 40);
    EXPECT_FALSE(image.tiles.FootprintAll(kBlack));  // looked at: white

    // The last tiles of a row and column are smaller; they count as wholly inside a fill to the edge.
    image.tiles.Filled({0, 0, 40, 40}, kBlack);
    image.tiles.FootprintRect(32, 32, 40, 40);
    EXPECT_TRUE(image.tiles.FootprintAll(kBlack));

    image.tiles.ForgetAll();
    image.tiles.FootprintRect(0, 0, 40, 40);
    EXPECT_FALSE(image.tiles.FootprintAll(kBlack));  // the pixels are white but for one
}

// Against the pixels themselves: an image wider than one word of row bits, a few colours, and random
// paints, fills and noise, each reported as a canvas reports it.
TEST(UniformTiles, AnswersMatchThePixelsAfterRandomDraws) {
    constexpr int kSize = UniformTiles::kTileSize;
    constexpr int kWidth = 70 * kSize - 5;  // 70 columns, the last one narrower
    constexpr int kHeight = 9 * kSize;
    const std::uint32_t colours[] = {kBlack, kWhite, 0xFF0000FF};
    TileImage image(kWidth, kHeight, kWhite);
    std::mt19937 random(7);
    const auto pick = [&](int n) { return std::uniform_int_distribution<int>(0, n - 1)(random); };
    const auto allOf = [&](int left, int top, int right, int bottom, std::uint32_t colour) {
        for (int y = top; y < bottom; ++y)
            for (int x = left; x < right; ++x)
                if (image.At(x, y) != colour) return false;
        return true;
    };
    int agreedTrue = 0;
    int wholeTrue = 0;
    for (int step = 1; step <= 6000; ++step) {
        const std::uint32_t colour = colours[pick(3)];
        const int left = pick(kWidth);
        const int top = pick(kHeight);
        const int right = std::min(kWidth, left + 1 + pick(step % 50 == 0 ? kWidth : 120));
        const int bottom = std::min(kHeight, top + 1 + pick(step % 50 == 0 ? kHeight : 60));
        // Now and then the whole image in one colour, which then answers for itself.
        const int kind = step % 300 == 0 ? 1 : step % 300 < 4 ? 3 : pick(4);
        switch (kind) {
            case 0:  // a paint in one colour: tiles of that colour stay known
                for (int y = top; y < bottom; ++y)
                    for (int x = left; x < right; ++x)
                        image.Set(x, y, colour);
                image.tiles.FootprintRect(left, top, right, bottom);
                image.tiles.Drawn(colour, true);
                break;
            case 1: {  // a fill
                const DeviceRect r = step % 300 == 0 ? DeviceRect{0, 0, kWidth, kHeight}
                                                     : DeviceRect{left, top, right, bottom};
                for (int y = r.top; y < r.bottom; ++y)
                    for (int x = r.left; x < r.right; ++x)
                        image.Set(x, y, colour);
                image.tiles.Filled(r, colour);
                break;
            }
            case 2:  // a few pixels of any colour
                for (int n = 0; n < 3; ++n)
                    image.Set(left + pick(right - left), top + pick(bottom - top), colours[pick(3)]);
                image.tiles.FootprintRect(left, top, right, bottom);
                image.tiles.Drawn(colour, false);
                break;
            default: {  // a question about whole tiles, mostly in the colour they have at a corner
                const std::uint32_t asked = pick(4) == 0 ? colour : image.At(left, top);
                const int c0 = left / kSize;
                const int c1 = std::max(c0 + 1, (right + kSize - 1) / kSize);
                const int r0 = top / kSize;
                const int r1 = std::max(r0 + 1, (bottom + kSize - 1) / kSize);
                // Inside the tiles by more than half a pixel, so that exactly they are asked about.
                image.tiles.FootprintRect(c0 * kSize + 1, r0 * kSize, c1 * kSize - 1, r1 * kSize);
                const bool truth =
                    allOf(c0 * kSize, r0 * kSize, std::min(kWidth, c1 * kSize), r1 * kSize, asked);
                ASSERT_EQ(image.tiles.FootprintAll(asked), truth) << "step " << step;
                agreedTrue += truth ? 1 : 0;
                const bool whole = allOf(0, 0, kWidth, kHeight, asked);
                ASSERT_EQ(image.tiles.AllOf(asked), whole) << "step " << step;
                wholeTrue += whole ? 1 : 0;
            }
        }
    }
    // The questions were not all answered no.
    EXPECT_GT(agreedTrue, 100);
    EXPECT_GT(wholeTrue, 10);
}

}  // namespace
