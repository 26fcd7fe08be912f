// Lineato: the window program.
#include <QApplication>
#include <QLibraryInfo>
#include <QTranslator>

#include "app/mainform.h"
#include "app/qtguiservices.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Lineato"));
    // German captions for Qt's own buttons and dialogs.
    QTranslator qtTranslator;
    if (qtTranslator.load(QStringLiteral("qtbase_de"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtTranslator);

    QtGuiServices services;
    TMainForm form(services, QCoreApplication::applicationDirPath() + QStringLiteral("/LINEATO.INI"));
    form.show();
    return app.exec();
}
