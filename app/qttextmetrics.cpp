// QtTextMetrics: the PNG canvas's font metrics on a one-pixel image of the same resolution.
#include "app/qttextmetrics.h"

#include "app/imageexport.h"

QtTextMetrics::QtTextMetrics() : image_(1, 1, QImage::Format_RGB32) {
    image_.setDotsPerMeterX(kImageDotsPerMeter);
    image_.setDotsPerMeterY(kImageDotsPerMeter);
    painter_.begin(&image_);
    canvas_ = std::make_unique<QtCanvas>(&painter_, DeviceRect{0, 0, 1, 1});
}

QtTextMetrics::~QtTextMetrics() {
    canvas_.reset();
    painter_.end();
}

int QtTextMetrics::Width(const Font& font, const std::string& text) {
    canvas_->font = font;
    return canvas_->TextWidth(text);
}

int QtTextMetrics::Height(const Font& font) {
    canvas_->font = font;
    return canvas_->TextHeight({});
}

int QtTextMetrics::Ascent(const Font& font) {
    canvas_->font = font;
    return canvas_->TextAscent();
}
