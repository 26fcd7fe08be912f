// The tool bar's images, drawn with QPainter so that they stay sharp at every scale.
#pragma once

#include <QIcon>

enum class ToolIcon { New, Open, Save, Print, Step, Editor, Redraw, Axes, Colour, Help, Cancel, Ok };

QIcon MakeToolIcon(ToolIcon which);
