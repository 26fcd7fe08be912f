// Not yet built: these commands report the internal error until their handlers land.
#include "parser/tparser.h"

void TParser::CmdPolygon() {
    ShowError(99);
}
