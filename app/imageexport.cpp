// Image export: a QtCanvas on an image, SVG generator or PDF writer, drawn by the interpreter's Redraw.
#include "app/imageexport.h"

#include <QBuffer>
#include <QImage>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgGenerator>

#include "app/qtcanvas.h"
#include "drawing/drawstate.h"
#include "parser/tparser.h"

namespace {

constexpr int kDpi = 96;
constexpr int kDotsPerMeter = 3780;  // 96 dpi

// Redraws parser on device with the screen drawing area set to width x height; false if no painter.
bool RedrawOn(QPaintDevice& device, TParser& parser, int width, int height) {
    QPainter painter;
    if (!painter.begin(&device)) return false;
    const DeviceRect area{0, 0, width, height};
    QtCanvas canvas(&painter, area);
    {
        DrawStateGuard restore;
        Drawing().DrawCanvas = &canvas;
        Drawing().ScreenRect = area;
        parser.Redraw();
    }
    return painter.end();
}

}  // namespace

std::optional<std::string> RenderPng(TParser& parser, int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    if (image.isNull()) return std::nullopt;
    image.setDotsPerMeterX(kDotsPerMeter);
    image.setDotsPerMeterY(kDotsPerMeter);
    image.fill(Qt::white);
    if (!RedrawOn(image, parser, width, height)) return std::nullopt;
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, "PNG")) return std::nullopt;
    return bytes.toStdString();
}

std::optional<std::string> RenderSvg(TParser& parser, int width, int height) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QSvgGenerator generator;
    generator.setOutputDevice(&buffer);
    generator.setSize(QSize(width, height));
    generator.setViewBox(QRect(0, 0, width, height));
    generator.setResolution(kDpi);
    generator.setTitle(QStringLiteral("Lineato"));
    if (!RedrawOn(generator, parser, width, height)) return std::nullopt;
    return bytes.toStdString();
}

std::optional<std::string> RenderPdf(TParser& parser, int width, int height) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setResolution(kDpi);
        writer.setPageSize(
            QPageSize(QSizeF(static_cast<double>(width) / kDpi, static_cast<double>(height) / kDpi),
                      QPageSize::Inch, QString(), QPageSize::ExactMatch));
        writer.setPageMargins(QMarginsF(0, 0, 0, 0));
        writer.setTitle(QStringLiteral("Lineato"));
        writer.setCreator(QStringLiteral("lineato-batch"));
        if (!RedrawOn(writer, parser, width, height)) return std::nullopt;
    }
    return bytes.toStdString();
}

std::vector<ImageOutput> BatchImageOutputs(const BatchOptions& options) {
    std::vector<ImageOutput> outputs;
    if (!options.png.empty()) outputs.push_back({"PNG", options.png, RenderPng});
    if (!options.svg.empty()) outputs.push_back({"SVG", options.svg, RenderSvg});
    if (!options.pdf.empty()) outputs.push_back({"PDF", options.pdf, RenderPdf});
    return outputs;
}
