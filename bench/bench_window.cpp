// The real window, offscreen: opening the workload file, one more typed line into a construction of
// 10,000 objects, Rückgängig on it, and one step of dragging a free point of a construction of 1,000
// lines; each until the window has painted.
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QDialog>
#include <QLineEdit>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

#include "app/guiservices.h"
#include "app/mainform.h"
#include "app/paintbox.h"
#include "bench/workloadrun.h"
#include "drawing/transform.h"
#include "geometry/tpunkt.h"

namespace {

// Answers every question with Cancel and every dialog with Rejected; boxes are not shown.
class QuietServices : public GuiServices {
public:
    void ShowError(QWidget*, const QString&) override { ++errors; }
    void ShowInformation(QWidget*, const QString&) override {}
    Answer AskYesNoCancel(QWidget*, const QString&) override { return Answer::No; }
    Answer AskOkCancel(QWidget*, const QString&) override { return Answer::Cancel; }
    Answer AskYesNo(QWidget*, const QString&) override { return Answer::No; }
    QString GetOpenFileName(QWidget*) override { return {}; }
    QString GetSaveFileName(QWidget*) override { return {}; }
    QString GetExportFileName(QWidget*, const QString&, const QStringList&, QString&) override { return {}; }
    std::optional<QFont> ChooseFont(QWidget*, const QFont&) override { return std::nullopt; }
    bool ExecPrintDialog(QWidget*, QPrinter&) override { return false; }
    int ExecDialog(QDialog&) override { return QDialog::Rejected; }
    int errors = 0;
};

// A shown main window with its settings in a scratch directory.
struct Window {
    Window() : form(services, directory.filePath("LINEATO.INI")) {
        form.resize(1000, 700);
        form.show();
        QCoreApplication::processEvents();
    }
    std::string WorkloadFile(int lines) {
        const std::string path = directory.filePath(QString("workload%1.con").arg(lines)).toStdString();
        if (!std::filesystem::exists(path)) std::ofstream(path, std::ios::binary) << Workload(lines);
        return path;
    }
    void Type(const QString& line) {
        form.Edit->setText(line);
        form.OkButtonClick();
        QCoreApplication::processEvents();
    }

    QTemporaryDir directory;
    QuietServices services;
    TMainForm form;
};

void BM_OpenInWindow(benchmark::State& state) {
    Window window;
    const QString path = QString::fromStdString(window.WorkloadFile(static_cast<int>(state.range(0))));
    for (auto _ : state) {
        window.form.OpenFile(path);
        QCoreApplication::processEvents();
    }
    if (window.services.errors != 0) state.SkipWithError("the workload was not accepted");
}

void BM_TypedLineInWindow(benchmark::State& state) {
    Window window;
    window.form.OpenFile(QString::fromStdString(window.WorkloadFile(10'000)));
    QCoreApplication::processEvents();
    int n = 0;
    for (auto _ : state)
        window.Type(QString("PUNKT Neu%1 1 1").arg(++n));
    if (window.services.errors != 0) state.SkipWithError("a typed line was rejected");
}

void BM_UndoInWindow(benchmark::State& state) {
    Window window;
    window.form.OpenFile(QString::fromStdString(window.WorkloadFile(10'000)));
    QCoreApplication::processEvents();
    for (auto _ : state) {
        state.PauseTiming();
        window.Type("PUNKT Neu 1 1");
        state.ResumeTiming();
        window.form.EditUndo();
        QCoreApplication::processEvents();
    }
    if (window.services.errors != 0) state.SkipWithError("a typed line was rejected");
}

void SendMouse(TMainForm& form, QEvent::Type type, QPointF p, Qt::MouseButtons buttons) {
    QMouseEvent event(type, p, form.PaintBox->mapToGlobal(p), Qt::LeftButton, buttons, Qt::NoModifier);
    QCoreApplication::sendEvent(form.PaintBox, &event);
}

// One step of a drag: the point's line rewritten, the construction of 1,000 lines executed again and
// the drawing area painted. The first free point of the workload is dragged to and fro.
void BM_DragStepInWindow(benchmark::State& state) {
    Window window;
    window.form.OpenFile(QString::fromStdString(window.WorkloadFile(1'000)));
    QCoreApplication::processEvents();
    const TPunkt* first = window.form.Document->Parser().Objects.Item(0);
    const QPointF start(ToScreenXf(first->X), ToScreenYf(first->Y));
    SendMouse(window.form, QEvent::MouseButtonPress, start, Qt::LeftButton);
    if (!window.form.Document->LiveEditing()) {
        state.SkipWithError("the first point could not be grabbed");
        return;
    }
    int step = 0;
    for (auto _ : state) {
        const double offset = (++step % 2 == 0) ? 0 : 3;
        SendMouse(window.form, QEvent::MouseMove, start + QPointF(offset, offset), Qt::LeftButton);
        window.form.PaintBox->repaint();
    }
    SendMouse(window.form, QEvent::MouseButtonRelease, start, Qt::NoButton);
    if (window.form.Document->MarksRejected()) state.SkipWithError("a drag step left a line rejected");
}

}  // namespace

BENCHMARK(BM_OpenInWindow)->Arg(1'000)->Arg(10'000)->Arg(100'000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TypedLineInWindow)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_UndoInWindow)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DragStepInWindow)->Unit(benchmark::kMillisecond);
