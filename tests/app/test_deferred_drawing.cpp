// A rebuild draws once at its end, yet shows the very picture that drawing line by line would have
// shown: at the end, and behind every box on the way.
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "app/qtcanvas.h"
#include "document/constructiondocument.h"
#include "drawing/drawstate.h"
#include "drawing/transform.h"
#include "text/confile.h"

namespace {

constexpr int kWidth = 320;
constexpr int kHeight = 240;

// An image with a canvas on it that the drawing state points at.
struct Picture {
    Picture() : image(kWidth, kHeight, QImage::Format_RGB32) {
        image.fill(Qt::white);
        painter.begin(&image);
        canvas = std::make_unique<QtCanvas>(&painter, DeviceRect{0, 0, kWidth, kHeight});
        Drawing().DrawCanvas = canvas.get();
        Drawing().ScreenRect = {0, 0, kWidth, kHeight};
    }
    QImage Now() {
        painter.end();
        QImage copy = image.copy();
        painter.begin(&image);
        return copy;
    }
    QImage image;
    QPainter painter;
    std::unique_ptr<QtCanvas> canvas;
};

// Keeps a copy of the picture behind each box.
class SnapshotMessages : public MessageSink {
public:
    void ShowErrorBox(const std::string&) override { Snap(); }
    void ShowInformationBox(const std::string&) override { Snap(); }
    void ShowStatusText(const std::string&) override {}
    bool ValueInStatusLine() const override { return false; }
    void Snap() { shots.push_back(picture->Now()); }

    Picture* picture = nullptr;
    std::vector<QImage> shots;
};

struct Run {
    QImage final;
    std::vector<QImage> shots;
};

// The start state with the axes shown, and the empty picture a new construction shows.
void StartPicture(ConstructionDocument& document) {
    document.Parser().Axes.Visible = true;
    ClearCanvas();
    document.Parser().Redraw();
}

// Each line drawing as it executes, as typing them would.
Run LineByLine(const std::string& text, RebuildMode mode) {
    DrawStateGuard guard;
    Picture picture;
    SnapshotMessages messages;
    messages.picture = &picture;
    ConstructionDocument document(messages);
    StartPicture(document);
    for (const std::string& line : SplitConstructionLines(text))
        if (!document.Parser().Execute(line) && mode == RebuildMode::StopAtRejected) break;
    // As after each typed line: the axes above the figures.
    document.Parser().ShowAxes();
    return {picture.Now(), messages.shots};
}

Run Deferred(const std::string& text, RebuildMode mode) {
    DrawStateGuard guard;
    Picture picture;
    SnapshotMessages messages;
    messages.picture = &picture;
    ConstructionDocument document(messages);
    StartPicture(document);
    document.Load(text, mode);
    return {picture.Now(), messages.shots};
}

void ExpectSamePictures(const std::string& text, RebuildMode mode) {
    const Run reference = LineByLine(text, mode);
    const Run deferred = Deferred(text, mode);
    EXPECT_TRUE(deferred.final == reference.final) << "final picture differs";
    ASSERT_EQ(deferred.shots.size(), reference.shots.size());
    for (std::size_t i = 0; i < reference.shots.size(); ++i)
        EXPECT_TRUE(deferred.shots[i] == reference.shots[i]) << "picture behind box " << i << " differs";
}

std::string Example(const char* name) {
    std::ifstream file(std::string(LINEATO_SOURCE_DIR) + "/examples/" + name, std::ios::binary);
    std::ostringstream bytes;
    bytes << file.rdbuf();
    return bytes.str();
}

TEST(DeferredDrawing, ExamplesComeOutAsDrawnLineByLine) {
    for (const char* name : {"umkreis.con", "inkreis.con", "mittelsenkrechte.con", "sechseck.con",
                             "tangenten.con", "thaleskreis.con"}) {
        SCOPED_TRACE(name);
        const std::string text = Example(name);
        ASSERT_FALSE(text.empty());
        ExpectSamePictures(text, RebuildMode::StopAtRejected);
    }
}

TEST(DeferredDrawing, WideningDeletingTurningAndRejectedLinesToo) {
    const std::string cases[] = {
        // The window widens in the middle; objects drawn after it over the last whole redraw.
        "PUNKT A 0 0\nKREIS k A 2\nPUNKT B 9 7\nFARBE rot\nSTRECKE s A B\nGERADE g A B\nPUNKT C 1 -1\n",
        // Deleting an object or a label redraws the whole picture.
        "PUNKT A 0 0\nPUNKT B 3 1\nSTRECKE s A B\nLOESCHE s\nPUNKT C 2 2\nLOESCHE BEZ A\nKREIS k C 1\n",
        // A turn, then a rejected line whose box shows what came before it.
        "PUNKT A 1 0\nSTRAHL r A B\nPUNKT B 3 2\nDREHE 45\nKREIS k A 2\nKREIS m X 1\nPUNKT D 0 4\n",
        // A rejected line that made an object before its error, then an information box.
        "PUNKT A 0 0\nSTRECKE s P Q 3\nSTRECKE t P R\nWERT s\nMP M s\n",
    };
    for (const std::string& text : cases) {
        SCOPED_TRACE(text);
        ExpectSamePictures(text, RebuildMode::StopAtRejected);
        ExpectSamePictures(text, RebuildMode::KeepGoing);
    }
}

}  // namespace
