// Lineato: the window program. "lineato [FILE]" opens FILE at start; --help and --version answer and end.
#include <QApplication>
#include <QFile>
#include <QLibraryInfo>
#include <QTimer>
#include <QTranslator>
#include <cstdio>
#include <cstring>

#include "app/mainform.h"
#include "app/qtguiservices.h"
#include "document/recovery.h"
#include "document/settingslocation.h"
#include "generated/buildinfo.h"

namespace {

constexpr const char* kUsage = "Aufruf: lineato [DATEI]\n";
constexpr const char* kHelp =
    "Lineato \xE2\x80\x93 Konstruktionen mit Zirkel und Lineal.\n"
    "\n"
    "  DATEI        \xC3\xB6"
    "ffnet diese Konstruktionsdatei (.con) beim Start\n"
    "  --help, -h   zeigt diese Hilfe an und beendet das Programm\n"
    "  --version    zeigt die Versionsnummer an und beendet das Programm\n"
    "  --           danach ist jedes Argument ein Dateiname, auch wenn es mit - beginnt\n";

bool Is(const char* arg, const char* option) {
    return std::strcmp(arg, option) == 0;
}

}  // namespace

int main(int argc, char** argv) {
    // Answered before any window system is needed, so that they work without a display.
    for (int i = 1; i < argc && !Is(argv[i], "--"); ++i) {
        if (Is(argv[i], "--help") || Is(argv[i], "-h")) {
            std::fputs(kUsage, stdout);
            std::fputs(kHelp, stdout);
            return 0;
        }
        if (Is(argv[i], "--version")) {
            std::printf("Lineato %s\n", kLineatoVersion);
            return 0;
        }
    }

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Lineato"));
    // What is left after Qt took its own options (-platform, -style, ...).
    QString file;
    bool optionsEnded = false;
    const QStringList args = QCoreApplication::arguments().mid(1);
    for (const QString& arg : args) {
        if (!optionsEnded && arg == QStringLiteral("--")) {
            optionsEnded = true;
        } else if (!optionsEnded && arg.startsWith(QLatin1Char('-')) && arg != QStringLiteral("-")) {
            std::fprintf(stderr, "lineato: unbekannte Option %s\n%s", arg.toLocal8Bit().constData(), kUsage);
            return 2;
        } else if (!file.isEmpty()) {
            std::fprintf(stderr,
                         "lineato: nur eine Datei kann ge\xC3\xB6"
                         "ffnet werden\n%s",
                         kUsage);
            return 2;
        } else {
            file = arg;
        }
    }

    // German captions for Qt's own buttons and dialogs.
    QTranslator qtTranslator;
    if (qtTranslator.load(QStringLiteral("qtbase_de"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtTranslator);

    QtGuiServices services;
    const std::string programDir = QFile::encodeName(QCoreApplication::applicationDirPath()).toStdString();
    TMainForm form(services, QFile::decodeName(SettingsFilePath(programDir).c_str()));
    form.show();
    // Once the window stands with its real drawing-area size, as an Open would find it.
    QTimer::singleShot(0, &form, [&form, file] { form.Start(file, RecoveryDirectory()); });
    return app.exec();
}
