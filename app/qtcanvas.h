// QtCanvas: the drawing layer's canvas on a QPainter (image, SVG, PDF, the window's backing image, printer).
#pragma once

#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <QString>
#include <optional>
#include <string>
#include <string_view>

#include "drawing/canvas.h"

class QtCanvas : public Canvas {
public:
    // painter is not owned; it must be active on its device for the canvas's whole life. area is the
    // drawing area in device units and the initial clip rectangle. Strokes are drawn aliased, text
    // antialiased.
    QtCanvas(QPainter* painter, DeviceRect area);

    void MoveTo(int x, int y) override;
    void LineTo(int x, int y) override;
    void Arc(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4) override;
    void FillRect(const DeviceRect& rect) override;
    void Rectangle(const DeviceRect& rect) override;
    DeviceRect ClipRect() const override { return clip_; }
    void SetClipRect(const DeviceRect& rect) override;
    void TextOut(int x, int y, const std::string& text) override;
    int TextWidth(const std::string& text) override;
    int TextHeight(const std::string& text) override;
    // From the top of a text drawn by TextOut down to its base line, in the current font.
    int TextAscent();

private:
    QPen MakePen() const;
    // The Qt font for the canvas font, with the point size converted at the device's logical DPI.
    const QFont& CurrentFont();
    const QFontMetrics& CurrentMetrics();
    QString ShownText(const std::string& text) const;

    QPainter* painter_;  // not owned
    DeviceRect clip_;
    int penX_ = 0;
    int penY_ = 0;

    // The Qt font of the last canvas font used; rebuilt when font name or size change.
    std::optional<Font> fontKey_;
    QFont qfont_;
    std::optional<QFontMetrics> metrics_;
};

// Text in the "Symbol" font: Latin letters become the Greek letters at their places in the Adobe
// Symbol encoding (a alpha, b beta, g gamma, ...); other characters as in Windows-1252.
QString SymbolFontText(std::string_view cp1252);
