// Not yet built: these commands report the internal error until their handlers land.
#include "parser/tparser.h"

void TParser::CmdSenkrechte() {
    ShowError(99);
}
void TParser::CmdParallele() {
    ShowError(99);
}
void TParser::CmdKreis() {
    ShowError(99);
}
