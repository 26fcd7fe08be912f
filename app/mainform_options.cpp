// The main window's side of the options dialog: what the dialog may change, and opening it.
#include <QListView>
#include <QSplitter>
#include <algorithm>
#include <memory>

#include "app/guiservices.h"
#include "app/mainform.h"
#include "app/optionsdialog.h"
#include "app/paintbox.h"

namespace {

class MainFormOptionsHost : public OptionsHost {
public:
    explicit MainFormOptionsHost(TMainForm& form) : form_(form) {}

    Settings& Options() override { return form_.Options; }
    TParser& Parser() override { return form_.Document->Parser(); }
    GuiServices& Services() override { return form_.Services(); }
    QWidget* Window() override { return &form_; }
    void ShowToolbar(bool visible) override { form_.ShowToolbar(visible); }
    QFont ListFont() const override { return form_.ListBox->font(); }
    void SetListFont(const QFont& font) override { form_.ListBox->setFont(font); }
    int ListWidth() const override {
        const QList<int> sizes = form_.Splitter1->sizes();
        return sizes.isEmpty() ? form_.ListBox->width() : sizes.front();
    }
    void SetListWidth(int pixels) override {
        // The drawing area takes what the list gives up, as when the splitter is dragged.
        QList<int> sizes = form_.Splitter1->sizes();
        if (sizes.size() < 2) return;
        const int total = sizes[0] + sizes[1];
        sizes[0] = pixels;
        sizes[1] = std::max(0, total - pixels);
        form_.Splitter1->setSizes(sizes);
    }

private:
    TMainForm& form_;
};

}  // namespace

void TMainForm::OptionenClick() {
    if (OptionenDialog == nullptr)
        OptionenDialog = new TOptionenDialog(std::make_unique<MainFormOptionsHost>(*this), this);
    Services().ExecDialog(*OptionenDialog);
    // Fixed bounds take effect in the view at once; the drawing area shows them when the dialog is gone,
    // so that the picture and the view that mouse positions are read in stay one.
    PaintBox->Repaint();
}
