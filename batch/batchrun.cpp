// The batch run: start state, line-by-line execution, dump, image files.
#include "batch/batchrun.h"

#include <string>
#include <vector>

#include "batch/batchdump.h"
#include "batch/batchmessages.h"
#include "drawing/drawstate.h"
#include "drawing/nullcanvas.h"
#include "drawing/transform.h"
#include "parser/tparser.h"
#include "text/confile.h"
#include "text/fileio.h"

namespace {

// Writes one image file; false with a message on err when it cannot be made or written.
bool WriteImage(const ImageOutput& image, TParser& parser, const BatchOptions& options, std::ostream& err) {
    const std::optional<std::string> bytes = image.render(parser, options.width, options.height);
    if (!bytes) {
        err << "lineato-batch: cannot render " << image.format << " image " << image.path << '\n';
        return false;
    }
    if (!ReplaceFileAtomically(image.path, *bytes)) {
        err << "lineato-batch: cannot write " << image.path << '\n';
        return false;
    }
    return true;
}

}  // namespace

int RunBatch(const BatchOptions& options, std::string_view fileBytes, std::ostream& out, std::ostream& err,
             const std::vector<ImageOutput>& images) {
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
    for (const ImageOutput& image : images)
        written &= WriteImage(image, parser, options, err);

    if (!written) return kExitUsage;
    return rejected ? kExitRejected : kExitAccepted;
}
