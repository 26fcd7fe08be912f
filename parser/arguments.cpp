// Reading the arguments the handlers share: names of new objects and existing objects of a kind.
#include <cfenv>

#include "parser/tparser.h"

void TParser::Complain(const Complaint& complaint) {
    if (const int* number = std::get_if<int>(&complaint))
        ShowError(*number);
    else
        ShowErrorText(std::get<const char*>(complaint));
}

std::string TParser::ReadNameOf(NameLength length) {
    return length == NameLength::Cut10 ? ReadNameCut10() : ReadName();
}

std::string TParser::ReadNewName(NameLength length) {
    std::string name = ReadNameOf(length);
    if (!Failed && Objects.Contains(name)) ShowError(1);
    return name;
}

TPunkt* TParser::ReadObject(NameLength length, bool (*fits)(const TPunkt*), const Complaint& missing,
                            const Complaint& unfitting) {
    TPunkt* const object = Find(ReadNameOf(length));
    if (Failed) return nullptr;
    if (object == nullptr) {
        Complain(missing);
        return nullptr;
    }
    if (!fits(object)) {
        Complain(unfitting);
        return nullptr;
    }
    return object;
}

TPunkt* TParser::ReadPoint(NameLength length, const Complaint& missing, const Complaint& notAPoint) {
    return ReadObject(
        length, [](const TPunkt* object) { return IsKind(object, "Punkt"); }, missing, notAPoint);
}

bool TParser::RejectFloatFault() {
    if (std::fetestexcept(kFloatFaults) == 0) return false;
    ReportFloatFault(false);
    return true;
}
