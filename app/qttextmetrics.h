// QtTextMetrics: text sizes measured as the PNG rendering measures them, for the vector outputs.
#pragma once

#include <QImage>
#include <QPainter>
#include <memory>

#include "app/qtcanvas.h"
#include "drawing/textmetrics.h"

// A QtCanvas on a tiny image of the PNG's resolution (96 dpi) does the measuring, so labels stand in the
// SVG and TikZ files where they stand in the PNG.
class QtTextMetrics : public TextMetrics {
public:
    QtTextMetrics();
    ~QtTextMetrics() override;

    int Width(const Font& font, const std::string& text) override;
    int Height(const Font& font) override;
    int Ascent(const Font& font) override;

private:
    QImage image_;
    QPainter painter_;
    std::unique_ptr<QtCanvas> canvas_;
};
