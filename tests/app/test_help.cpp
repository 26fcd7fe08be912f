// The help pages: they cover the whole command language, their examples run, their links resolve, and
// the help window exists once.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMap>
#include <QPushButton>
#include <QRegularExpression>
#include <QSet>
#include <QTextBrowser>
#include <QTextDocument>

#include "app/helpwindow.h"
#include "app/qtext.h"
#include "parser/errortexts.h"
#include "tests/support/parserfixture.h"

// The pages live in the GUI library's resources; a static library needs them registered by name.
static void RegisterHelpResources() {
    Q_INIT_RESOURCE(help);
}

namespace {

const QStringList kCommandWords = {"PUNKT",       "STRECKE", "KREIS",  "POLYGON",   "POLY",   "LOESCHE",
                                   "MITTELPUNKT", "MP",      "WINKEL", "PARALLELE", "GERADE", "SENKRECHTE",
                                   "BEZEICHNE",   "BEZ",     "DREHE",  "STRAHL",    "WERT",   "FARBE"};

// File name -> HTML source of every page.
QMap<QString, QString> HelpPages() {
    RegisterHelpResources();
    QMap<QString, QString> pages;
    for (const QString& name : QDir(QStringLiteral(":/help")).entryList({QStringLiteral("*.html")})) {
        QFile file(QStringLiteral(":/help/") + name);
        if (file.open(QIODevice::ReadOnly)) pages.insert(name, QString::fromUtf8(file.readAll()));
    }
    return pages;
}

// The text a reader sees, with non-breaking spaces as plain blanks.
QString PlainText(const QString& html) {
    QTextDocument doc;
    doc.setHtml(html);
    return doc.toPlainText().replace(QChar(0x00A0), QLatin1Char(' '));
}

// The lines of <pre> blocks; examples are marked class="beispiel", the rest are syntax forms.
QStringList PreLines(const QString& html, bool examples) {
    static const QRegularExpression pre(QStringLiteral("<pre( class=\"beispiel\")?>(.*?)</pre>"),
                                        QRegularExpression::DotMatchesEverythingOption);
    QStringList lines;
    for (auto it = pre.globalMatch(html); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        if (m.hasCaptured(1) == examples) lines += m.captured(2).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    }
    return lines;
}

// The command word as the interpreter reads it: upper case, Ö and Ü as OE and UE.
QString CommandWord(const QString& line) {
    QString word = line.section(QLatin1Char(' '), 0, 0).toUpper();
    return word.replace(QStringLiteral("Ö"), QStringLiteral("OE"))
        .replace(QStringLiteral("Ü"), QStringLiteral("UE"));
}

QList<QWidget*> HelpWindows() {
    QList<QWidget*> found;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->windowTitle() == QStringLiteral("Lineato-Hilfe")) found += w;
    return found;
}

}  // namespace

TEST(HelpPages, CoverEveryCommandColourWordAndErrorText) {
    const QMap<QString, QString> pages = HelpPages();
    ASSERT_TRUE(pages.contains(QStringLiteral("index.html")));

    QSet<QString> syntaxWords;
    QString text;
    for (const QString& html : pages) {
        for (const QString& line : PreLines(html, false)) {
            const QString word = CommandWord(line);
            EXPECT_TRUE(kCommandWords.contains(word))
                << "syntax line with no command word: " << line.toStdString();
            syntaxWords.insert(word);
        }
        text += PlainText(html) + QLatin1Char('\n');
    }
    for (const QString& word : kCommandWords)
        EXPECT_TRUE(syntaxWords.contains(word)) << "no syntax form for " << word.toStdString();

    for (const char* colour : {"ROT", "BLAU", "GRÜN", "GRUEN", "GELB", "SCHWARZ"})
        EXPECT_TRUE(text.contains(QString::fromUtf8(colour))) << colour;

    // The messages must be quoted exactly as the interpreter shows them, typos included.
    QStringList messages = {Cp1252ToQString(kInvalidOperationText), Cp1252ToQString(kDivisionByZeroText),
                            Cp1252ToQString(kOverflowText)};
    for (int number = 1; number <= 29; ++number)
        if (number != 22 && number != 28) messages += Cp1252ToQString(ErrorText(number));
    for (const QString& message : messages)
        EXPECT_TRUE(text.contains(message)) << "message missing: " << message.toStdString();
}

class HelpExamples : public ParserTest {};

TEST_F(HelpExamples, EveryPageRunsItsExamplesWithoutError) {
    int pagesWithExamples = 0;
    const QMap<QString, QString> pages = HelpPages();
    for (auto page = pages.begin(); page != pages.end(); ++page) {
        const QStringList lines = PreLines(page.value(), true);
        if (lines.isEmpty()) continue;
        ++pagesWithExamples;
        parser.Objects.FreeAll();
        parser.Reset();
        SetWorldWindow(-6, -5, 6, 5);
        messages.Clear();
        for (const QString& line : lines)
            EXPECT_TRUE(parser.Execute(QStringToCp1252(line)))
                << page.key().toStdString() << ": " << line.toStdString() << ": " << OnlyError();
    }
    EXPECT_GE(pagesWithExamples, 8);
}

TEST(HelpPages, InternalLinksReachExistingPagesAndAnchors) {
    const QMap<QString, QString> pages = HelpPages();
    static const QRegularExpression href(QStringLiteral("href=\"([^\"]*)\""));
    int links = 0;
    for (auto page = pages.begin(); page != pages.end(); ++page) {
        for (auto it = href.globalMatch(page.value()); it.hasNext();) {
            const QString target = it.next().captured(1);
            if (target.contains(QLatin1Char(':'))) continue;  // external scheme
            ++links;
            const QString file = target.section(QLatin1Char('#'), 0, 0);
            const QString anchor = target.section(QLatin1Char('#'), 1);
            const QString targetPage = file.isEmpty() ? page.key() : file;
            ASSERT_TRUE(pages.contains(targetPage))
                << page.key().toStdString() << " -> " << target.toStdString();
            if (!anchor.isEmpty()) {
                EXPECT_TRUE(pages[targetPage].contains(QStringLiteral("id=\"%1\"").arg(anchor)))
                    << page.key().toStdString() << " -> " << target.toStdString();
            }
        }
    }
    EXPECT_GT(links, 30);
    // Every page is reachable from the contents page.
    for (const QString& name : pages.keys())
        EXPECT_TRUE(name == QStringLiteral("index.html") ||
                    pages[QStringLiteral("index.html")].contains(name))
            << name.toStdString();
}

TEST(HelpWindow, ShowsOneWindowThatIsReusedAndNavigates) {
    QWidget owner;
    ShowHelpContents(&owner);
    const QList<QWidget*> first = HelpWindows();
    ASSERT_EQ(first.size(), 1);
    auto* browser = first.front()->findChild<QTextBrowser*>();
    ASSERT_NE(browser, nullptr);
    EXPECT_EQ(browser->source().fileName(), QStringLiteral("index.html"));

    ShowHelpHowToUse(&owner);
    ASSERT_EQ(HelpWindows(), first);
    EXPECT_EQ(browser->source().fileName(), QStringLiteral("bedienung.html"));

    auto* back = first.front()->findChild<QPushButton*>(QStringLiteral("backButton"));
    ASSERT_NE(back, nullptr);
    ASSERT_TRUE(back->isEnabled());
    back->click();
    EXPECT_EQ(browser->source().fileName(), QStringLiteral("index.html"));

    // Closed, the window goes; the next call makes a new one.
    first.front()->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(HelpWindows().isEmpty());
    ShowHelpContents(&owner);
    EXPECT_EQ(HelpWindows().size(), 1);
}
