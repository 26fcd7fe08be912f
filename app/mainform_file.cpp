// Construction files, undo, redo and the editor: the window's handlers over the document's operations.
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>

#include "app/editorform.h"
#include "app/guiservices.h"
#include "app/mainform.h"
#include "app/paintbox.h"
#include "app/qtext.h"
#include "text/writeerror.h"

namespace {

std::string PathBytes(const QString& path) {
    return QFile::encodeName(path).toStdString();
}

}  // namespace

QString CannotCreateFileText(const QString& path, int error) {
    return QStringLiteral("Cannot create file %1.\n%2")
        .arg(path, QString::fromStdString(WriteErrorReason(error)));
}

void TMainForm::ShowFileName(const QString& path) {
    Panel2->setText(QFileInfo(path).fileName());
}

void TMainForm::FileNew() {
    if (Document->Modified() &&
        services_.AskOkCancel(this, QStringLiteral("Vorhandende Konstruktion ersetzen?")) !=
            GuiServices::Answer::Ok)
        return;
    Edit->clear();
    Document->StartAfresh();
    PaintBox->update();
}

void TMainForm::FileOpen() {
    FileNew();
    if (Document->Modified()) return;
    const QString path = services_.GetOpenFileName(this);
    if (path.isEmpty()) return;
    OpenFile(path);
}

void TMainForm::OpenFile(const QString& path) {
    ShowFileName(path);
    // A directory, a vanished or an unreadable file all end here, before the list is touched; so does
    // anything but a regular file, since a pipe or a device could block or never end.
    if (!Document->Open(PathBytes(path)))
        services_.ShowError(this, QStringLiteral("Cannot open file %1.").arg(path));
}

bool TMainForm::SaveConstruction() {
    if (Document->Untitled()) return SaveConstructionAs();
    if (Document->Save()) return true;
    services_.ShowError(this, CannotCreateFileText(FileName(), Document->SaveError()));
    return false;
}

bool TMainForm::SaveConstructionAs() {
    const QString path = services_.GetSaveFileName(this);
    if (path.isEmpty()) return false;
    // Written beside the target and renamed over it: a failed save leaves the old file whole.
    if (!Document->SaveAs(PathBytes(path))) {
        services_.ShowError(this, CannotCreateFileText(path, Document->SaveError()));
        return false;
    }
    ShowFileName(path);
    return true;
}

void TMainForm::FileSave() {
    SaveConstruction();
}

void TMainForm::FileSaveAs() {
    SaveConstructionAs();
}

void TMainForm::EditUndo() {
    Document->Undo();
    PaintBox->update();
}

void TMainForm::EditRedo() {
    if (!Document->CanRedo()) return;
    Document->Redo();
    PaintBox->update();
}

void TMainForm::Editor1Click() {
    const QString before = Lines().join(QLatin1Char('\n'));
    editorForm_->Memo->setPlainText(before);
    if (services_.ExecDialog(*editorForm_) != QDialog::Accepted) return;
    const QString after = editorForm_->Memo->toPlainText();
    if (!editorForm_->Memo->document()->isModified() && after == before) return;

    QStringList lines = after.split(QLatin1Char('\n'));
    // A line break after the last line does not start another line.
    if (!lines.isEmpty() && lines.constLast().isEmpty()) lines.removeLast();
    std::vector<std::string> bytes;
    bytes.reserve(lines.size());
    for (const QString& line : lines)
        bytes.push_back(QStringToCp1252(line));
    Document->ReplaceAll(std::move(bytes));
    PaintBox->update();
}
