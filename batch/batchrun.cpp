// The batch run: start state, line-by-line execution, dump, image files.
#include "batch/batchrun.h"

#include <cerrno>
#include <string>
#include <string_view>
#include <vector>

#include "batch/batchdump.h"
#include "batch/batchmessages.h"
#include "describe/description.h"
#include "document/constructiondocument.h"
#include "drawing/drawstate.h"
#include "drawing/nullcanvas.h"
#include "drawing/transform.h"
#include "parser/tparser.h"
#include "text/fileio.h"
#include "text/writeerror.h"

namespace {

void TellUnwritten(const ImageOutput& image, std::string_view reason, std::ostream& err) {
    err << "lineato-batch: " << image.format << "-Datei " << image.path
        << " konnte nicht geschrieben werden: " << reason << '\n';
}

// Writes one image file; false with a message on err when it cannot be made or written.
bool WriteImage(const ImageOutput& image, TParser& parser, const BatchOptions& options, std::ostream& err) {
    // An image named like the construction file it was made from would destroy that file.
    if (options.file != "-" && SameFile(options.file, image.path)) {
        TellUnwritten(image, "Das ist die Konstruktionsdatei selbst.", err);
        return false;
    }
    const std::optional<std::string> bytes = image.render(parser, options.width, options.height);
    if (!bytes) {
        err << "lineato-batch: cannot render " << image.format << " image " << image.path << '\n';
        return false;
    }
    const FileWriteResult written = ReplaceFile(image.path, *bytes);
    if (!written.Ok()) {
        TellUnwritten(image, WriteErrorReason(written.error), err);
        return false;
    }
    return true;
}

}  // namespace

bool FlushOutput(std::ostream& out, std::ostream& err) {
    // The system's reason is known only when the final flush is what failed.
    errno = 0;
    out.flush();
    const int error = errno;
    if (out) return true;
    err << "lineato-batch: Die Standardausgabe konnte nicht geschrieben werden";
    if (error != 0)
        err << ": " << WriteErrorReason(error) << '\n';
    else
        err << ".\n";
    return false;
}

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
    if (options.describe) out << DescriptionUtf8(DescribeConstruction(document));
    const bool outLost = !FlushOutput(out, err);

    bool written = true;
    for (const ImageOutput& image : images)
        written &= WriteImage(image, parser, options, err);

    if (!written || outLost) return kExitUsage;
    return rejected ? kExitRejected : kExitAccepted;
}
