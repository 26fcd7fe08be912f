// Lineato: the window program.
#include <QApplication>
#include <QFile>
#include <QLibraryInfo>
#include <QTranslator>

#include "app/mainform.h"
#include "app/qtguiservices.h"
#include "document/settingslocation.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Lineato"));
    // German captions for Qt's own buttons and dialogs.
    QTranslator qtTranslator;
    if (qtTranslator.load(QStringLiteral("qtbase_de"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtTranslator);

    QtGuiServices services;
    const std::string programDir = QFile::encodeName(QCoreApplication::applicationDirPath()).toStdString();
    TMainForm form(services, QFile::decodeName(SettingsFilePath(programDir).c_str()));
    form.show();
    return app.exec();
}
