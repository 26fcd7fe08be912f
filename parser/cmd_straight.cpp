// Not yet built: these commands report the internal error until their handlers land.
#include "parser/tparser.h"

void TParser::CmdStrecke() {
    ShowError(99);
}
void TParser::CmdGerade() {
    ShowError(99);
}
void TParser::CmdStrahl() {
    ShowError(99);
}
void TParser::CmdMittelpunkt() {
    ShowError(99);
}
