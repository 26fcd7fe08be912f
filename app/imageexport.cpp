// Image export: a QtCanvas on an image or PDF writer drawn by the interpreter's Redraw, and the vector files
// of export/ with Qt's text metrics.
#include "app/imageexport.h"

#include <QBuffer>
#include <QImage>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <cmath>

#include "app/qtcanvas.h"
#include "app/qttextmetrics.h"
#include "export/render.h"

namespace {

// Redraws parser on device with the screen drawing area set to width x height; false if no painter.
bool RedrawOn(QPaintDevice& device, TParser& parser, int width, int height) {
    QPainter painter;
    if (!painter.begin(&device)) return false;
    const DeviceRect area{0, 0, width, height};
    {
        QtCanvas canvas(&painter, area);
        RedrawOnCanvas(parser, canvas, area);
    }
    return painter.end();
}

}  // namespace

std::optional<QImage> RenderImage(TParser& parser, int width, int height, double ratio) {
    QImage image(static_cast<int>(std::ceil(width * ratio)), static_cast<int>(std::ceil(height * ratio)),
                 QImage::Format_RGB32);
    if (image.isNull()) return std::nullopt;
    // Fonts keep their size in device units; the painter scales everything by the ratio.
    image.setDevicePixelRatio(ratio);
    image.setDotsPerMeterX(kImageDotsPerMeter);
    image.setDotsPerMeterY(kImageDotsPerMeter);
    image.fill(Qt::white);
    if (!RedrawOn(image, parser, width, height)) return std::nullopt;
    return image;
}

std::optional<std::string> PngBytes(const QImage& image) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, "PNG")) return std::nullopt;
    return bytes.toStdString();
}

std::optional<std::string> RenderPng(TParser& parser, int width, int height) {
    const std::optional<QImage> image = RenderImage(parser, width, height);
    if (!image) return std::nullopt;
    return PngBytes(*image);
}

std::optional<std::string> RenderPdf(TParser& parser, int width, int height) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setResolution(kImageDpi);
        writer.setPageSize(
            QPageSize(QSizeF(static_cast<double>(width) / kImageDpi, static_cast<double>(height) / kImageDpi),
                      QPageSize::Inch, QString(), QPageSize::ExactMatch));
        writer.setPageMargins(QMarginsF(0, 0, 0, 0));
        writer.setTitle(QStringLiteral("Lineato"));
        writer.setCreator(QStringLiteral("lineato-batch"));
        if (!RedrawOn(writer, parser, width, height)) return std::nullopt;
    }
    return bytes.toStdString();
}

std::optional<std::string> RenderMeasuredSvg(TParser& parser, int width, int height) {
    QtTextMetrics metrics;
    return RenderSvg(parser, width, height, metrics);
}

std::optional<std::string> RenderMeasuredTikz(TParser& parser, int width, int height, double widthCm) {
    QtTextMetrics metrics;
    return RenderTikz(parser, width, height, metrics, widthCm);
}

std::vector<ImageOutput> BatchImageOutputs(const BatchOptions& options) {
    std::vector<ImageOutput> outputs;
    if (!options.png.empty()) outputs.push_back({"PNG", options.png, RenderPng});
    if (!options.svg.empty()) outputs.push_back({"SVG", options.svg, RenderMeasuredSvg});
    if (!options.pdf.empty()) outputs.push_back({"PDF", options.pdf, RenderPdf});
    if (!options.tikz.empty()) {
        const double widthCm = options.tikzWidth;
        outputs.push_back({"TikZ", options.tikz, [widthCm](TParser& parser, int width, int height) {
                               return RenderMeasuredTikz(parser, width, height, widthCm);
                           }});
    }
    return outputs;
}
