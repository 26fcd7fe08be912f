// The single-step replay of the main window: rebuild the construction line by line in the replay window.
#include <QLineEdit>
#include <QListWidget>
#include <memory>

#include "app/einzelschritt.h"
#include "app/guiservices.h"
#include "app/mainform.h"
#include "app/paintbox.h"
#include "app/qtext.h"
#include "drawing/transform.h"

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
    ClearCanvas();
    PaintBox->update();
    Parser->Objects.FreeAll();
    Parser->Reset();
    StepIndex = 0;
    EinzelschrittAction->setChecked(true);
    StepBusy = false;

    if (EinzelSchritt == nullptr)
        EinzelSchritt = new TEinzelSchritt(std::make_unique<MainFormReplayHost>(*this), this);
    Services().ExecDialog(*EinzelSchritt);

    // Whatever is left runs now, each line whatever became of the ones before it.
    const int count = ListBox->count();
    for (; StepIndex < count; ++StepIndex)
        Parser->Execute(QStringToCp1252(ListBox->item(StepIndex)->text()));

    ListBox->clearSelection();
    EinzelschrittAction->setChecked(false);
    Edit->clear();
    PaintBox->update();
}

bool TMainForm::ReplayStep() {
    // A timer tick while the error box of the running step is open.
    if (StepBusy) return true;
    StepBusy = true;
    const int count = ListBox->count();
    if (StepIndex >= count) {
        StepBusy = false;
        return false;
    }
    const QString text = ListBox->item(StepIndex)->text();
    const bool accepted = Parser->Execute(QStringToCp1252(text));
    Edit->setText(text);
    if (StepIndex == 0)
        ListBox->clearSelection();
    else
        ListBox->item(StepIndex - 1)->setSelected(false);
    ListBox->item(StepIndex)->setSelected(true);
    ++StepIndex;
    PaintBox->update();
    const bool goOn = accepted && StepIndex < count;
    StepBusy = false;
    return goOn;
}
