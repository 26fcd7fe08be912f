// The monkey's invariants.
#include "tests/app/monkey/monkeychecks.h"

#include <QAbstractItemModel>
#include <QFile>
#include <QListView>
#include <QPainter>
#include <algorithm>

#include "app/mainform.h"
#include "app/paintbox.h"
#include "app/qtcanvas.h"
#include "app/qtext.h"
#include "drawing/drawstate.h"
#include "drawing/transform.h"
#include "fuzz/invariants.h"
#include "text/confile.h"

namespace {

std::string Text(const QString& text) {
    return text.toStdString();
}

std::optional<std::string> ReadBytes(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
    return file.readAll().toStdString();
}

// Control bytes shown as \xNN, so that a report shows what a line holds.
std::string Visible(const std::string& bytes) {
    std::string out;
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 0x20 && byte != 0x7F) {
            out += c;
            continue;
        }
        const char* const digits = "0123456789ABCDEF";
        out += "\\x";
        out += digits[byte >> 4];
        out += digits[byte & 15];
    }
    return out;
}

std::string FirstDifference(const std::vector<std::string>& expected,
                            const std::vector<std::string>& actual) {
    for (std::size_t i = 0; i < std::min(expected.size(), actual.size()); ++i)
        if (expected[i] != actual[i])
            return "line " + std::to_string(i + 1) + " is \"" + Visible(actual[i]) + "\" instead of \"" +
                   Visible(expected[i]) + "\"";
    if (expected.size() != actual.size())
        return std::to_string(actual.size()) + " lines instead of " + std::to_string(expected.size());
    return {};
}

}  // namespace

std::string CheckListMatchesDocument(const TMainForm& form) {
    const QAbstractItemModel* model = form.ListBox->model();
    const ConstructionDocument& document = *form.Document;
    if (model == nullptr) return "the command list has no model";
    if (model->rowCount() != document.LineCount())
        return "the command list shows " + std::to_string(model->rowCount()) + " lines, the document has " +
               std::to_string(document.LineCount());
    for (int i = 0; i < document.LineCount(); ++i) {
        const QString shown = model->index(i, 0).data().toString();
        if (shown != Cp1252ToQString(document.Line(i)))
            return "row " + std::to_string(i + 1) + " shows \"" + Text(shown) + "\", the document has \"" +
                   Visible(document.Line(i)) + "\"";
    }
    return {};
}

std::string CheckConstructionFinite(const TMainForm& form) {
    const TParser& parser = form.Document->Parser();
    std::string report = invariants::NonFiniteReport(parser);
    if (report.empty()) report = invariants::LookupReport(parser);
    return report;
}

QImage FreshRedraw(TMainForm& form) {
    const QImage& shown = form.PaintBox->Image();
    QImage probe(shown.size(), shown.format());
    probe.setDevicePixelRatio(shown.devicePixelRatio());
    probe.setDotsPerMeterX(shown.dotsPerMeterX());
    probe.setDotsPerMeterY(shown.dotsPerMeterY());
    probe.fill(Qt::white);
    {
        // Drawn and then forgotten: the window's drawing state is as before.
        const DrawStateGuard keep;
        QPainter painter(&probe);
        painter.setRenderHint(QPainter::Antialiasing, false);
        painter.setRenderHint(QPainter::TextAntialiasing, true);
        const DeviceRect area{0, 0, form.PaintBox->width(), form.PaintBox->height()};
        QtCanvas canvas(&painter, area);
        Drawing().DrawCanvas = &canvas;
        Drawing().ScreenRect = area;
        form.Document->Parser().Redraw();
    }
    return probe;
}

std::string CheckPictureIsFresh(TMainForm& form) {
    if (Drawing().PrinterBusy) return {};
    const QImage& shown = form.PaintBox->Image();
    const QImage fresh = FreshRedraw(form);
    if (shown == fresh) return {};
    int differing = 0;
    QPoint first(-1, -1);
    for (int y = 0; y < shown.height(); ++y)
        for (int x = 0; x < shown.width(); ++x)
            if (shown.pixel(x, y) != fresh.pixel(x, y)) {
                if (differing++ == 0) first = QPoint(x, y);
            }
    // For a look at the difference: both pictures, where the caller wants them.
    const QString keep = qEnvironmentVariable("LINEATO_MONKEY_PICTURES");
    if (!keep.isEmpty()) {
        shown.save(keep + QStringLiteral("/shown.png"));
        fresh.save(keep + QStringLiteral("/fresh.png"));
    }
    return "the drawing area differs from a fresh Redraw in " + std::to_string(differing) +
           " pixels, first at (" + std::to_string(first.x()) + ", " + std::to_string(first.y()) + ")";
}

std::string CheckSavedFileMatches(const TMainForm& form) {
    const ConstructionDocument& document = *form.Document;
    // A live change (a drag, a stepped number) counts as a change when it ends.
    if (document.Modified() || document.Untitled() || document.FileName().empty() || document.LiveEditing())
        return {};
    const QString path = form.FileName();
    const std::optional<std::string> bytes = ReadBytes(path);
    if (!bytes) return "the unmodified construction's file " + Text(path) + " cannot be read";
    const std::string difference = FirstDifference(document.Lines(), SplitConstructionLines(*bytes));
    return difference.empty() ? std::string()
                              : "the unmodified construction's file " + Text(path) + ": " + difference;
}

std::string CheckWrittenFiles(const std::map<QString, std::vector<std::string>>& written) {
    for (const auto& [path, lines] : written) {
        const std::optional<std::string> bytes = ReadBytes(path);
        if (!bytes) return "the written file " + Text(path) + " cannot be read";
        const std::string difference = FirstDifference(lines, SplitConstructionLines(*bytes));
        if (!difference.empty()) return "the written file " + Text(path) + ": " + difference;
    }
    return {};
}
