// TPaintBox: the drawing area. The interpreter draws at any moment into a backing image through a
// QtCanvas; painting the widget only copies that image to the screen.
#pragma once

#include <QImage>
#include <QPainter>
#include <QWidget>
#include <memory>

class Canvas;
class TParser;
class PaintBoxCanvas;

class TPaintBox : public QWidget {
    Q_OBJECT

public:
    explicit TPaintBox(QWidget* parent = nullptr);
    ~TPaintBox() override;

    // The interpreter that redraws the image after a resize; not owned, may be null.
    void SetParser(TParser* parser) { parser_ = parser; }

    const QImage& Image() const { return image_; }
    // The canvas on the image; the screen's drawing canvas points here.
    Canvas* DrawingCanvas();
    // Clear the image, let the interpreter redraw it, show it.
    void Repaint();
    // update(), left out while one asked for is still to come: a redraw of many figures asks once.
    void UpdateOnce();

signals:
    void MouseMoved(int x, int y);
    void MousePressed(int x, int y);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    // A new image of the widget's size at the device-pixel ratio, with a fresh canvas on it.
    void MakeImage();

    TParser* parser_ = nullptr;
    bool followsScreen_ = false;
    bool updateAsked_ = false;
    QImage image_;
    QPainter painter_;
    std::unique_ptr<PaintBoxCanvas> canvas_;
};
