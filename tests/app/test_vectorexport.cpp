// The SVG of lineato-batch for the constructions of the end-to-end cases and the examples: well-formed
// XML with unique ids and resolvable references, and the same labels as the picture.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QSet>
#include <QStringList>
#include <QXmlStreamReader>
#include <sstream>
#include <string>

#include "app/imageexport.h"
#include "batch/batchrun.h"
#include "text/cp1252.h"

namespace {

struct SvgFacts {
    QString error;  // empty when the document parsed
    QSet<QString> ids;
    QStringList references;
    QStringList texts;
    int groups = 0;
};

SvgFacts ParseSvg(const QByteArray& bytes) {
    SvgFacts facts;
    QXmlStreamReader xml(bytes);
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement) continue;
        const QString id = xml.attributes().value(QStringLiteral("id")).toString();
        if (!id.isEmpty() && facts.ids.contains(id)) facts.error = QStringLiteral("repeated id ") + id;
        if (!id.isEmpty()) facts.ids.insert(id);
        if (xml.name() == QStringLiteral("g")) ++facts.groups;
        if (xml.name() == QStringLiteral("use"))
            facts.references.append(
                xml.attributes()
                    .value(QStringLiteral("http://www.w3.org/1999/xlink"), QStringLiteral("href"))
                    .toString());
        if (xml.name() == QStringLiteral("text")) facts.texts.append(xml.readElementText());
    }
    if (xml.hasError()) facts.error = xml.errorString();
    return facts;
}

// The SVG lineato-batch writes for construction-file bytes, executed to the end.
QByteArray SvgOf(const QByteArray& construction) {
    BatchOptions options;
    options.keepGoing = true;
    options.file = "case.con";
    std::ostringstream out;
    std::ostringstream err;
    std::optional<std::string> svg;
    const ImageOutput capture{"SVG", "", [&svg](TParser& parser, int width, int height) {
                                  svg = RenderMeasuredSvg(parser, width, height);
                                  return std::optional<std::string>();  // kept here, not written
                              }};
    RunBatch(options, construction.toStdString(), out, err, {capture});
    return svg ? QByteArray::fromStdString(*svg) : QByteArray();
}

TEST(VectorExport, EveryTestAndExampleConstructionGivesWellFormedSvg) {
    QStringList files;
    for (const char* dir : {LINEATO_SOURCE_DIR "/tests/data", LINEATO_SOURCE_DIR "/examples"})
        for (const QString& name : QDir(QString::fromUtf8(dir)).entryList({QStringLiteral("*.con")}))
            files.append(QString::fromUtf8(dir) + QLatin1Char('/') + name);
    ASSERT_GE(files.size(), 20);
    for (const QString& path : files) {
        SCOPED_TRACE(path.toStdString());
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QByteArray svg = SvgOf(file.readAll());
        ASSERT_FALSE(svg.isEmpty());
        const SvgFacts facts = ParseSvg(svg);
        EXPECT_TRUE(facts.error.isEmpty()) << facts.error.toStdString();
        for (const QString& reference : facts.references)
            EXPECT_TRUE(reference.startsWith(QLatin1Char('#')) && facts.ids.contains(reference.mid(1)))
                << reference.toStdString();
    }
}

TEST(VectorExport, LabelsAreTextInUtf8WithGreekAngles) {
    const SvgFacts facts =
        ParseSvg(SvgOf("PUNKT Gr\xF6\xDF"
                       "e 0 0\r\nPUNKT B 4 0\r\nSTRECKE s<&> Gr\xF6\xDF"
                       "e B\r\n"
                       "WINKEL beta s<&> Gr\xF6\xDF"
                       "e t 50\r\n"));
    ASSERT_TRUE(facts.error.isEmpty()) << facts.error.toStdString();
    for (const char* label : {"Größe", "B", "s<&>", "β"})
        EXPECT_TRUE(facts.texts.contains(QString::fromUtf8(label))) << label;
    EXPECT_TRUE(facts.ids.contains(QString::fromUtf8("Größe")));
    EXPECT_TRUE(facts.ids.contains(QStringLiteral("s_3C_26_3E")));
}

}  // namespace
