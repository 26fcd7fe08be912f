// The tool-bar and button images, drawn with QPainter.
#include "app/icons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace {

constexpr int kSide = 20;  // logical size; every picture is drawn on a 20 x 20 grid

void DrawPage(QPainter& p) {
    QPainterPath page;
    page.moveTo(4, 1.5);
    page.lineTo(12.5, 1.5);
    page.lineTo(16.5, 5.5);
    page.lineTo(16.5, 18.5);
    page.lineTo(4, 18.5);
    page.closeSubpath();
    p.setPen(QPen(QColor(60, 60, 60), 1));
    p.setBrush(Qt::white);
    p.drawPath(page);
    p.drawPolyline(QPolygonF({QPointF(12.5, 1.5), QPointF(12.5, 5.5), QPointF(16.5, 5.5)}));
}

void DrawOpen(QPainter& p) {
    p.setPen(QPen(QColor(120, 90, 10), 1));
    p.setBrush(QColor(230, 190, 70));
    p.drawPolygon(QPolygonF({QPointF(1.5, 4.5), QPointF(7, 4.5), QPointF(9, 6.5), QPointF(16.5, 6.5),
                             QPointF(16.5, 16.5), QPointF(1.5, 16.5)}));
    p.setBrush(QColor(250, 215, 110));
    p.drawPolygon(QPolygonF({QPointF(4.5, 9.5), QPointF(19, 9.5), QPointF(16.5, 16.5), QPointF(1.5, 16.5)}));
}

void DrawSave(QPainter& p) {
    p.setPen(QPen(QColor(20, 40, 100), 1));
    p.setBrush(QColor(50, 90, 180));
    p.drawRect(QRectF(2.5, 2.5, 15, 15));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(5.5, 2.5, 9, 6));
    p.setBrush(QColor(200, 200, 200));
    p.drawRect(QRectF(5.5, 11.5, 9, 6));
}

void DrawPrint(QPainter& p) {
    p.setPen(QPen(QColor(50, 50, 50), 1));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(5.5, 1.5, 9, 6));
    p.setBrush(QColor(170, 170, 170));
    p.drawRoundedRect(QRectF(1.5, 7.5, 17, 7), 1.5, 1.5);
    p.setBrush(Qt::white);
    p.drawRect(QRectF(5.5, 12.5, 9, 6));
    p.setPen(QPen(QColor(80, 80, 80), 1));
    p.drawLine(QPointF(7, 15.5), QPointF(13, 15.5));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(40, 170, 40));
    p.drawEllipse(QPointF(15.5, 10), 1, 1);
}

void DrawStep(QPainter& p) {
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(30, 120, 40));
    p.drawPolygon(QPolygonF({QPointF(3, 4), QPointF(12, 10), QPointF(3, 16)}));
    p.setBrush(QColor(40, 40, 40));
    p.drawRect(QRectF(13.5, 4, 3, 12));
}

void DrawEditor(QPainter& p) {
    DrawPage(p);
    p.setPen(QPen(QColor(90, 90, 90), 1));
    for (int y = 8; y <= 16; y += 3)
        p.drawLine(QPointF(6, y + 0.5), QPointF(14, y + 0.5));
    // A pencil across the page.
    p.setPen(QPen(QColor(120, 60, 0), 1));
    p.setBrush(QColor(240, 170, 40));
    p.drawPolygon(QPolygonF({QPointF(17, 6), QPointF(19, 8), QPointF(11, 16), QPointF(9, 14)}));
    p.setBrush(QColor(60, 60, 60));
    p.drawPolygon(QPolygonF({QPointF(9, 14), QPointF(11, 16), QPointF(8, 17)}));
}

void DrawRedraw(QPainter& p) {
    p.setPen(QPen(QColor(20, 90, 170), 2.2, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(3.5, 3.5, 13, 13), 100 * 16, 290 * 16);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(20, 90, 170));
    p.drawPolygon(QPolygonF({QPointF(8, 0.5), QPointF(13, 3.8), QPointF(8, 7.5)}));
}

void DrawAxes(QPainter& p) {
    p.setPen(QPen(Qt::black, 1));
    p.drawLine(QPointF(1, 10.5), QPointF(19, 10.5));
    p.drawLine(QPointF(9.5, 1), QPointF(9.5, 19));
    for (int t = 3; t <= 17; t += 3) {
        p.drawLine(QPointF(t + 0.5, 9), QPointF(t + 0.5, 12));
        p.drawLine(QPointF(8, t + 0.5), QPointF(11, t + 0.5));
    }
    p.drawPolyline(QPolygonF({QPointF(16.5, 8), QPointF(19, 10.5), QPointF(16.5, 13)}));
    p.drawPolyline(QPolygonF({QPointF(7, 3.5), QPointF(9.5, 1), QPointF(12, 3.5)}));
}

void DrawColour(QPainter& p) {
    p.setPen(QPen(QColor(40, 40, 40), 1));
    p.setBrush(QColor(230, 30, 30));
    p.drawEllipse(QRectF(1.5, 1.5, 10, 10));
    p.setBrush(QColor(0, 150, 0));
    p.drawEllipse(QRectF(8.5, 1.5, 10, 10));
    p.setBrush(QColor(30, 60, 230));
    p.drawEllipse(QRectF(5, 8.5, 10, 10));
}

void DrawHelp(QPainter& p) {
    p.setPen(QPen(QColor(20, 50, 130), 1));
    p.setBrush(QColor(40, 90, 200));
    p.drawEllipse(QRectF(1.5, 1.5, 17, 17));
    QFont font;
    font.setBold(true);
    font.setPixelSize(14);
    p.setFont(font);
    p.setPen(Qt::white);
    p.drawText(QRectF(1.5, 1.5, 17, 17), Qt::AlignCenter, QStringLiteral("?"));
}

void DrawCancel(QPainter& p) {
    p.setPen(QPen(QColor(200, 30, 30), 2.6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(5, 5), QPointF(15, 15));
    p.drawLine(QPointF(15, 5), QPointF(5, 15));
}

void DrawOk(QPainter& p) {
    p.setPen(QPen(QColor(20, 140, 30), 2.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPolyline(QPolygonF({QPointF(4, 10.5), QPointF(8, 14.5), QPointF(16, 5)}));
}

void Draw(ToolIcon which, QPainter& p) {
    switch (which) {
        case ToolIcon::New:
            DrawPage(p);
            break;
        case ToolIcon::Open:
            DrawOpen(p);
            break;
        case ToolIcon::Save:
            DrawSave(p);
            break;
        case ToolIcon::Print:
            DrawPrint(p);
            break;
        case ToolIcon::Step:
            DrawStep(p);
            break;
        case ToolIcon::Editor:
            DrawEditor(p);
            break;
        case ToolIcon::Redraw:
            DrawRedraw(p);
            break;
        case ToolIcon::Axes:
            DrawAxes(p);
            break;
        case ToolIcon::Colour:
            DrawColour(p);
            break;
        case ToolIcon::Help:
            DrawHelp(p);
            break;
        case ToolIcon::Cancel:
            DrawCancel(p);
            break;
        case ToolIcon::Ok:
            DrawOk(p);
            break;
    }
}

}  // namespace

QIcon MakeToolIcon(ToolIcon which) {
    QIcon icon;
    for (const int scale : {1, 2, 3}) {
        QPixmap pixmap(kSide * scale, kSide * scale);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.scale(scale, scale);
        Draw(which, painter);
        painter.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}
