// PUNKT: a free point, at the origin when no coordinates are given.
#include "parser/tparser.h"

void TParser::CmdPunkt() {
    const std::string name = ReadNewName(NameLength::Full);
    if (Failed) return;
    SkipBlanks();
    double x = 0, y = 0;
    if (!AtEnd()) {
        x = ReadNumber();
        if (Failed) return;
        y = ReadNumber();
        if (Failed) return;
    }
    AddObject(std::make_unique<TPunkt>(name, x, y));
}
