// The numbered error messages of the command language, as Windows-1252 bytes.
#include "parser/errortexts.h"

#include <string>

// "\xDF" is ß, "\xFC" is ü; literals are split where a hex escape would swallow the next letter.
std::string ErrorText(int number) {
    switch (number) {
        case 1:
            return "Name ist bereits vergeben!";
        case 2:
            return "Kein erlaubter Name! Buchstabe erwartet!";
        case 3:
            return "Keine korrekte Zahleingabe!";
        case 4:
            return "Punktname erwartet !";
        case 5:
            return "2. Punkt nicht vorhanden !";
        case 6:
            return "Kein Befehl!";
        case 7:
            return "Es exitstiert kein Schnittpunkt!";
        case 8:
            return "Schnittpunkt ist nicht eindeutig!";
        case 9:
            return "Farbe fehlt! (gruen, rot , blau, gelb oder schwarz)";
        case 10:
            return "Zahl erwartet!";
        case 11:
            return "Name mu\xDF bereits vorhanden sein!";
        case 12:
            return "Es mu\xDF ein Punkt angegeben werden!";
        case 13:
            return "Strahl wird durch zwei Punkte festgelegt!";
        case 14:
            return "Strecke, Strahl oder Gerade erwartet !";
        case 15:
            return "Punkt mu\xDF bereits vorhanden sein !";
        case 16:
            return "Mittelpunkt exisitiert nicht !";
        case 17:
            return "Es ist der Kreismittelpunkt anzugeben!";
        case 18:
            return "Peripheriepunkt exisitiert nicht !";
        case 19:
            return "Name bereits vergeben !";
        case 20:
            return "Radius, Strecke oder Periepheriepunkt erwartet!";
        case 21:
            return "Punkt- oder Strahlname erwartet!";
        case 23:
            return "Scheitelpunkt liegt nicht auf der Strecke!";
        case 24:
            return "Punkt-,Strecken- oder Strahlname erwartet!";
        case 25:
            return "Scheitelpunkt mu\xDF mit dem Strahlanfang \xFC"
                   "bereinstimmen!";
        case 26:
            return "Winkelbezeichnung erwartet!";
        case 27:
            return "Unerwartetes  Zeilenende!";
        case 28:
            return "Streckenname oder Punktname erwartet!";
        case 99:
            return "Interner Fehler. Diese Fehlermeldung sollte nie erscheinen!";
        default:
            return "Unbekannter Fehler!";
    }
}

const char* const kInvalidOperationText =
    "Ung\xFC"
    "ltige Gleitkommaoperation";
const char* const kDivisionByZeroText = "Division durch Null";
const char* const kOverflowText =
    "Gleitkomma\xFC"
    "berlauf";
