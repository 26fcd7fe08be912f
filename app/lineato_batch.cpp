// lineato-batch: executes a construction file headless and reports messages, a JSON dump and images.
#include <QGuiApplication>
#include <QtGlobal>
#include <cerrno>
#include <clocale>
#include <cstdio>
#include <cstring>
#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include "app/batchoptions.h"
#include "app/batchrun.h"

namespace {

// Qt's own diagnostics (missing runtime directories, font warnings) would mix with the interpreter's
// messages on stderr, which scripts compare; only fatal ones are let through.
void QuietQtMessages(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtFatalMsg) std::cerr << "lineato-batch: Qt: " << message.toStdString() << '\n';
}

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};

// The whole content of path ("-": standard input); false with errno's reason in error.
bool ReadInput(const std::string& path, std::string& bytes, std::string& error) {
    std::unique_ptr<std::FILE, FileCloser> opened;
    std::FILE* file = stdin;
    if (path != "-") {
        opened.reset(std::fopen(path.c_str(), "rb"));
        if (!opened) {
            error = std::strerror(errno);
            return false;
        }
        file = opened.get();
    }
    std::vector<char> chunk(1 << 16);
    for (;;) {
        const std::size_t n = std::fread(chunk.data(), 1, chunk.size(), file);
        bytes.append(chunk.data(), n);
        if (n < chunk.size()) break;
    }
    if (std::ferror(file)) {
        error = std::strerror(errno);
        return false;
    }
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    std::string error;
    const std::optional<BatchOptions> options = ParseBatchArguments(args, error);
    if (!options) {
        std::cerr << "lineato-batch: " << error << '\n' << kBatchSynopsis;
        return kExitUsage;
    }
    if (options->help) {
        std::cout << kBatchSynopsis << kBatchOptionList;
        return kExitAccepted;
    }

    std::string bytes;
    if (!ReadInput(options->file, bytes, error)) {
        std::cerr << "lineato-batch: cannot read " << options->file << ": " << error << '\n';
        return kExitUsage;
    }

    // Fonts and images need a GUI application, but never a display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(QuietQtMessages);
    QGuiApplication app(argc, argv);
    // Qt adopts the user's locale; number formatting in the core must stay with the decimal point.
    std::setlocale(LC_NUMERIC, "C");

    return RunBatch(*options, bytes, std::cout, std::cerr);
}
