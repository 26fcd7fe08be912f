// TExportDialog: the options of one export format (PNG size, PDF scale, TikZ width) before the file is
// written. Made once by the window and kept, so that it remembers the last choices.
#pragma once

#include <QDialog>
#include <QSize>

#include "app/exportfile.h"

class QDoubleSpinBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QStackedWidget;

class TExportDialog : public QDialog {
    Q_OBJECT

public:
    explicit TExportDialog(QWidget* parent = nullptr);

    // SVG has nothing to choose: its picture is the drawing area's.
    static bool HasOptions(ExportFormat format);
    // Shows the page of format; screen and shown (the drawing area and its world window) give the
    // PNG sizes shown beside the choices.
    void Prepare(ExportFormat format, const QSize& screen, const WorldWindow& shown);
    // The choices for the format last prepared.
    ExportOptions Options() const;

    QStackedWidget* Pages = nullptr;
    QPushButton* OKBtn = nullptr;
    QPushButton* CancelBtn = nullptr;
    // PNG.
    QRadioButton* PngScreenBtn = nullptr;
    QSpinBox* PngFactor = nullptr;
    QRadioButton* PngTrueScaleBtn = nullptr;
    QLabel* PngSizeLabel = nullptr;
    // PDF.
    QRadioButton* PdfFitBtn = nullptr;
    QRadioButton* PdfTrueScaleBtn = nullptr;
    // TikZ.
    QRadioButton* TikzNaturalBtn = nullptr;
    QRadioButton* TikzWidthBtn = nullptr;
    QDoubleSpinBox* TikzWidth = nullptr;

private:
    QWidget* CreatePngPage();
    QWidget* CreatePdfPage();
    QWidget* CreateTikzPage();
    void ShowPngSize();

    ExportFormat format_ = ExportFormat::Png;
    QSize screen_;
    WorldWindow shown_;
};
