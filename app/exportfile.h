// Datei › Exportieren: the picture of the drawing area as PNG, SVG, PDF or TikZ file, with the format's
// options, drawn by the same code as the screen and lineato-batch.
#pragma once

#include <QSize>
#include <QString>
#include <QStringList>
#include <optional>
#include <string>

#include "drawing/drawstate.h"

class TParser;

enum class ExportFormat { Png, Svg, Pdf, Tikz };

struct ExportOptions {
    ExportFormat format = ExportFormat::Png;
    bool pngTrueScale = false;  // 300 dpi, 1 cm per unit; otherwise the drawing area times pngFactor
    int pngFactor = 1;          // 1 to 4
    bool pdfTrueScale = false;  // 1 cm per unit on the page; otherwise the view fitted to the page
    double tikzWidthCm = 0;     // 0: natural size, one unit = 1 cm
};

inline constexpr int kMaxPngFactor = 4;
inline constexpr int kTrueScaleDpi = 300;
// Larger images are refused rather than allocated.
inline constexpr int kMaxExportSide = 16384;
inline constexpr double kMaxExportPixels = 64.0 * 1024 * 1024;

// The file dialog's filters, in the order of ExportFormat.
QStringList ExportFilters();
QString ExportFilter(ExportFormat format);
// The file name extension of format, without the dot.
QString ExportSuffix(ExportFormat format);

// The file and format a name from the dialog stands for: a name ending in one of the four extensions
// (any letter case) is that format; a name without extension gets the chosen filter's; any other name
// is written as it stands in the filter's format.
struct ExportTarget {
    QString path;
    ExportFormat format = ExportFormat::Png;
};
ExportTarget ResolveExportTarget(const QString& path, const QString& filter);

// The size in pixels of the PNG the options ask for, with the screen drawing area screen and the world
// window shown on it; nullopt when it would not be finite.
std::optional<QSize> PngExportSize(const ExportOptions& options, const QSize& screen,
                                   const WorldWindow& shown);
// Whether an image of that size may be made (kMaxExportSide, kMaxExportPixels).
bool ExportSizeAllowed(const std::optional<QSize>& size);

// The file's bytes; on failure nullopt and a German message in error.
std::optional<std::string> RenderExport(TParser& parser, const ExportOptions& options, QString& error);
