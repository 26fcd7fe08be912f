// The batch run: start state, line-by-line execution, dump, image files.
#include "app/batchrun.h"

#include <QFile>
#include <QString>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "app/batchdump.h"
#include "app/batchmessages.h"
#include "app/confile.h"
#include "app/imageexport.h"
#include "drawing/drawstate.h"
#include "drawing/nullcanvas.h"
#include "drawing/transform.h"
#include "parser/tparser.h"

namespace {

using Renderer = std::function<std::optional<QByteArray>(TParser&, int, int)>;

// Writes one image file; false with a message on err when it cannot be made or written.
bool ExportImage(const std::string& path, const char* format, const Renderer& render, TParser& parser,
                 const BatchOptions& options, std::ostream& err) {
    const std::optional<QByteArray> bytes = render(parser, options.width, options.height);
    if (!bytes) {
        err << "lineato-batch: cannot render " << format << " image " << path << '\n';
        return false;
    }
    QFile file(QString::fromLocal8Bit(path.c_str()));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(*bytes) != bytes->size() ||
        !file.flush()) {
        err << "lineato-batch: cannot write " << path << ": " << file.errorString().toStdString() << '\n';
        return false;
    }
    file.close();
    return true;
}

}  // namespace

int RunBatch(const BatchOptions& options, std::string_view fileBytes, std::ostream& out, std::ostream& err) {
    DrawStateGuard restoreDrawing;
    const DeviceRect area{0, 0, options.width, options.height};
    // Execution draws on nothing; the images are drawn afterwards by one Redraw each.
    NullCanvas nullCanvas(area);
    Drawing().DrawCanvas = &nullCanvas;
    Drawing().ScreenRect = area;

    BatchMessageSink messages(out, err, options.file);
    TParser parser(messages);
    parser.Reset();
    SetColorMode(!options.mono);
    SetWorldWindow(-6, -5, 6, 5);
    parser.AutoScaling = true;
    if (options.axes) parser.ShowAxes();

    bool rejected = false;
    const std::vector<std::string> lines = SplitConstructionLines(fileBytes);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        messages.SetLineNumber(static_cast<int>(i + 1));
        if (!parser.Execute(lines[i])) {
            rejected = true;
            if (!options.keepGoing) break;
        }
    }

    if (options.dump) WriteDump(out, parser);
    out.flush();

    bool written = true;
    if (!options.png.empty()) written &= ExportImage(options.png, "PNG", RenderPng, parser, options, err);
    if (!options.svg.empty()) written &= ExportImage(options.svg, "SVG", RenderSvg, parser, options, err);
    if (!options.pdf.empty()) written &= ExportImage(options.pdf, "PDF", RenderPdf, parser, options, err);

    if (!written) return kExitUsage;
    return rejected ? kExitRejected : kExitAccepted;
}
