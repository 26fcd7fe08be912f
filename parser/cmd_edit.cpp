// Not yet built: these commands report the internal error until their handlers land.
#include "parser/tparser.h"

void TParser::CmdLoesche() {
    ShowError(99);
}
void TParser::CmdFarbe() {
    ShowError(99);
}
void TParser::CmdWert() {
    ShowError(99);
}
void TParser::CmdDrehe() {
    ShowError(99);
}
