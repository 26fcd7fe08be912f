// LOESCHE, FARBE, WERT and DREHE: the commands that change or inspect the existing construction.
#include <cmath>
#include <cstdint>
#include <string>
#include <string_view>

#include "drawing/pens.h"
#include "geometry/tpunkt.h"
#include "geometry/tstrecke.h"
#include "parser/commandwords.h"
#include "parser/tparser.h"
#include "text/asciicase.h"

namespace {

const char* const kWhichObjectText =
    "Welches Objekt soll gel\xF6"
    "scht werden?";
// Two different texts on purpose: the label form says "Kein", the object form "Keine".
const char* const kNoLabelTargetText = "Kein g\xFCltiger Name!";
const char* const kNoEraseTargetText = "Keine g\xFCltiger Name!";

// The colour code of a colour word, or 0 when it is none. "GRÜN" and "GRüN" (Ü and ü as Windows-1252
// bytes, which the ASCII upper-casing leaves alone) cover every spelling with an umlaut.
std::uint16_t ColorCode(std::string_view word) {
    const std::string upper = UpperAscii(word);
    if (upper == "ROT") return kStyleRed;
    if (upper == "BLAU") return kStyleBlue;
    if (upper == "GRUEN" || upper == "GR\xDCN" || upper == "GR\xFCN") return kStyleGreen;
    if (upper == "GELB") return kStyleYellow;
    if (upper == "SCHWARZ") return kStyleBlack;
    return 0;
}

}  // namespace

void TParser::CmdLoesche() {
    SkipBlanks();
    if (AtEnd()) {
        ShowErrorText(kWhichObjectText);
        return;
    }
    std::string word;
    ReadOptionalName(word);
    if (Failed) return;

    const bool labelsOnly = IsLabelKeyword(word);
    TPunkt* target;
    if (labelsOnly) {
        const std::string name = ReadName();
        if (Failed) return;
        target = Find(name);
        if (target == nullptr) {
            ShowErrorText(kNoLabelTargetText);
            return;
        }
    } else {
        // The word is the first name; cut like every other name, so that a long name finds its object.
        target = Find(std::string_view(word).substr(0, kMaxNameLength));
        if (target == nullptr) {
            ShowErrorText(kNoEraseTargetText);
            return;
        }
    }

    // A later name that names nothing, or cannot be read, ends the list; what was done stays done.
    while (target != nullptr) {
        if (labelsOnly)
            target->ClearLabel();
        else
            target->Erase();
        SkipBlanks();
        if (AtEnd()) break;
        const std::string name = ReadName();
        if (Failed) break;
        target = Find(name);
    }
    AutoScale();
}

void TParser::CmdFarbe() {
    SkipBlanks();
    if (AtEnd()) {
        ShowError(9);
        return;
    }
    std::string word;
    ReadOptionalName(word);
    if (Failed) return;
    const std::uint16_t code = ColorCode(word);
    if (code == 0) {
        ShowError(9);
        return;
    }
    CurrentColor = code;
}

void TParser::CmdWert() {
    const std::string name = ReadName();
    if (Failed) return;
    TPunkt* object = Find(name);
    if (object == nullptr) {
        ShowError(11);
        return;
    }
    const std::string text = object->Describe();
    if (messages_.ValueInStatusLine())
        messages_.ShowStatusText(text);
    else
        messages_.ShowInformationBox(text);
}

void TParser::CmdDrehe() {
    const double angle = ReadNumber();
    if (Failed) return;

    // Dry run first: a point that cannot be turned within the range of double rejects the whole line
    // before anything has moved. An object turns its own X, Y; a perpendicular or a parallel turns its
    // two construction points (its start and end point); the other ends are list points, checked anyway.
    auto turnsFinitely = [this, angle](const TPunkt* point) {
        if (point == nullptr) return true;
        const double x = point->GetX();
        const double y = point->GetY();
        double turnedX = x;
        double turnedY = y;
        RotateAboutOrigin(turnedX, turnedY, angle);
        // The distance from the origin is kept by the turn, so it must fit as well.
        return CheckFinite({std::hypot(x, y), turnedX, turnedY});
    };
    for (int i = 0; i < Objects.Count(); ++i) {
        const TPunkt* object = Objects.Item(i);
        if (!turnsFinitely(object)) return;
        if (const auto* straight = dynamic_cast<const TStrecke*>(object)) {
            if (!turnsFinitely(straight->StartPoint()) || !turnsFinitely(straight->EndPoint())) return;
        }
    }

    // Erased objects turn too, so that figures built on them stay in place relative to the rest.
    for (int i = 0; i < Objects.Count(); ++i)
        Objects.Item(i)->Rotate(angle);
    ExtendToFit();
    ClearAndShowAxes();
    Redraw();
}
