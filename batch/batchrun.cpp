// The batch run: start state, line-by-line execution, dump, image files.
#include "batch/batchrun.h"

#include <string>
#include <vector>

#include "batch/batchdump.h"
#include "batch/batchmessages.h"
#include "document/constructiondocument.h"
#include "drawing/drawstate.h"
#include "drawing/nullcanvas.h"
#include "drawing/transform.h"
#include "parser/tparser.h"
#include "text/fileio.h"
#include "text/writeerror.h"

namespace {

// Writes one image file; false with a message on err when it cannot be made or written.
bool WriteImage(const ImageOutput& image, TParser& parser, const BatchOptions& options, std::ostream& err) {
    const std::optional<std::string> bytes = image.render(parser, options.width, options.height);
    if (!bytes) {
        err << "lineato-batch: cannot render " << image.format << " image " << image.path << '\n';
        return false;
    }
    const FileWriteResult written = ReplaceFile(image.path, *bytes);
    if (!written.Ok()) {
        err << "lineato-batch: " << image.format << "-Datei " << image.path
            << " konnte nicht geschrieben werden: " << WriteErrorReason(written.error) << '\n';
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
    ConstructionDocument document(messages);
    messages.SetLineSource([&document] { return document.ExecutingLine() + 1; });
    TParser& parser = document.Parser();
    SetColorMode(!options.mono);
    if (options.axes) parser.ShowAxes();

    const bool rejected =
        !document.Load(fileBytes, options.keepGoing ? RebuildMode::KeepGoing : RebuildMode::StopAtRejected);

    if (options.dump) WriteDump(out, parser);
    out.flush();

    bool written = true;
    for (const ImageOutput& image : images)
        written &= WriteImage(image, parser, options, err);

    if (!written) return kExitUsage;
    return rejected ? kExitRejected : kExitAccepted;
}
