// The single-step replay of the main window: rebuild the construction line by line in the replay window.
#include <QLineEdit>
#include <QListView>
#include <memory>

#include "app/einzelschritt.h"
#include "app/guiservices.h"
#include "app/mainform.h"
#include "app/paintbox.h"
#include "app/qtext.h"

namespace {

// The replay window's view of the main window.
class MainFormReplayHost : public ReplayHost {
public:
    explicit MainFormReplayHost(TMainForm& form) : form_(form) {}
    bool ReplayStep() override { return form_.ReplayStep(); }
    QRect HostFrameGeometry() const override { return form_.frameGeometry(); }

private:
    TMainForm& form_;  // owns the replay window, so it outlives this host
};

}  // namespace

void TMainForm::Einzelschritt1Click() {
    // The world window stays: the replay draws into the current view.
    Replay->Start();
    PaintBox->update();
    EinzelschrittAction->setChecked(true);

    if (EinzelSchritt == nullptr)
        EinzelSchritt = new TEinzelSchritt(std::make_unique<MainFormReplayHost>(*this), this);
    Services().ExecDialog(*EinzelSchritt);

    // Whatever is left runs now, each line whatever became of the ones before it.
    Replay->Finish();

    ListBox->clearSelection();
    EinzelschrittAction->setChecked(false);
    Edit->clear();
    PaintBox->update();
}

bool TMainForm::ReplayStep() {
    // The step's line is selected and in the command line before it runs, so that an error box
    // of that line appears beside it.
    return Replay->Step([this](int index) {
        Edit->setText(Cp1252ToQString(Document->Line(index)));
        ShowLine(index);
    });
}
