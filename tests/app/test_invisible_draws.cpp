// QtCanvas leaves out draws that would change nothing: the picture must be the same, pixel for pixel, as
// with every draw made, whatever is drawn and whatever happens to the image in between.
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <functional>
#include <random>
#include <string>
#include <vector>

#include "app/qtcanvas.h"
#include "document/constructiondocument.h"
#include "drawing/drawstate.h"
#include "drawing/nullcanvas.h"
#include "export/render.h"
#include "parser/messages.h"

namespace {

struct Picture {
    QImage image;
    std::size_t skipped = 0;
};

using Script = std::function<void(QtCanvas&)>;

Picture Draw(int width, int height, bool skips, const Script& script, double ratio = 1) {
    QImage image(static_cast<int>(width * ratio), static_cast<int>(height * ratio), QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    image.setDotsPerMeterX(3780);
    image.setDotsPerMeterY(3780);
    image.fill(Qt::white);
    Picture picture;
    QPainter painter(&image);
    {
        QtCanvas canvas(&painter, {0, 0, width, height});
        canvas.SetSkipsInvisibleDraws(skips);
        script(canvas);
        picture.skipped = canvas.SkippedDraws();
    }
    painter.end();
    picture.image = image;
    return picture;
}

// First pixel where the two images differ, for the failure message.
std::string FirstDifference(const QImage& a, const QImage& b) {
    if (a.size() != b.size()) return "sizes differ";
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            if (a.pixel(x, y) != b.pixel(x, y))
                return "(" + std::to_string(x) + ", " + std::to_string(y) + ")";
    return "none";
}

// The palette mixes the canvas's real colours with a grey that text blends onto itself inexactly.
const TColor kColours[] = {{0, 0, 0},   {0, 0, 0},   {0, 0, 0},     {255, 255, 255}, {255, 0, 0},
                           {0, 128, 0}, {0, 0, 255}, {255, 255, 0}, {128, 128, 128}};
const char* const kTexts[] = {"P1",
                              "S23",
                              "A",
                              "Mg",
                              "\xC4\xD6",
                              "fi",
                              "a\xAD"
                              "b",
                              "\x80",
                              "abg",
                              "",
                              "WWWW"};

// A random mixture of every kind of draw, mostly black so that regions fill up and draws get left out.
void RandomDrawing(QtCanvas& canvas, unsigned seed, int width, int height, int steps) {
    std::mt19937 random(seed);
    const auto pick = [&](int n) { return static_cast<int>(random() % static_cast<unsigned>(n)); };
    const auto coordinate = [&](int size) {
        switch (pick(6)) {
            case 0:
                return pick(4000000) - 2000000;  // far out
            case 1:
                return pick(3 * size) - size;
            default:
                return pick(size + 10) - 5;
        }
    };
    for (int step = 0; step < steps; ++step) {
        canvas.pen.color = kColours[pick(std::size(kColours))];
        canvas.pen.width = std::vector<int>{1, 1, 1, 2, 3, 7}[pick(6)];
        canvas.pen.style = static_cast<PenStyle>(pick(4));
        switch (pick(10)) {
            case 0:
            case 1:
            case 2: {
                const int x = coordinate(width);
                const int y = coordinate(height);
                canvas.MoveTo(x, y);
                if (pick(8) == 0)
                    canvas.LineTo(x, y);  // a dot
                else
                    canvas.LineTo(coordinate(width), coordinate(height));
                break;
            }
            case 3:
            case 4: {
                const int cx = coordinate(width);
                const int cy = coordinate(height);
                const int rx = pick(3) == 0 ? pick(3000000) : pick(width);
                const int ry = pick(2) == 0 ? rx : pick(height);
                canvas.Arc(cx - rx, cy - ry, cx + rx, cy + ry, coordinate(width), coordinate(height),
                           coordinate(width), coordinate(height));
                break;
            }
            case 5:
            case 6:
            case 7: {
                canvas.font.color = kColours[pick(std::size(kColours))];
                canvas.font.name = pick(4) == 0 ? "Symbol" : "Arial";
                canvas.font.size = 4 + pick(20);
                if (pick(4) == 0)
                    canvas.SetBrushColor(kColours[pick(std::size(kColours))]);
                else
                    canvas.brush.style = BrushStyle::Clear;
                canvas.TextOut(coordinate(width), coordinate(height), kTexts[pick(std::size(kTexts))]);
                break;
            }
            case 8: {
                canvas.SetBrushColor(kColours[pick(std::size(kColours))]);
                const DeviceRect rect{coordinate(width), coordinate(height), coordinate(width),
                                      coordinate(height)};
                if (pick(2) == 0)
                    canvas.FillRect(rect);
                else
                    canvas.Rectangle(rect);
                break;
            }
            default: {
                const int left = pick(width);
                const int top = pick(height);
                canvas.SetClipRect(pick(3) == 0
                                       ? DeviceRect{0, 0, width, height}
                                       : DeviceRect{left, top, left + pick(width), top + pick(height)});
                break;
            }
        }
    }
}

TEST(InvisibleDraws, RandomDrawingsComeOutTheSame) {
    std::size_t skipped = 0;
    for (unsigned seed = 1; seed <= 40; ++seed) {
        const int width = 40 + static_cast<int>(seed * 7 % 90);
        const int height = 30 + static_cast<int>(seed * 13 % 70);
        const Script script = [&](QtCanvas& canvas) { RandomDrawing(canvas, seed, width, height, 1500); };
        const Picture all = Draw(width, height, false, script);
        const Picture fewer = Draw(width, height, true, script);
        ASSERT_EQ(all.skipped, 0u);
        ASSERT_TRUE(all.image == fewer.image)
            << "seed " << seed << ", first difference at " << FirstDifference(all.image, fewer.image);
        skipped += fewer.skipped;
    }
    // The comparison means something only if many draws were in fact left out.
    EXPECT_GT(skipped, 4000u);
}

TEST(InvisibleDraws, EveryPixelADrawReachesIsLookedAt) {
    // On black with one white pixel, a black draw may be left out only if it does not reach that pixel:
    // every place of the pixel around each kind of draw, drawn both ways.
    constexpr int kWidth = 72;
    constexpr int kHeight = 56;
    struct Case {
        const char* what;
        std::function<void(QtCanvas&)> draw;
    };
    const auto pen = [](QtCanvas& canvas, int width, PenStyle style = PenStyle::Solid) {
        canvas.pen.color = {0, 0, 0};
        canvas.pen.width = width;
        canvas.pen.style = style;
    };
    const std::vector<Case> cases = {
        {"thin line", [&](QtCanvas& c) { pen(c, 1), c.MoveTo(9, 13), c.LineTo(61, 40); }},
        {"wide line", [&](QtCanvas& c) { pen(c, 7), c.MoveTo(20, 50), c.LineTo(50, 8); }},
        {"dashed line",
         [&](QtCanvas& c) { pen(c, 3, PenStyle::DashDot), c.MoveTo(-500, 30), c.LineTo(900, 29); }},
        {"dot", [&](QtCanvas& c) { pen(c, 7), c.MoveTo(36, 28), c.LineTo(36, 28); }},
        {"thin circle", [&](QtCanvas& c) { pen(c, 1), c.Arc(16, 8, 57, 49, 0, 0, 0, 0); }},
        {"wide circle", [&](QtCanvas& c) { pen(c, 7), c.Arc(14, 6, 59, 51, 0, 0, 0, 0); }},
        {"ellipse arc", [&](QtCanvas& c) { pen(c, 3), c.Arc(4, 20, 68, 36, 70, 10, 0, 10); }},
        {"big circle", [&](QtCanvas& c) { pen(c, 2), c.Arc(-964, -972, 1036, 1028, 0, 0, 0, 0); }},
        {"small label", [&](QtCanvas& c) { c.brush.style = BrushStyle::Clear, c.TextOut(30, 22, "Wj"); }},
        {"large label",
         [&](QtCanvas& c) {
             c.font.size = 24;
             c.brush.style = BrushStyle::Clear;
             c.TextOut(14, 10, "Qf");
         }},
        {"shaped label",
         [&](QtCanvas& c) {
             c.brush.style = BrushStyle::Clear, c.TextOut(20, 20,
                                                          "a\xAD"
                                                          "b");
         }},
    };
    for (const Case& test : cases) {
        int mismatches = 0;
        for (int y = 0; y < kHeight && mismatches == 0; ++y) {
            for (int x = 0; x < kWidth && mismatches == 0; ++x) {
                const Script script = [&](QtCanvas& canvas) {
                    canvas.SetBrushColor({0, 0, 0});
                    canvas.FillRect({0, 0, kWidth, kHeight});
                    canvas.SetBrushColor({255, 255, 255});
                    canvas.FillRect({x, y, x + 1, y + 1});
                    test.draw(canvas);
                };
                if (!(Draw(kWidth, kHeight, false, script).image ==
                      Draw(kWidth, kHeight, true, script).image)) {
                    ADD_FAILURE() << test.what << " reaches (" << x << ", " << y << ") outside its footprint";
                    ++mismatches;
                }
            }
        }
    }
}

TEST(InvisibleDraws, ABigConstructionComesOutTheSame) {
    // Many points, circles and lines on a small area: the picture fills up with ink.
    std::string text;
    std::mt19937 random(5);
    for (int i = 0; i < 400; ++i) {
        const auto c = [&] { return std::to_string(static_cast<int>(random() % 200) / 10.0 - 10); };
        text += "PUNKT P" + std::to_string(i) + " " + c() + " " + c() + "\n";
        if (i > 0) {
            const std::string p = "P" + std::to_string(i);
            const std::string q = "P" + std::to_string(i - 1);
            text += "KREIS k" + std::to_string(i) + " " + p + " " + q + "\n";
            text += "GERADE g" + std::to_string(i) + " " + p + " " + q + "\n";
            text += "STRECKE s" + std::to_string(i) + " " + p + " " + q + "\n";
        }
    }
    DrawStateGuard restore;
    Drawing() = DrawState{};
    NullCanvas null(DeviceRect{0, 0, 160, 120});
    Drawing().DrawCanvas = &null;
    Drawing().ScreenRect = {0, 0, 160, 120};
    SilentMessages messages;
    ConstructionDocument document(messages);
    for (const bool axes : {false, true}) {
        if (axes) document.Parser().ShowAxes();
        ASSERT_TRUE(document.Load(text));
        const Script script = [&](QtCanvas& canvas) {
            RedrawOnCanvas(document.Parser(), canvas, {0, 0, 160, 120});
        };
        const Picture all = Draw(160, 120, false, script);
        const Picture fewer = Draw(160, 120, true, script);
        ASSERT_TRUE(all.image == fewer.image)
            << "first difference at " << FirstDifference(all.image, fewer.image);
        EXPECT_GT(fewer.skipped, 500u);
    }
}

TEST(InvisibleDraws, AChangedImageIsLookedAtAgain) {
    // The window's canvas outlives its image: a new image of the same object must not inherit what was
    // known of the old one.
    QImage image(64, 48, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    QtCanvas canvas(&painter, {0, 0, 64, 48});
    canvas.SetBrushColor({0, 0, 0});
    canvas.FillRect({0, 0, 64, 48});
    canvas.brush.style = BrushStyle::Clear;
    canvas.TextOut(10, 10, "P");  // black on black: left out
    EXPECT_EQ(canvas.SkippedDraws(), 1u);
    painter.end();

    image = QImage(64, 48, QImage::Format_RGB32);
    image.fill(Qt::white);
    painter.begin(&image);
    canvas.TextOut(10, 10, "P");
    canvas.MoveTo(0, 40);
    canvas.LineTo(60, 40);
    EXPECT_EQ(canvas.SkippedDraws(), 1u);
    painter.end();
    int ink = 0;
    for (int y = 0; y < 48; ++y)
        for (int x = 0; x < 64; ++x)
            ink += image.pixel(x, y) != 0xFFFFFFFF;
    EXPECT_GT(ink, 60);

    // A change through the image itself, with the painter on it, is noticed as well.
    painter.begin(&image);
    canvas.SetBrushColor({0, 0, 0});
    canvas.FillRect({0, 0, 64, 48});
    image.fill(Qt::white);
    canvas.MoveTo(0, 20);
    canvas.LineTo(60, 20);
    painter.end();
    EXPECT_EQ(canvas.SkippedDraws(), 1u);
    EXPECT_EQ(image.pixel(30, 20), 0xFF000000);
}

TEST(InvisibleDraws, ScaledAndVectorDevicesDrawEverything) {
    const Script script = [](QtCanvas& canvas) { RandomDrawing(canvas, 3, 50, 40, 800); };
    const Picture scaled = Draw(50, 40, true, script, 2);
    EXPECT_EQ(scaled.skipped, 0u);
    EXPECT_TRUE(scaled.image == Draw(50, 40, false, script, 2).image);
}

}  // namespace
