#include "app/HelpWindow.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QTest>
#include <QTextBrowser>
#include <QTextDocument>
#include <QUrl>

// The manual that F1 opens, in both languages, against the README: every feature the README
// explains to users has its section in each, the sections of the two match, its pictures
// reach the program folder and show in the program's own help window, and the buttons it
// sends the mouse to carry that caption in its language.
class TestHelpManual : public QObject
{
    Q_OBJECT

private slots:
    void everyReadmeFeatureHasItsSection_data();
    void everyReadmeFeatureHasItsSection();
    void bothLanguagesHaveTheSameSections();
    void linksLeadToSections_data();
    void linksLeadToSections();
    void picturesReachTheProgramFolder_data();
    void picturesReachTheProgramFolder();
    void picturesShowInTheHelpWindow_data();
    void picturesShowInTheHelpWindow();
    void toolbarButtonsAreNamedAsShown_data();
    void toolbarButtonsAreNamedAsShown();
};

namespace {

const QString SourceDir = QStringLiteral(QV3307_SOURCE_DIR);
const QString ProgramDir = QStringLiteral(QV3307_PROGRAM_DIR);

struct Manual
{
    const char* language; // as the language tables are named
    const char* file;
};

constexpr Manual Manuals[] = {
    {"english", "qv3307-help.html"},
    {"chinese", "qv3307-help.zh.html"},
};

QString readText(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll());
}

QString manualText(const Manual& manual)
{
    return readText(SourceDir + QStringLiteral("/resources/program/help/") +
                    QLatin1String(manual.file));
}

// The anchor a heading gets on the project's web pages: lower case, punctuation dropped,
// spaces as hyphens ("Serial ports: cables by name" -> "serial-ports-cables-by-name").
// A help section carries it as its id.
QString anchorOf(const QString& heading)
{
    QString anchor;
    for (const QChar character : heading.toLower()) {
        if (character.isLetterOrNumber() || character == QLatin1Char('-'))
            anchor += character;
        else if (character == QLatin1Char(' '))
            anchor += QLatin1Char('-');
    }
    return anchor;
}

// The README's user sections: every ## and ### heading from "Getting started" up to
// "Working on the code", where the part for those who change the program begins. The
// ### steps under "Installing" (the package, the program folder, the udev rule) are left
// to the manual's one section on installing: whoever reads the manual of an installed
// program needs where things went, not each way of installing again. Fenced code is
// skipped, so a "# comment" in a shell example is no heading.
QStringList readmeFeatureHeadings()
{
    const QStringList lines = readText(SourceDir + QStringLiteral("/README.md")).split('\n');
    QStringList headings;
    bool started = false;
    bool inCode = false;
    bool underInstalling = false;
    static const QRegularExpression heading(QStringLiteral("^(##|###) (.+)$"));
    for (const QString& line : lines) {
        if (line.startsWith(QLatin1String("```"))) {
            inCode = !inCode;
            continue;
        }
        const QRegularExpressionMatch match = heading.match(line);
        if (inCode || !match.hasMatch())
            continue;
        const bool section = match.captured(1) == QLatin1String("##");
        const QString title = match.captured(2).trimmed();
        if (section && title == QLatin1String("Getting started"))
            started = true;
        if (section && title == QLatin1String("Working on the code"))
            break;
        if (!started)
            continue;
        if (section)
            underInstalling = title == QLatin1String("Installing");
        else if (underInstalling)
            continue;
        headings << title;
    }
    return headings;
}

QSet<QString> sectionIds(const QString& html)
{
    static const QRegularExpression section(QStringLiteral("<h[23][^>]* id=\"([^\"]+)\""));
    QSet<QString> ids;
    for (const QRegularExpressionMatch& match : section.globalMatch(html))
        ids.insert(match.captured(1));
    return ids;
}

QSet<QString> allIds(const QString& html)
{
    static const QRegularExpression id(QStringLiteral(" id=\"([^\"]+)\""));
    QSet<QString> ids;
    for (const QRegularExpressionMatch& match : id.globalMatch(html))
        ids.insert(match.captured(1));
    return ids;
}

QStringList pictures(const QString& html)
{
    static const QRegularExpression image(QStringLiteral("<img [^>]*src=\"([^\"]+)\""));
    QStringList sources;
    for (const QRegularExpressionMatch& match : image.globalMatch(html))
        sources << match.captured(1);
    return sources;
}

// The captions of the four buttons at the top of the window (File, Program, Options, Help)
// in the language table shipped beside the program.
QStringList toolbarCaptions(const QString& language)
{
    const QStringList lines =
        readText(SourceDir + QStringLiteral("/resources/program/%1.lang").arg(language))
            .split('\n');
    QStringList captions;
    for (const QString& line : lines)
        for (const int number : {9, 10, 11, 12})
            if (line.startsWith(QStringLiteral("%1=").arg(number)))
                captions << line.section(QLatin1Char('='), 1).trimmed();
    return captions;
}

void addManualRows()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("html");
    for (const Manual& manual : Manuals)
        QTest::newRow(manual.language)
            << QString::fromLatin1(manual.language) << manualText(manual);
}

} // namespace

void TestHelpManual::everyReadmeFeatureHasItsSection_data()
{
    QTest::addColumn<QString>("heading");
    QTest::addColumn<QString>("html");
    const QStringList headings = readmeFeatureHeadings();
    // A README whose headings can no longer be found must not pass as "nothing to check".
    QVERIFY(headings.contains(QStringLiteral("Backups and checked writes")));
    QVERIFY(headings.contains(QStringLiteral("Troubleshooting")));
    for (const Manual& manual : Manuals) {
        const QString html = manualText(manual);
        QVERIFY2(!html.isEmpty(), manual.file);
        for (const QString& heading : headings)
            QTest::addRow("%s: %s", manual.language, qPrintable(heading)) << heading << html;
    }
}

void TestHelpManual::everyReadmeFeatureHasItsSection()
{
    QFETCH(QString, heading);
    QFETCH(QString, html);
    const QString anchor = anchorOf(heading);
    QVERIFY2(sectionIds(html).contains(anchor),
             qPrintable(QStringLiteral("no <h2> or <h3> with id=\"%1\" for the README's \"%2\"")
                            .arg(anchor, heading)));
}

void TestHelpManual::bothLanguagesHaveTheSameSections()
{
    const QSet<QString> english = sectionIds(manualText(Manuals[0]));
    const QSet<QString> chinese = sectionIds(manualText(Manuals[1]));
    QVERIFY(!english.isEmpty());
    QCOMPARE(QSet<QString>(english).subtract(chinese), QSet<QString>());
    QCOMPARE(QSet<QString>(chinese).subtract(english), QSet<QString>());
}

void TestHelpManual::linksLeadToSections_data()
{
    addManualRows();
}

void TestHelpManual::linksLeadToSections()
{
    QFETCH(QString, html);
    static const QRegularExpression link(QStringLiteral("href=\"#([^\"]+)\""));
    const QSet<QString> ids = allIds(html);
    int links = 0;
    for (const QRegularExpressionMatch& match : link.globalMatch(html)) {
        ++links;
        QVERIFY2(ids.contains(match.captured(1)), qPrintable(match.captured(1)));
    }
    QVERIFY(links > 0);
}

void TestHelpManual::picturesReachTheProgramFolder_data()
{
    addManualRows();
}

void TestHelpManual::picturesReachTheProgramFolder()
{
    QFETCH(QString, html);
    const QStringList sources = pictures(html);
    QVERIFY(!sources.isEmpty());
    for (const QString& source : sources) {
        QVERIFY2(!source.contains(QLatin1String("..")) && !QDir::isAbsolutePath(source),
                 qPrintable(source + QStringLiteral(" lies outside the help folder")));
        QVERIFY2(QFile::exists(ProgramDir + QStringLiteral("/help/") + source),
                 qPrintable(source + QStringLiteral(" is not in the program folder's help/")));
    }
    // Each picture says what it shows, for whoever cannot see it.
    static const QRegularExpression withoutAlt(QStringLiteral("<img (?![^>]*alt=\"[^\"]+\")"));
    QVERIFY(!withoutAlt.match(html).hasMatch());
}

void TestHelpManual::picturesShowInTheHelpWindow_data()
{
    addManualRows();
}

void TestHelpManual::picturesShowInTheHelpWindow()
{
    QFETCH(QString, language);
    QFETCH(QString, html);
    const QString file = language == QLatin1String("english")
                             ? QStringLiteral("qv3307-help.html")
                             : QStringLiteral("qv3307-help.zh.html");
    HelpWindow window;
    window.showManual(QUrl::fromLocalFile(ProgramDir + QStringLiteral("/help/") + file));
    QTextDocument* document = window.browser()->document();
    for (const QString& source : pictures(html)) {
        const QVariant picture = document->resource(QTextDocument::ImageResource, QUrl(source));
        QVERIFY2(picture.isValid() && !picture.isNull(), qPrintable(source));
    }
}

void TestHelpManual::toolbarButtonsAreNamedAsShown_data()
{
    addManualRows();
}

void TestHelpManual::toolbarButtonsAreNamedAsShown()
{
    QFETCH(QString, language);
    QFETCH(QString, html);
    const QStringList captions = toolbarCaptions(language);
    QCOMPARE(captions.size(), 4);
    // "Rest the mouse on <b>Program</b>", "把鼠标停在“编辑”上"
    static const QRegularExpression restOn(
        QStringLiteral("(?:Rest the mouse (?:for a moment )?on <b>([^<]+)</b>|"
                       "鼠标停在(?:窗口顶部的)?“([^”]+)”)"));
    int places = 0;
    for (const QRegularExpressionMatch& match : restOn.globalMatch(html)) {
        ++places;
        const QString caption = match.captured(1).isEmpty() ? match.captured(2) : match.captured(1);
        QVERIFY2(captions.contains(caption),
                 qPrintable(QStringLiteral("\"%1\" is none of %2")
                                .arg(caption, captions.join(QStringLiteral(", ")))));
    }
    QVERIFY(places > 0);
}

QTEST_MAIN(TestHelpManual)
#include "tst_helpmanual.moc"
