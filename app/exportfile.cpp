// The export files: PNG and PDF through a QtCanvas, SVG and TikZ from export/, all by Redraw on the
// screen's drawing state, and the choice of format from the file dialog's answer.
#include "app/exportfile.h"

#include <QBuffer>
#include <QByteArray>
#include <QFileInfo>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <algorithm>
#include <cmath>

#include "app/imageexport.h"
#include "app/printing.h"
#include "app/qtcanvas.h"
#include "export/render.h"

namespace {

struct FormatEntry {
    ExportFormat format;
    const char* filter;  // UTF-8
    const char* suffix;
};

constexpr FormatEntry kFormats[] = {
    {ExportFormat::Png, "PNG-Bild (*.png)", "png"},
    {ExportFormat::Svg, "SVG-Grafik (*.svg)", "svg"},
    {ExportFormat::Pdf, "PDF-Dokument (*.pdf)", "pdf"},
    {ExportFormat::Tikz, "TikZ für LaTeX (*.tex)", "tex"},
};

constexpr double kCmPerInch = 2.54;
// The PDF page: A4 with a margin of 1 cm all round.
constexpr double kPdfMarginMm = 10;

const FormatEntry& EntryOf(ExportFormat format) {
    for (const FormatEntry& entry : kFormats)
        if (entry.format == format) return entry;
    return kFormats[0];
}

// The world window the screen shows now, after its fitting to the drawing area.
WorldWindow ShownWindow() {
    const DrawState& state = Drawing();
    return {state.XMin, state.YMin, state.XMax, state.YMax};
}

// A window of the size of area at unitsPerWorld device units per world unit, centred on shown.
WorldWindow TrueScaleWindow(const WorldWindow& shown, double width, double height, double unitsPerWorld) {
    const double cx = (shown.xmin + shown.xmax) / 2;
    const double cy = (shown.ymin + shown.ymax) / 2;
    const double halfWidth = width / unitsPerWorld / 2;
    const double halfHeight = height / unitsPerWorld / 2;
    return {cx - halfWidth, cy - halfHeight, cx + halfWidth, cy + halfHeight};
}

// The PNG at true scale is drawn at 96 dpi on an area of the shown window at 1 cm per unit, and has
// 300/96 times as many pixels each way.
constexpr double kTrueScaleRatio = static_cast<double>(kTrueScaleDpi) / kImageDpi;
constexpr double kImageUnitsPerCm = kImageDpi / kCmPerInch;

struct PngPlan {
    double width = 0;  // the drawing area in device units
    double height = 0;
    double ratio = 1;
};

PngPlan PlanPng(const ExportOptions& options, const QSize& screen, const WorldWindow& shown) {
    if (!options.pngTrueScale)
        return {static_cast<double>(screen.width()), static_cast<double>(screen.height()),
                static_cast<double>(std::clamp(options.pngFactor, 1, kMaxPngFactor))};
    return {std::ceil((shown.xmax - shown.xmin) * kImageUnitsPerCm),
            std::ceil((shown.ymax - shown.ymin) * kImageUnitsPerCm), kTrueScaleRatio};
}

std::optional<std::string> RenderPngExport(TParser& parser, const ExportOptions& options, QString& error) {
    const DeviceRect& screen = Drawing().ScreenRect;
    const WorldWindow shown = ShownWindow();
    const std::optional<QSize> size = PngExportSize(options, {screen.Width(), screen.Height()}, shown);
    if (!size) {
        error = QStringLiteral("Das Bild wäre zu groß zum Exportieren.");
        return std::nullopt;
    }
    if (!ExportSizeAllowed(size)) {
        error = QStringLiteral("Das Bild wäre mit %1 × %2 Pixeln zu groß zum Exportieren.")
                    .arg(size->width())
                    .arg(size->height());
        return std::nullopt;
    }
    const PngPlan plan = PlanPng(options, {screen.Width(), screen.Height()}, shown);
    const int width = static_cast<int>(plan.width);
    const int height = static_cast<int>(plan.height);
    std::optional<QImage> image;
    {
        DrawStateGuard restore;
        if (options.pngTrueScale)
            Drawing().ChosenWindow = {shown.xmin, shown.ymin, shown.xmin + width / kImageUnitsPerCm,
                                      shown.ymin + height / kImageUnitsPerCm};
        image = RenderImage(parser, width, height, plan.ratio);
    }
    if (!image) return std::nullopt;
    // The file says how large the picture is meant: as the screen, or 300 dpi.
    const int dotsPerMeter = options.pngTrueScale ? static_cast<int>(std::lround(kTrueScaleDpi / 0.0254))
                                                  : kImageDotsPerMeter * static_cast<int>(plan.ratio);
    image->setDevicePixelRatio(1);
    image->setDotsPerMeterX(dotsPerMeter);
    image->setDotsPerMeterY(dotsPerMeter);
    return PngBytes(*image);
}

// An A4 page in 0.1-mm units, landscape for a drawing area wider than high, as printing draws it: the
// shown window widened to the page, or at 1 cm per unit about the shown window's centre.
std::optional<std::string> RenderPdfExport(TParser& parser, const ExportOptions& options) {
    const DeviceRect& screen = Drawing().ScreenRect;
    const WorldWindow shown = ShownWindow();
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setResolution(kPageDpi);
        const auto orientation =
            screen.Width() > screen.Height() ? QPageLayout::Landscape : QPageLayout::Portrait;
        writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), orientation,
                                         QMarginsF(kPdfMarginMm, kPdfMarginMm, kPdfMarginMm, kPdfMarginMm),
                                         QPageLayout::Millimeter));
        writer.setTitle(QStringLiteral("Lineato"));
        writer.setCreator(QStringLiteral("Lineato"));
        QPainter painter;
        QSizeF printableMm;
        if (!BeginPage(painter, writer, printableMm)) return std::nullopt;
        const int width = static_cast<int>(std::lround(printableMm.width() * 10));
        const int height = static_cast<int>(std::lround(printableMm.height() * 10));
        const DeviceRect area{0, 0, width, height};
        {
            DrawStateGuard restore;
            Drawing().ChosenWindow =
                options.pdfTrueScale ? TrueScaleWindow(shown, width, height, kPageDpi / kCmPerInch) : shown;
            QtCanvas canvas(&painter, area);
            RedrawOnCanvas(parser, canvas, area);
        }
        if (!painter.end()) return std::nullopt;
    }
    return bytes.toStdString();
}

}  // namespace

QStringList ExportFilters() {
    QStringList filters;
    for (const FormatEntry& entry : kFormats)
        filters.append(QString::fromUtf8(entry.filter));
    return filters;
}

QString ExportFilter(ExportFormat format) {
    return QString::fromUtf8(EntryOf(format).filter);
}

QString ExportSuffix(ExportFormat format) {
    return QLatin1String(EntryOf(format).suffix);
}

ExportTarget ResolveExportTarget(const QString& path, const QString& filter) {
    ExportFormat chosen = ExportFormat::Png;
    for (const FormatEntry& entry : kFormats)
        if (filter == QString::fromUtf8(entry.filter)) chosen = entry.format;
    const QString suffix = QFileInfo(path).suffix();
    for (const FormatEntry& entry : kFormats)
        if (suffix.compare(QLatin1String(entry.suffix), Qt::CaseInsensitive) == 0)
            return {path, entry.format};
    // "bild." has an empty suffix as well, and becomes "bild.png", not "bild..png".
    if (suffix.isEmpty()) {
        QString named = path;
        if (!named.endsWith(QLatin1Char('.'))) named += QLatin1Char('.');
        return {named + ExportSuffix(chosen), chosen};
    }
    return {path, chosen};
}

std::optional<QSize> PngExportSize(const ExportOptions& options, const QSize& screen,
                                   const WorldWindow& shown) {
    const PngPlan plan = PlanPng(options, screen, shown);
    const double width = std::ceil(plan.width * plan.ratio);
    const double height = std::ceil(plan.height * plan.ratio);
    // Far beyond every limit, but still an int.
    constexpr double kLargest = 1 << 30;
    if (!(width >= 1 && width <= kLargest && height >= 1 && height <= kLargest)) return std::nullopt;
    return QSize(static_cast<int>(width), static_cast<int>(height));
}

bool ExportSizeAllowed(const std::optional<QSize>& size) {
    return size && size->width() <= kMaxExportSide && size->height() <= kMaxExportSide &&
           static_cast<double>(size->width()) * size->height() <= kMaxExportPixels;
}

std::optional<std::string> RenderExport(TParser& parser, const ExportOptions& options, QString& error) {
    const DeviceRect& screen = Drawing().ScreenRect;
    std::optional<std::string> bytes;
    switch (options.format) {
        case ExportFormat::Png:
            bytes = RenderPngExport(parser, options, error);
            break;
        case ExportFormat::Svg:
            bytes = RenderMeasuredSvg(parser, screen.Width(), screen.Height());
            break;
        case ExportFormat::Pdf:
            bytes = RenderPdfExport(parser, options);
            break;
        case ExportFormat::Tikz:
            bytes = RenderMeasuredTikz(parser, screen.Width(), screen.Height(), options.tikzWidthCm);
            break;
    }
    if (!bytes && error.isEmpty()) error = QStringLiteral("Die Grafik konnte nicht erzeugt werden.");
    return bytes;
}
