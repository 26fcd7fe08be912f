// Construction files, undo and the editor: everything that rebuilds the construction from its lines.
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QSaveFile>

#include "app/editorform.h"
#include "app/guiservices.h"
#include "app/mainform.h"
#include "app/paintbox.h"
#include "app/qtext.h"
#include "drawing/transform.h"
#include "text/confile.h"

bool TMainForm::ExecuteList() {
    for (int i = 0; i < ListBox->count(); ++i) {
        if (!Parser->Execute(QStringToCp1252(ListBox->item(i)->text()))) return false;
    }
    return true;
}

void TMainForm::RebuildFromList() {
    Parser->Objects.FreeAll();
    Parser->Reset();
    ExecuteList();
}

void TMainForm::SetLines(const std::vector<std::string>& lines) {
    ListBox->clear();
    for (const std::string& line : lines)
        ListBox->addItem(Cp1252ToQString(line));
}

void TMainForm::ShowFileName(const QString& path) {
    Panel2->setText(QFileInfo(path).fileName());
}

void TMainForm::FileNew() {
    if (Modified && services_.AskOkCancel(this, QStringLiteral("Vorhandende Konstruktion ersetzen?")) !=
                        GuiServices::Answer::Ok)
        return;
    Edit->clear();
    SetWorldWindow(-6, -5, 6, 5);
    Parser->Objects.FreeAll();
    Parser->Reset();
    ListBox->clear();
    Modified = false;
    Untitled = true;
    PaintBox->Repaint();
}

void TMainForm::FileOpen() {
    FileNew();
    if (Modified) return;
    const QString path = services_.GetOpenFileName(this);
    if (path.isEmpty()) return;
    Parser->Reset();
    FileName = path;
    ShowFileName(path);

    // A directory, a vanished or an unreadable file all end here, before the list is touched; so does
    // anything but a regular file, since a pipe or a device could block or never end.
    QFile file(path);
    QByteArray bytes;
    if (QFileInfo(path).isFile() && file.open(QIODevice::ReadOnly)) {
        bytes = file.readAll();
        if (file.error() != QFileDevice::NoError) file.close();
    }
    if (!file.isOpen()) {
        services_.ShowError(this, QStringLiteral("Cannot open file %1.").arg(path));
        return;
    }
    SetLines(SplitConstructionLines(std::string_view(bytes.constData(), bytes.size())));
    if (ExecuteList()) Untitled = false;
}

bool TMainForm::WriteConstruction(const QString& path) {
    std::vector<std::string> lines;
    lines.reserve(ListBox->count());
    for (int i = 0; i < ListBox->count(); ++i)
        lines.push_back(QStringToCp1252(ListBox->item(i)->text()));
    const std::string bytes = JoinConstructionLines(lines);

    // Written beside the target and renamed over it: a failed save leaves the old file whole.
    QSaveFile file(path);
    const bool written =
        file.open(QIODevice::WriteOnly) &&
        file.write(bytes.data(), static_cast<qint64>(bytes.size())) == static_cast<qint64>(bytes.size()) &&
        file.commit();
    if (!written) {
        file.cancelWriting();
        services_.ShowError(this, QStringLiteral("Cannot create file %1.").arg(path));
    }
    return written;
}

bool TMainForm::SaveConstruction() {
    if (Untitled) return SaveConstructionAs();
    if (!WriteConstruction(FileName)) return false;
    Modified = false;
    return true;
}

bool TMainForm::SaveConstructionAs() {
    const QString path = services_.GetSaveFileName(this);
    if (path.isEmpty()) return false;
    FileName = path;
    if (!WriteConstruction(path)) return false;
    Modified = false;
    ShowFileName(path);
    // Later plain saves go to the chosen file without asking again.
    Untitled = false;
    return true;
}

void TMainForm::FileSave() {
    SaveConstruction();
}

void TMainForm::FileSaveAs() {
    SaveConstructionAs();
}

void TMainForm::EditUndo() {
    if (ListBox->count() > 0) std::unique_ptr<QListWidgetItem> last(ListBox->takeItem(ListBox->count() - 1));
    Parser->Objects.FreeAll();
    Parser->Reset();
    Modified = true;
    ExecuteList();
    PaintBox->Repaint();
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
    SetLines(bytes);
    ClearCanvas();
    Parser->Objects.FreeAll();
    Parser->Reset();
    Modified = true;
    ExecuteList();
    // Shows the axes again, which the clearing above removed.
    PaintBox->Repaint();
}
