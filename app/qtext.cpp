// QString conversion through the code page table of the text layer.
#include "app/qtext.h"

#include <QList>

#include "text/cp1252.h"

QString Cp1252ToQString(std::string_view bytes) {
    QString text;
    text.reserve(static_cast<qsizetype>(bytes.size()));
    for (char c : bytes)
        text.append(QChar(static_cast<char16_t>(Cp1252ToUnicode(static_cast<unsigned char>(c)))));
    return text;
}

std::string QStringToCp1252(const QString& text) {
    std::string out;
    out.reserve(static_cast<std::size_t>(text.size()));
    for (char32_t code : text.toUcs4())
        out += UnicodeToCp1252(code);
    return out;
}
