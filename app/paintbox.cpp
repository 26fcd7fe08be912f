// The drawing area: a backing image the interpreter draws into, copied to the screen when painted.
#include "app/paintbox.h"

#include <QMouseEvent>
#include <QWindow>
#include <algorithm>
#include <cmath>

#include "app/qtcanvas.h"
#include "drawing/drawstate.h"
#include "drawing/transform.h"
#include "parser/tparser.h"

// A QtCanvas that asks the widget for a repaint whenever something is drawn, so that the screen follows
// the image whoever draws (a command, a rebuild, the replay).
class PaintBoxCanvas : public QtCanvas {
public:
    PaintBoxCanvas(QPainter* painter, DeviceRect area, TPaintBox* widget)
        : QtCanvas(painter, area), widget_(widget) {}

    void LineTo(int x, int y) override {
        QtCanvas::LineTo(x, y);
        widget_->UpdateOnce();
    }
    void Arc(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4) override {
        QtCanvas::Arc(x1, y1, x2, y2, x3, y3, x4, y4);
        widget_->UpdateOnce();
    }
    void FillRect(const DeviceRect& rect) override {
        QtCanvas::FillRect(rect);
        widget_->UpdateOnce();
    }
    void Rectangle(const DeviceRect& rect) override {
        QtCanvas::Rectangle(rect);
        widget_->UpdateOnce();
    }
    void TextOut(int x, int y, const std::string& text) override {
        QtCanvas::TextOut(x, y, text);
        widget_->UpdateOnce();
    }

private:
    TPaintBox* widget_;  // not owned
};

TPaintBox::TPaintBox(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    MakeImage();
}

TPaintBox::~TPaintBox() {
    if (Drawing().DrawCanvas == canvas_.get()) Drawing().DrawCanvas = nullptr;
    canvas_.reset();
    if (painter_.isActive()) painter_.end();
}

Canvas* TPaintBox::DrawingCanvas() {
    return canvas_.get();
}

void TPaintBox::MakeImage() {
    const int w = std::max(1, width());
    const int h = std::max(1, height());
    const double ratio = devicePixelRatioF();
    if (painter_.isActive()) painter_.end();

    image_ = QImage(static_cast<int>(std::ceil(w * ratio)), static_cast<int>(std::ceil(h * ratio)),
                    QImage::Format_RGB32);
    image_.setDevicePixelRatio(ratio);
    // Font sizes in points come out as on the screen.
    const int dotsPerMeter = static_cast<int>(std::lround(logicalDpiX() / 0.0254));
    image_.setDotsPerMeterX(dotsPerMeter);
    image_.setDotsPerMeterY(dotsPerMeter);
    image_.fill(Qt::white);
    painter_.begin(&image_);
    painter_.setRenderHint(QPainter::Antialiasing, false);
    painter_.setRenderHint(QPainter::TextAntialiasing, true);

    const DeviceRect area{0, 0, w, h};
    // The canvas lives as long as the widget, so that a drawing canvas saved elsewhere (printing,
    // clipboard) stays valid across a resize; only its painter moves to the new image.
    if (!canvas_) {
        canvas_ = std::make_unique<PaintBoxCanvas>(&painter_, area, this);
        Drawing().DrawCanvas = canvas_.get();
    } else {
        canvas_->SetClipRect(area);
    }
    Drawing().ScreenRect = area;
}

void TPaintBox::Repaint() {
    if (parser_ != nullptr && Drawing().DrawCanvas == canvas_.get()) {
        ClearCanvas();
        parser_->Redraw();
    }
    update();
}

void TPaintBox::UpdateOnce() {
    if (updateAsked_) return;
    updateAsked_ = true;
    update();
}

void TPaintBox::paintEvent(QPaintEvent*) {
    updateAsked_ = false;
    QPainter painter(this);
    painter.drawImage(QPointF(0, 0), image_);
}

void TPaintBox::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    MakeImage();
    Repaint();
}

void TPaintBox::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    QWindow* window = this->window()->windowHandle();
    if (followsScreen_ || window == nullptr) return;
    followsScreen_ = true;
    // On a screen with another pixel ratio the image is made anew, so that lines stay crisp.
    connect(window, &QWindow::screenChanged, this, [this] {
        if (!qFuzzyCompare(image_.devicePixelRatio(), devicePixelRatioF())) {
            MakeImage();
            Repaint();
        }
    });
    if (!qFuzzyCompare(image_.devicePixelRatio(), devicePixelRatioF())) {
        MakeImage();
        Repaint();
    }
}

void TPaintBox::mouseMoveEvent(QMouseEvent* event) {
    const QPoint p = event->position().toPoint();
    emit MouseMoved(p.x(), p.y());
    QWidget::mouseMoveEvent(event);
}

void TPaintBox::mousePressEvent(QMouseEvent* event) {
    const QPoint p = event->position().toPoint();
    emit MousePressed(p.x(), p.y());
    QWidget::mousePressEvent(event);
}
