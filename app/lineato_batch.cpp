// lineato-batch: executes a construction file headless and reports messages, a JSON dump and images.
#include <fcntl.h>
#include <unistd.h>

#include <QGuiApplication>
#include <QtGlobal>

#include <cerrno>
#include <clocale>
#include <iostream>
#include <string>
#include <vector>

#include "app/imageexport.h"
#include "batch/batchoptions.h"
#include "batch/batchrun.h"
#include "generated/buildinfo.h"
#include "text/fileio.h"

namespace {

// Qt's own diagnostics (missing runtime directories, font warnings) would mix with the interpreter's
// messages on stderr, which scripts compare; only fatal ones are let through.
void QuietQtMessages(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtFatalMsg) std::cerr << "lineato-batch: Qt: " << message.toStdString() << '\n';
}

// A standard descriptor the caller closed is held by /dev/null, opened the wrong way round: no file the
// program opens later can take its number and receive the dump, and reading or writing it still fails.
void HoldClosedStandardDescriptors() {
    for (int fd = STDIN_FILENO; fd <= STDERR_FILENO; ++fd) {
        if (::fcntl(fd, F_GETFD) != -1 || errno != EBADF) continue;
        const int held = ::open("/dev/null", fd == STDIN_FILENO ? O_WRONLY : O_RDONLY);
        if (held >= 0 && held != fd) {
            ::dup2(held, fd);
            ::close(held);
        }
    }
}

}  // namespace

int main(int argc, char** argv) {
    HoldClosedStandardDescriptors();
    const std::vector<std::string> args(argv + 1, argv + argc);
    std::string error;
    const std::optional<BatchOptions> options = ParseBatchArguments(args, error);
    if (!options) {
        std::cerr << "lineato-batch: " << error << '\n' << kBatchSynopsis;
        return kExitUsage;
    }
    if (options->help) {
        std::cout << kBatchSynopsis << kBatchOptionList;
        return FlushOutput(std::cout, std::cerr) ? kExitAccepted : kExitUsage;
    }
    if (options->version) {
        std::cout << "lineato-batch " << kLineatoVersion << '\n';
        return FlushOutput(std::cout, std::cerr) ? kExitAccepted : kExitUsage;
    }

    // Refused like the window refuses them: directories, pipes and devices given by name, and inputs
    // beyond the size bound, so that /dev/zero ends at once instead of filling memory.
    const FileReadResult input =
        options->file == "-" ? ReadDescriptorBytes(STDIN_FILENO) : ReadFileBytes(options->file);
    if (!input.bytes) {
        std::cerr << "lineato-batch: cannot read " << options->file << ": " << input.reason << '\n';
        return kExitUsage;
    }

    // Fonts and images need a GUI application, but never a display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(QuietQtMessages);
    QGuiApplication app(argc, argv);
    // Qt adopts the user's locale; number formatting in the core must stay with the decimal point.
    std::setlocale(LC_NUMERIC, "C");

    return RunBatch(*options, *input.bytes, std::cout, std::cerr, BatchImageOutputs(*options));
}
