// Tests of QtCanvas rendering into a QImage: the platform-canvas rules the drawing layer relies on.
#include "app/qtcanvas.h"

#include <gtest/gtest.h>

#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <memory>
#include <string_view>

namespace {

constexpr QRgb kWhitePixel = 0xFFFFFFFF;

class QtCanvasTest : public ::testing::Test {
protected:
    void SetUp() override {
        image_ = QImage(200, 100, QImage::Format_RGB32);
        image_.setDotsPerMeterX(3780);
        image_.setDotsPerMeterY(3780);
        image_.fill(Qt::white);
        painter_ = std::make_unique<QPainter>(&image_);
        canvas_ = std::make_unique<QtCanvas>(painter_.get(), DeviceRect{0, 0, 200, 100});
    }

    // Ends painting; pixels are read afterwards.
    const QImage& Finish() {
        canvas_.reset();
        painter_->end();
        return image_;
    }

    void Line(int x1, int y1, int x2, int y2) {
        canvas_->MoveTo(x1, y1);
        canvas_->LineTo(x2, y2);
    }

    static bool IsInk(QRgb pixel) { return pixel != kWhitePixel; }

    // Any drawn pixel within radius (a square) of (x, y).
    bool InkNear(int x, int y, int radius = 2) const {
        for (int py = y - radius; py <= y + radius; ++py)
            for (int px = x - radius; px <= x + radius; ++px)
                if (image_.valid(px, py) && IsInk(image_.pixel(px, py))) return true;
        return false;
    }

    int InkCount() const {
        int count = 0;
        for (int y = 0; y < image_.height(); ++y)
            for (int x = 0; x < image_.width(); ++x)
                count += IsInk(image_.pixel(x, y)) ? 1 : 0;
        return count;
    }

    QImage image_;
    std::unique_ptr<QPainter> painter_;
    std::unique_ptr<QtCanvas> canvas_;
};

TEST_F(QtCanvasTest, SegmentsLeaveOutTheirEndPointAndLineToMovesThePen) {
    canvas_->pen = Pen{kRed, PenStyle::Solid, 1};
    Line(10, 50, 100, 50);
    canvas_->pen = Pen{kBlack, PenStyle::Solid, 1};
    Line(10, 10, 30, 10);
    canvas_->LineTo(30, 40);
    const QImage& image = Finish();
    EXPECT_TRUE(IsInk(image.pixel(30, 10)));  // the second line starts where the first ended
    EXPECT_TRUE(IsInk(image.pixel(30, 39)));
    EXPECT_FALSE(IsInk(image.pixel(30, 40)));
    for (int x = 10; x < 100; ++x)
        ASSERT_EQ(image.pixel(x, 50), qRgb(255, 0, 0)) << "x = " << x;
    EXPECT_EQ(image.pixel(100, 50), kWhitePixel);
    EXPECT_EQ(image.pixel(9, 50), kWhitePixel);
    EXPECT_EQ(image.pixel(50, 49), kWhitePixel);
    EXPECT_EQ(image.pixel(50, 51), kWhitePixel);
}

// A thin pen leaves no mark for a zero-length line; a wide one a round dot of its width.
TEST_F(QtCanvasTest, ZeroLengthLineMarksOnlyWithAWidePen) {
    Line(20, 20, 20, 20);
    canvas_->pen = Pen{kBlue, PenStyle::Solid, 4};
    Line(50, 50, 50, 50);
    const QImage& image = Finish();
    EXPECT_FALSE(InkNear(20, 20, 3));
    EXPECT_EQ(image.pixel(50, 50), qRgb(0, 0, 255));
    EXPECT_EQ(image.pixel(49, 49), qRgb(0, 0, 255));
    EXPECT_GE(InkCount(), 8);
    EXPECT_LE(InkCount(), 16);                 // within the pen's width
    EXPECT_FALSE(IsInk(image.pixel(47, 47)));  // round: the corners stay empty
}

TEST_F(QtCanvasTest, DashedAndDottedPensLeaveGaps) {
    canvas_->pen = Pen{kBlack, PenStyle::Dash, 1};
    Line(0, 20, 200, 20);
    canvas_->pen = Pen{kBlack, PenStyle::Dot, 1};
    Line(0, 40, 200, 40);
    canvas_->pen = Pen{kBlack, PenStyle::DashDot, 1};
    Line(0, 60, 200, 60);
    const QImage& image = Finish();
    for (int y : {20, 40, 60}) {
        int ink = 0;
        for (int x = 0; x < 200; ++x)
            ink += IsInk(image.pixel(x, y)) ? 1 : 0;
        EXPECT_GT(ink, 40) << "y = " << y;
        EXPECT_LT(ink, 170) << "y = " << y;
    }
    // Dashes of 18 pixels, gaps of 6.
    EXPECT_TRUE(IsInk(image.pixel(0, 20)));
    EXPECT_TRUE(IsInk(image.pixel(17, 20)));
    EXPECT_FALSE(IsInk(image.pixel(20, 20)));
}

TEST_F(QtCanvasTest, FarOutLineIsDrawnWhereItCrossesTheArea) {
    canvas_->pen = Pen{kBlack, PenStyle::Dash, 1};
    Line(-4000000, 30, 4000000, 30);
    canvas_->pen = Pen{kBlack, PenStyle::Solid, 1};
    Line(100, -2147483647, 100, 2147483647);
    const QImage& image = Finish();
    EXPECT_TRUE(InkNear(5, 30, 4) && InkNear(195, 30, 4));
    EXPECT_TRUE(IsInk(image.pixel(100, 0)) && IsInk(image.pixel(100, 99)));
}

TEST_F(QtCanvasTest, ArcRunsCounterClockwiseFromStartToEndDirection) {
    // Box around (50, 50) with radius 30: from east to north is the upper right quarter on the device.
    canvas_->Arc(20, 20, 80, 80, 90, 50, 50, 0);
    // From north back to east is the other three quarters.
    canvas_->Arc(120, 20, 180, 80, 150, 0, 190, 50);
    Finish();
    EXPECT_TRUE(InkNear(71, 29));
    EXPECT_FALSE(InkNear(29, 29));
    EXPECT_FALSE(InkNear(29, 71));
    EXPECT_FALSE(InkNear(71, 71));

    EXPECT_FALSE(InkNear(171, 29));
    EXPECT_TRUE(InkNear(129, 29));
    EXPECT_TRUE(InkNear(129, 71));
    EXPECT_TRUE(InkNear(171, 71));
}

TEST_F(QtCanvasTest, ArcWithEqualDirectionsDrawsWholeEllipse) {
    canvas_->Arc(20, 20, 80, 80, 20, 20, 20, 20);
    canvas_->Arc(180, 80, 120, 20, 150, 90, 150, 95);  // box corners given in reverse order
    Finish();
    for (int cx : {50, 150}) {
        EXPECT_TRUE(InkNear(cx + 21, 29)) << cx;
        EXPECT_TRUE(InkNear(cx - 21, 29)) << cx;
        EXPECT_TRUE(InkNear(cx - 21, 71)) << cx;
        EXPECT_TRUE(InkNear(cx + 21, 71)) << cx;
        EXPECT_FALSE(InkNear(cx, 50, 10)) << cx;
    }
}

TEST_F(QtCanvasTest, FillRectLeavesOutRightAndBottomAndNeedsSolidBrush) {
    canvas_->SetBrushColor(kBlue);
    canvas_->FillRect({10, 10, 20, 20});
    canvas_->brush.style = BrushStyle::Clear;
    canvas_->FillRect({50, 10, 60, 20});
    const QImage& image = Finish();
    EXPECT_EQ(image.pixel(10, 10), qRgb(0, 0, 255));
    EXPECT_EQ(image.pixel(19, 19), qRgb(0, 0, 255));
    EXPECT_EQ(image.pixel(20, 19), kWhitePixel);
    EXPECT_EQ(image.pixel(19, 20), kWhitePixel);
    EXPECT_EQ(image.pixel(55, 15), kWhitePixel);
}

TEST_F(QtCanvasTest, ClipRectCutsLaterDrawing) {
    canvas_->SetClipRect({0, 0, 50, 100});
    EXPECT_EQ(canvas_->ClipRect(), (DeviceRect{0, 0, 50, 100}));
    Line(0, 50, 200, 50);
    const QImage& image = Finish();
    EXPECT_TRUE(IsInk(image.pixel(49, 50)));
    EXPECT_FALSE(IsInk(image.pixel(50, 50)));
}

TEST_F(QtCanvasTest, TextOutPutsTheTopLeftCornerAtThePosition) {
    canvas_->brush.style = BrushStyle::Clear;
    canvas_->font = Font{"Arial", 9, kBlack};
    const int width = canvas_->TextWidth("HH");
    const int height = canvas_->TextHeight("HH");
    canvas_->TextOut(40, 30, "HH");
    const QImage& image = Finish();
    int inside = 0;
    int outside = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            if (!IsInk(image.pixel(x, y))) continue;
            const bool in = x >= 40 && x < 40 + width && y >= 30 && y < 30 + height;
            (in ? inside : outside) += 1;
        }
    EXPECT_GT(inside, 10);
    EXPECT_EQ(outside, 0);
}

TEST_F(QtCanvasTest, SolidBrushPaintsTheTextBackground) {
    canvas_->font = Font{"Arial", 9, kBlack};
    canvas_->SetBrushColor(kYellow);
    canvas_->TextOut(10, 10, "i");
    canvas_->brush.style = BrushStyle::Clear;
    canvas_->TextOut(100, 10, "i");
    const QImage& image = Finish();
    EXPECT_EQ(image.pixel(10, 10), qRgb(255, 255, 0));
    EXPECT_EQ(image.pixel(100, 10), kWhitePixel);
}

TEST_F(QtCanvasTest, NinePointTextIsTwelvePixelFontAt96Dpi) {
    canvas_->font = Font{"Arial", 9, kBlack};
    QFont twelvePixels("Arial");
    twelvePixels.setPixelSize(12);
    const QFontMetrics expected(twelvePixels);
    EXPECT_EQ(canvas_->TextHeight("A"), expected.height());
    EXPECT_EQ(canvas_->TextWidth("ABC"), expected.horizontalAdvance("ABC"));
    canvas_->font.size = 18;
    EXPECT_GT(canvas_->TextHeight("A"), expected.height());
}

TEST_F(QtCanvasTest, SymbolFontLabelIsDrawnAsGreek) {
    canvas_->brush.style = BrushStyle::Clear;
    canvas_->font = Font{"Symbol", 9, kBlack};
    QFont arial("Arial");
    arial.setPixelSize(12);
    EXPECT_EQ(canvas_->TextWidth("a"), QFontMetrics(arial).horizontalAdvance(QChar(0x03B1)));
    canvas_->TextOut(20, 20, "a1");
    Finish();
    EXPECT_GT(InkCount(), 5);
}

// Texts are put together from glyphs learnt once, or shaped and kept from an earlier draw; pens and
// fonts are set only when they change; the pixels must be those of plain drawing with QPainter, also after
// the painter began anew on another image (as the window's drawing area does on a resize).
TEST(QtCanvasCaching, DrawsThePixelsOfPlainQPainterDrawing) {
    const auto blank = [] {
        QImage image(330, 120, QImage::Format_RGB32);
        image.setDotsPerMeterX(3780);
        image.setDotsPerMeterY(3780);
        image.fill(Qt::white);
        return image;
    };
    struct Label {
        const char* font;
        const char* text;  // Windows-1252
        QString shown;
    };
    const Label labels[] = {
        {"Arial", "P12", "P12"},
        {"Arial", "AVATAR", "AVATAR"},  // kerning pairs
        {"Symbol", "ab1", QString::fromUtf8("\u03b1\u03b21")},
        {"Arial", "\xC4\xDF\x80\xE9", QString::fromUtf8("\u00c4\u00df\u20ac\u00e9")},
        {"Arial", "x\x99y", QString::fromUtf8("x\u2122y")},
        {"Arial", "fi ffl", "fi ffl"},                             // ligatures and a blank
        {"Arial", "\x01\xAD", QString::fromUtf8("\u0001\u00ad")},  // no glyph of their own
    };
    QImage viaCanvas = blank();
    QImage plain = blank();
    QPainter canvasPainter(&viaCanvas);
    QPainter plainPainter(&plain);
    plainPainter.setRenderHint(QPainter::TextAntialiasing, true);
    QFont twelvePixels("Arial");
    twelvePixels.setPixelSize(12);
    plainPainter.setFont(twelvePixels);
    const int ascent = QFontMetrics(twelvePixels, &plain).ascent();
    {
        QtCanvas canvas(&canvasPainter, {0, 0, 330, 120});
        const QFontMetrics metrics(twelvePixels, &viaCanvas);
        canvas.brush.style = BrushStyle::Clear;
        for (int pass = 0; pass < 3; ++pass) {  // the same text drawn again, as overlapping labels are
            for (std::size_t i = 0; i < std::size(labels); ++i) {
                canvas.font = Font{labels[i].font, 9, kBlack};
                const int x = 10 + 45 * static_cast<int>(i), y = 10 + 3 * pass;
                canvas.TextOut(x, y, labels[i].text);
                if (std::string_view(labels[i].font) == "Arial") {
                    EXPECT_EQ(canvas.TextWidth(labels[i].text), metrics.horizontalAdvance(labels[i].shown))
                        << labels[i].text;
                }
                plainPainter.drawText(QPoint(x, y + ascent), labels[i].shown);
                canvas.pen = Pen{kRed, PenStyle::Dash, 1};
                canvas.MoveTo(x, 60 + pass);
                canvas.LineTo(x + 40, 60 + pass);
            }
        }
        canvasPainter.end();
        plainPainter.end();
        // Lines are compared through the first image only: they are the canvas's own rules.
        EXPECT_TRUE(viaCanvas.copy(0, 0, 330, 50) == plain.copy(0, 0, 330, 50));

        // A new image: the painter forgets font and pen, the canvas must set them again.
        QImage second = blank();
        QImage secondPlain = blank();
        canvasPainter.begin(&second);
        plainPainter.begin(&secondPlain);
        plainPainter.setRenderHint(QPainter::TextAntialiasing, true);
        plainPainter.setFont(twelvePixels);
        canvas.font = Font{"Arial", 9, kBlack};
        canvas.TextOut(20, 20, "P12");
        canvas.TextOut(80, 20, "Q3");
        plainPainter.drawText(QPoint(20, 20 + ascent), "P12");
        plainPainter.drawText(QPoint(80, 20 + ascent), "Q3");
        canvas.MoveTo(10, 80);
        canvas.LineTo(200, 80);
        canvasPainter.end();
        plainPainter.end();
        EXPECT_TRUE(second.copy(0, 0, 240, 50) == secondPlain.copy(0, 0, 240, 50));
        EXPECT_EQ(second.pixel(10, 80), qRgb(255, 0, 0));
    }
}

TEST(SymbolFontText, LatinLettersBecomeTheirSymbolEncodingGreek) {
    EXPECT_EQ(SymbolFontText("abgde"), QString::fromUtf8("αβγδε"));
    EXPECT_EQ(SymbolFontText("ABGDE"), QString::fromUtf8("ΑΒΓΔΕ"));
    EXPECT_EQ(SymbolFontText("qjJvVcC"), QString::fromUtf8("θϕϑϖςχΧ"));
    EXPECT_EQ(SymbolFontText("b2 \xE4"), QString::fromUtf8("β2 ä"));  // only ASCII letters change
}

}  // namespace
