// Datei › Exportieren and the clipboard from the main window, with scripted file and options dialogs.
#include <gtest/gtest.h>

#include <QAction>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>
#include <QXmlStreamReader>
#include <cmath>

#include "app/exportdialog.h"
#include "app/mainform.h"
#include "app/paintbox.h"
#include "drawing/drawstate.h"
#include "tests/app/replay_print_services.h"
#include "tests/support/lockeddir.h"

namespace {

class ExportServices : public ScriptedServices {
public:
    QString GetExportFileName(QWidget*, const QString& suggestion, const QStringList& filters,
                              QString& filter) override {
        ++fileDialogs;
        suggestions.append(suggestion);
        offered = filters;
        startFilter = filter;
        if (!answerFilter.isEmpty()) filter = answerFilter;
        return answerPath;
    }
    Answer AskYesNo(QWidget*, const QString& text) override {
        questions.append(text);
        return overwrite;
    }
    int fileDialogs = 0;
    QStringList questions;
    Answer overwrite = Answer::No;
    QStringList suggestions;
    QStringList offered;
    QString startFilter;
    QString answerPath;
    QString answerFilter;
};

QByteArray ReadAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The SVG's view box, or an empty text when it does not parse as XML.
QString SvgViewBox(const QByteArray& svg) {
    QXmlStreamReader xml(svg);
    QString viewBox;
    while (!xml.atEnd())
        if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == QStringLiteral("svg"))
            viewBox = xml.attributes().value(QStringLiteral("viewBox")).toString();
    return xml.hasError() ? QString() : viewBox;
}

// The columns of the leftmost and rightmost pure red pixels, or (-1, -1).
std::pair<int, int> RedExtent(const QImage& image) {
    std::pair<int, int> extent{-1, -1};
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) == qRgb(255, 0, 0)) {
                if (extent.first < 0 || x < extent.first) extent.first = x;
                extent.second = std::max(extent.second, x);
            }
    return extent;
}

class ExportWindowTest : public ::testing::Test {
protected:
    ExportWindowTest() : form(services, dir.filePath("LINEATO.INI")) {
        form.resize(640, 480);
        form.show();
        QCoreApplication::processEvents();
        form.Document->Load("PUNKT A 0 0\nPUNKT B 5 0\nFARBE rot\nSTRECKE s A B\n");
        form.PaintBox->Repaint();
    }

    // Exports to path with filter; script sets the options dialog (OK follows unless it closed it).
    void Export(const QString& path, const QString& filter, std::function<void(TExportDialog&)> script = {}) {
        services.answerPath = path;
        services.answerFilter = filter;
        services.dialogScript = [script](QDialog& dialog) {
            auto& options = dynamic_cast<TExportDialog&>(dialog);
            if (script) script(options);
            if (options.isVisible() && options.OKBtn->isEnabled()) options.OKBtn->click();
        };
        form.FileExport();
    }

    DrawStateGuard guard;
    QTemporaryDir dir;
    ExportServices services;
    TMainForm form;
};

const QString kPng = QStringLiteral("PNG-Bild (*.png)");
const QString kSvg = QStringLiteral("SVG-Grafik (*.svg)");
const QString kPdf = QStringLiteral("PDF-Dokument (*.pdf)");
const QString kTikz = QString::fromUtf8("TikZ für LaTeX (*.tex)");

}  // namespace

TEST_F(ExportWindowTest, MenuEntryAfterSaveAsWithCtrlEFromTheCommandLine) {
    QMenu* file = form.menuBar()->actions().front()->menu();
    QStringList captions;
    for (QAction* action : file->actions())
        captions.append(action->text());
    ASSERT_GE(captions.indexOf("Speichern &Unter..."), 0);
    EXPECT_EQ(captions.at(captions.indexOf("Speichern &Unter...") + 1), "&Exportieren...");
    form.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    form.Edit->setFocus();
    QTest::keyClick(form.Edit, Qt::Key_E, Qt::ControlModifier);
    EXPECT_EQ(services.fileDialogs, 1);
    EXPECT_EQ(services.offered, (QStringList{kPng, kSvg, kPdf, kTikz}));
}

TEST_F(ExportWindowTest, PngAtTheAreaSizeEnlargedAndAtTrueScale) {
    const QString path = dir.filePath("bild.png");
    Export(path, kPng);
    QImage image(path);
    ASSERT_FALSE(image.isNull());
    // The same code as the screen draws the same picture.
    EXPECT_EQ(image.convertToFormat(QImage::Format_RGB32),
              form.PaintBox->Image().convertToFormat(QImage::Format_RGB32));

    Export(path, kPng, [](TExportDialog& d) { d.PngFactor->setValue(3); });
    image = QImage(path);
    EXPECT_EQ(image.size(), form.PaintBox->size() * 3);
    EXPECT_EQ(image.dotsPerMeterX(), 3 * 3780);
    const auto [left, right] = RedExtent(image);
    const auto [screenLeft, screenRight] = RedExtent(form.PaintBox->Image());
    EXPECT_NEAR(right - left, 3 * (screenRight - screenLeft), 3);

    // 300 dpi with one unit a centimetre: the segment of 5 units is 5 cm = 590.6 pixels long.
    Export(path, kPng, [](TExportDialog& d) { d.PngTrueScaleBtn->setChecked(true); });
    image = QImage(path);
    const DrawState& state = Drawing();
    EXPECT_NEAR(image.width(), (state.XMax - state.XMin) / 2.54 * 300, 5);
    EXPECT_NEAR(image.height(), (state.YMax - state.YMin) / 2.54 * 300, 5);
    EXPECT_EQ(image.dotsPerMeterX(), 11811);
    const auto [trueLeft, trueRight] = RedExtent(image);
    EXPECT_NEAR(trueRight - trueLeft, 5 / 2.54 * 300, 4);
}

TEST_F(ExportWindowTest, PngFollowsTheScreensColourModeAndRefusesHugeImages) {
    form.FarbeClick();
    const QString path = dir.filePath("mono.png");
    Export(path, kPng);
    EXPECT_EQ(RedExtent(QImage(path)).first, -1);

    // A construction 2000 units wide is 20 m at true scale: refused before any image is made.
    form.Document->Load("PUNKT A 0 0\nPUNKT F 2000 0\n");
    bool okEnabled = true;
    QString label;
    Export(dir.filePath("huge.png"), kPng, [&](TExportDialog& d) {
        d.PngTrueScaleBtn->setChecked(true);
        okEnabled = d.OKBtn->isEnabled();
        label = d.PngSizeLabel->text();
        d.reject();
    });
    EXPECT_FALSE(okEnabled);
    EXPECT_EQ(label, QString::fromUtf8("Das Bild wäre zu groß zum Exportieren."));
    QString error;
    ExportOptions options;
    options.pngTrueScale = true;
    EXPECT_FALSE(RenderExport(form.Document->Parser(), options, error));
    EXPECT_TRUE(error.startsWith(QString::fromUtf8("Das Bild wäre mit "))) << error.toStdString();
    EXPECT_FALSE(QFile::exists(dir.filePath("huge.png")));
}

TEST_F(ExportWindowTest, SvgTikzAndPdfFiles) {
    const QString svg = dir.filePath("bild.svg");
    Export(svg, kSvg);
    EXPECT_EQ(SvgViewBox(ReadAll(svg)),
              QStringLiteral("0 0 %1 %2").arg(form.PaintBox->width()).arg(form.PaintBox->height()));

    const QString tex = dir.filePath("bild.tex");
    Export(tex, kTikz);
    EXPECT_TRUE(ReadAll(tex).contains("\\begin{tikzpicture}[x=1cm,y=1cm,"));
    Export(tex, kTikz, [](TExportDialog& d) {
        d.TikzWidthBtn->setChecked(true);
        d.TikzWidth->setValue(8);
    });
    const QRegularExpressionMatch x =
        QRegularExpression(QStringLiteral("x=([0-9.]+)cm")).match(QString::fromUtf8(ReadAll(tex)));
    ASSERT_TRUE(x.hasMatch());
    EXPECT_NEAR(x.captured(1).toDouble() * (Drawing().XMax - Drawing().XMin), 8, 0.01);

    // A4 landscape for the wide drawing area, in both scalings.
    const QString pdf = dir.filePath("bild.pdf");
    QByteArray pages[2];
    for (const bool trueScale : {false, true}) {
        Export(pdf, kPdf, [trueScale](TExportDialog& d) { d.PdfTrueScaleBtn->setChecked(trueScale); });
        pages[trueScale] = ReadAll(pdf);
        ASSERT_TRUE(pages[trueScale].startsWith("%PDF"));
        const QRegularExpressionMatch box =
            QRegularExpression(QStringLiteral("/MediaBox \\[0 0 ([0-9.]+) ([0-9.]+)\\]"))
                .match(QString::fromLatin1(pages[trueScale]));
        ASSERT_TRUE(box.hasMatch());
        EXPECT_NEAR(box.captured(1).toDouble(), 842, 1);
        EXPECT_NEAR(box.captured(2).toDouble(), 595, 1);
    }
    EXPECT_NE(pages[0], pages[1]);
    EXPECT_TRUE(services.errors.empty());
}

TEST_F(ExportWindowTest, ExtensionFromTheFilterUnlessTheNameHasOne) {
    Export(dir.filePath("ohne"), kSvg);
    EXPECT_FALSE(SvgViewBox(ReadAll(dir.filePath("ohne.svg"))).isEmpty());
    Export(dir.filePath("punkt."), kTikz);
    EXPECT_TRUE(ReadAll(dir.filePath("punkt.tex")).contains("tikzpicture"));
    // A known extension names the format whatever the filter; another one stays, in the filter's format.
    Export(dir.filePath("gross.PDF"), kPng);
    EXPECT_TRUE(ReadAll(dir.filePath("gross.PDF")).startsWith("%PDF"));
    Export(dir.filePath("bild.v2"), kPng);
    EXPECT_TRUE(ReadAll(dir.filePath("bild.v2")).startsWith("\x89PNG"));
    EXPECT_FALSE(QFile::exists(dir.filePath("ohne")));
    EXPECT_FALSE(QFile::exists(dir.filePath("punkt..tex")));
}

TEST_F(ExportWindowTest, AnExistingFileNamedByTheAddedExtensionIsOverwrittenOnlyWhenConfirmed) {
    const QString target = dir.filePath("alt.png");
    QFile old(target);
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("alte Datei");
    old.close();
    // "alt" did not exist when the dialog accepted it; "alt.png" does: the window asks.
    Export(dir.filePath("alt"), kPng);
    ASSERT_EQ(services.questions.size(), 1);
    EXPECT_EQ(services.questions.front(),
              QString::fromUtf8("Die Datei alt.png existiert bereits. Soll sie überschrieben werden?"));
    EXPECT_EQ(ReadAll(target), QByteArray("alte Datei"));
    services.overwrite = GuiServices::Answer::Yes;
    Export(dir.filePath("alt."), kPng);
    EXPECT_EQ(services.questions.size(), 2);
    EXPECT_TRUE(ReadAll(target).startsWith("\x89PNG"));
    // A name the dialog already showed as it is written was its own question.
    Export(target, kPng);
    EXPECT_EQ(services.questions.size(), 2);
}

TEST_F(ExportWindowTest, CancelWritesNothingAndTheNextExportRemembersTheChoice) {
    const QStringList before = QDir(dir.path()).entryList(QDir::Files);
    bool optionsShown = false;
    Export(QString(), kPng, [&](TExportDialog&) { optionsShown = true; });
    EXPECT_EQ(services.fileDialogs, 1);
    EXPECT_FALSE(optionsShown);
    Export(dir.filePath("abbruch.pdf"), kPdf, [](TExportDialog& d) { d.CancelBtn->click(); });
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), before);

    // A saved construction suggests its name, with the format chosen last.
    ASSERT_TRUE(form.Document->SaveAs(dir.filePath("dreieck.con").toStdString()));
    Export(dir.filePath("x.svg"), kSvg);
    form.FileExport();
    EXPECT_EQ(services.suggestions.back(), dir.filePath("dreieck.svg"));
    EXPECT_EQ(services.startFilter, kSvg);
}

TEST_F(ExportWindowTest, WriteFailureShowsTheMessageAndKeepsTheOldFile) {
    QDir().mkpath(dir.filePath("ordner.png"));
    Export(dir.filePath("ordner.png"), kPng);
    EXPECT_EQ(services.errors,
              std::vector<QString>{"Cannot create file " + dir.filePath("ordner.png") + ".\n" +
                                   QString::fromUtf8("Der Name gehört zu einem Verzeichnis.")});
    EXPECT_TRUE(QFileInfo(dir.filePath("ordner.png")).isDir());

    const QString locked = dir.filePath("gesperrt");
    const QString old = locked + "/alt.svg";
    QDir().mkpath(locked);
    QFile file(old);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("alt");
    file.close();
    LockedDir guard(locked);
    if (!guard.Locked()) GTEST_SKIP() << "cannot make a directory read-only here";
    services.errors.clear();
    Export(old, kSvg);
    EXPECT_EQ(services.errors,
              std::vector<QString>{"Cannot create file " + old + ".\n" +
                                   QString::fromUtf8("Keine Berechtigung, dort zu schreiben.")});
    EXPECT_EQ(ReadAll(old), QByteArray("alt"));
}

TEST_F(ExportWindowTest, ClipboardHoldsTheBitmapAndTheSameSvg) {
    form.GrafikinZwischenablage1Click();
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    ASSERT_NE(data, nullptr);
    ASSERT_TRUE(data->hasImage());
    EXPECT_EQ(qvariant_cast<QImage>(data->imageData()).size(), form.PaintBox->Image().size());
    ASSERT_TRUE(data->hasFormat("image/svg+xml"));
    const QByteArray svg = data->data("image/svg+xml");
    EXPECT_EQ(SvgViewBox(svg),
              QStringLiteral("0 0 %1 %2").arg(form.PaintBox->width()).arg(form.PaintBox->height()));
    EXPECT_TRUE(svg.contains("id=\"s\""));
}
