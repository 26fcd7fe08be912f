// German reasons for failed writes.
#include "text/writeerror.h"

#include <cerrno>
#include <cstring>

std::string WriteErrorReason(int error) {
    switch (error) {
        case ENOSPC:
            return "Der Datenträger ist voll.";
        case EDQUOT:
            return "Das Speicherkontingent ist erschöpft.";
        case EFBIG:
            return "Die Datei wäre zu groß.";
        case EROFS:
            return "Der Datenträger ist schreibgeschützt.";
        case EACCES:
        case EPERM:
            return "Keine Berechtigung, dort zu schreiben.";
        case ENOENT:
        case ENOTDIR:
            return "Das Verzeichnis existiert nicht.";
        case EISDIR:
            return "Der Name gehört zu einem Verzeichnis.";
        case EINVAL:
            return "Der Name gehört zu keiner gewöhnlichen Datei.";
        case ENAMETOOLONG:
            return "Der Name ist zu lang.";
        case EIO:
            return "Ein-/Ausgabefehler des Datenträgers.";
        default:
            // Rare causes keep the system's own words, so that they can be looked up.
            return std::string("Schreibfehler (") + std::strerror(error) + ").";
    }
}
