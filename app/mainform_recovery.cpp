// Crash recovery in the window: the question at start, and the recovery file written after every change.
#include <QFile>
#include <QLineEdit>

#include "app/guiservices.h"
#include "app/mainform.h"
#include "app/paintbox.h"
#include "document/recovery.h"
#include "text/writeerror.h"

namespace {

QString PathText(const std::string& path) {
    return QFile::decodeName(QByteArray::fromStdString(path));
}

const char* const kRecoveryQuestion =
    "Lineato wurde nicht ordnungsgemäß beendet. Soll die zuletzt bearbeitete Konstruktion "
    "wiederhergestellt werden?";

}  // namespace

void TMainForm::Start(const QString& file, const std::string& recoveryDirectory) {
    std::unique_ptr<OrphanRecovery> recovered = OfferRecovery(recoveryDirectory);
    recovery_ = std::make_unique<RecoveryFile>(recoveryDirectory);
    Document->SetChangedListener([this] { WriteRecovery(); });
    // A construction from a crash wins over the file argument: the user chose it, and the file is still
    // there to be opened, while the recovered work exists nowhere else.
    if (!recovered && !file.isEmpty()) {
        OpenFile(file);
        return;
    }
    // The orphan goes only once this window's own file holds its construction.
    if (WriteRecovery() && recovered) recovered->Discard();
}

std::unique_ptr<OrphanRecovery> TMainForm::OfferRecovery(const std::string& directory) {
    for (std::unique_ptr<OrphanRecovery>& orphan : ClaimOrphans(directory)) {
        std::optional<RecoveryState> state = orphan->Read();
        if (!state) {
            const std::string aside = orphan->SetAside();
            QString text = QStringLiteral("Die Wiederherstellungsdatei %1 kann nicht gelesen werden.")
                               .arg(PathText(orphan->Path()));
            if (!aside.empty())
                text += QStringLiteral(" Sie wurde unter dem Namen %1 aufbewahrt.").arg(PathText(aside));
            services_.ShowError(this, text);
            continue;
        }
        // An empty construction holds no work to lose.
        if (state->lines.empty()) {
            orphan->Discard();
            continue;
        }
        if (services_.AskYesNo(this, QString::fromUtf8(kRecoveryQuestion)) != GuiServices::Answer::Yes) {
            orphan->Discard();
            continue;
        }
        Edit->clear();
        const std::string fileName = state->fileName;
        Document->Restore(std::move(state->lines), std::move(state->fileName), state->untitled);
        if (!fileName.empty()) ShowFileName(PathText(fileName));
        PaintBox->update();
        // The other orphans stay for later starts: one window holds one construction.
        return std::move(orphan);
    }
    return nullptr;
}

bool TMainForm::WriteRecovery() {
    if (!recovery_) return false;
    const FileWriteResult written = recovery_->Write(RecoveryStateOf(*Document));
    if (written.Ok()) {
        recoveryFaultShown_ = false;
        return true;
    }
    // Once until writing works again: a box at every typed line would make the program unusable.
    if (recoveryFaultShown_) return false;
    recoveryFaultShown_ = true;
    const std::string& path = recovery_->Path().empty() ? recovery_->Directory() : recovery_->Path();
    services_.ShowError(this,
                        QStringLiteral("Die Wiederherstellungsdatei %1 kann nicht geschrieben werden. %2 "
                                       "Lineato arbeitet weiter, kann die Konstruktion nach einem "
                                       "Absturz aber nicht wiederherstellen.")
                            .arg(PathText(path), QString::fromStdString(WriteErrorReason(written.error))));
    return false;
}
