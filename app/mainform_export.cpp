// Datei › Exportieren: file dialog, the format's options, and the file written whole or not at all.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>

#include "app/exportdialog.h"
#include "app/exportfile.h"
#include "app/guiservices.h"
#include "app/mainform.h"
#include "drawing/drawstate.h"
#include "text/fileio.h"

void TMainForm::FileExport() {
    if (ExportDialog == nullptr) ExportDialog = new TExportDialog(this);
    const ExportFormat last = ExportDialog->Options().format;
    // A construction with a file suggests its own name beside it.
    QString suggestion;
    if (!Document->Untitled()) {
        const QFileInfo file(FileName());
        suggestion = file.dir().filePath(file.completeBaseName() + QLatin1Char('.') + ExportSuffix(last));
    }
    QString filter = ExportFilter(last);
    const QString answer = services_.GetExportFileName(this, suggestion, ExportFilters(), filter);
    if (answer.isEmpty()) return;
    const ExportTarget target = ResolveExportTarget(answer, filter);
    // The dialog asked about the name as typed; the extension added here names another file, which may
    // already exist.
    if (target.path != answer && QFileInfo::exists(target.path) &&
        services_.AskYesNo(this,
                           QStringLiteral("Die Datei %1 existiert bereits. Soll sie überschrieben werden?")
                               .arg(QFileInfo(target.path).fileName())) != GuiServices::Answer::Yes)
        return;

    const DrawState& state = Drawing();
    ExportDialog->Prepare(target.format, {state.ScreenRect.Width(), state.ScreenRect.Height()},
                          {state.XMin, state.YMin, state.XMax, state.YMax});
    if (TExportDialog::HasOptions(target.format) && services_.ExecDialog(*ExportDialog) != QDialog::Accepted)
        return;

    QString error;
    const std::optional<std::string> bytes = RenderExport(Document->Parser(), ExportDialog->Options(), error);
    if (!bytes) {
        services_.ShowError(this, error);
        return;
    }
    // Written beside the target and renamed over it: a failed export leaves an old file whole.
    if (const FileWriteResult written = ReplaceFile(QFile::encodeName(target.path).toStdString(), *bytes);
        !written.Ok()) {
        services_.ShowError(this, CannotCreateFileText(target.path, written.error));
        return;
    }
    Panel1->setText(QStringLiteral("Exportiert: %1").arg(QFileInfo(target.path).fileName()));
}
