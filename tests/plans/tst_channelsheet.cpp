#include "plans/ChannelSheet.h"
#include "workspace/LanguageWords.h"

#include "support/WorkspaceFixture.h"

#include <QLocale>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

namespace {

// What a poppler tool prints about the PDF in `bytes`; "%1" in the arguments stands for
// the PDF file.
QString popplerOutput(const QString& tool, QStringList arguments, const QByteArray& bytes)
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("sheet.pdf"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        return {};
    file.close();
    QProcess process;
    arguments.replaceInStrings(QStringLiteral("%1"), path);
    process.start(tool, arguments);
    if (!process.waitForFinished(60000) || process.exitCode() != 0)
        return {};
    return QString::fromUtf8(process.readAllStandardOutput());
}

QString pdfText(const QByteArray& pdf)
{
    return popplerOutput(QStringLiteral("pdftotext"), {"-layout", "%1", "-"}, pdf);
}

// The words of the sheet's line for a channel: its number, then its cells.
QStringList channelLine(const QString& text, int channel)
{
    const QString number = QStringLiteral("%1").arg(channel, 2, 10, QLatin1Char('0'));
    for (const QString& line : text.split(u'\n')) {
        const QStringList words =
            line.split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts);
        if (!words.isEmpty() && words.first() == number)
            return words;
    }
    return {};
}

const CellWords& wordsOf(Language language)
{
    return BuiltInLanguages::words(language);
}

// Channels of every kind: new-channel words, tones both ways, low power and options on,
// words of the other language (a file opened without a language switch), and empty rows.
void fillChannels(Workspace& workspace, Language language)
{
    const CellWords& words = wordsOf(language);
    const CellWords& other =
        wordsOf(language == Language::English ? Language::Chinese : Language::English);
    const QStringList rows[] = {
        {"446.00625", words.offWord, "446.00625", words.offWord, words.lowWord, words.offWord,
         words.offWord, words.offWord},
        {"438.50000", "67.0", "431.10000", "D023N", words.highWord, words.onWord, words.offWord,
         words.onWord},
        {"462.56250", "254.1", "462.56250", "D754I", other.highWord, other.offWord, other.onWord,
         other.offWord},
    };
    const int programmed[] = {1, 2, 9};
    for (int index = 0; index < 3; ++index) {
        for (int column = Column::FirstField; column <= Column::LastField; ++column)
            workspace.table.setText(programmed[index], column,
                                    rows[index].at(column - Column::FirstField));
    }
    workspace.settings.setPosition(FunctionSettings::Squelch, 7);
    workspace.settings.setVoxInhibit(false);
}

} // namespace

class TestChannelSheet : public QObject
{
    Q_OBJECT

private slots:
    void everyChannelRowInThePdf_data();
    void everyChannelRowInThePdf();
    void pageSizeFollowsTheLocale_data();
    void pageSizeFollowsTheLocale();
};

void TestChannelSheet::everyChannelRowInThePdf_data()
{
    QTest::addColumn<Language>("language");
    QTest::addColumn<QStringList>("fixedTexts");
    QTest::newRow("English") << Language::English << QStringList{"QV3307 channel sheet",
                                                                 "Band: 400-470MHz",
                                                                 "Date: 2026-03-01",
                                                                 "File: club.F19",
                                                                 "Radio / owner",
                                                                 "Squelch Level",
                                                                 "RX Freq",
                                                                 "Scramble"};
    QTest::newRow("Chinese") << Language::Chinese
                             << QStringList{"QV3307 信道表",     "频段： 400-470MHz",
                                            "日期： 2026-03-01", "文件： club.F19",
                                            "电台 / 机主",       "静噪电平",
                                            "接收频率",          "扰频"};
}

void TestChannelSheet::everyChannelRowInThePdf()
{
    QFETCH(Language, language);
    QFETCH(QStringList, fixedTexts);

    WorkspaceFixture fixture;
    fixture.localisation.switchLanguage(language);
    fillChannels(fixture.workspace, language);
    const ChannelSheetContent content =
        ChannelSheet::contentOf(fixture.workspace, fixture.localisation.applied(), language,
                                QStringLiteral("club.F19"), QDate(2026, 3, 1));
    const QByteArray pdf = ChannelSheet::pdf(content, QPageSize::A4);
    QVERIFY(pdf.startsWith("%PDF-"));
    const QString text = pdfText(pdf);
    QVERIFY2(!text.isEmpty(), "pdftotext (poppler-utils) read nothing");

    for (const QString& fixed : fixedTexts)
        QVERIFY2(text.contains(fixed), qPrintable(fixed + QStringLiteral(" not in:\n") + text));
    const CellWords& words = wordsOf(language);
    for (int row = Row::FirstChannel; row <= Row::LastChannel; ++row) {
        QStringList expected{QStringLiteral("%1").arg(row, 2, 10, QLatin1Char('0'))};
        for (int column = Column::FirstField; column <= Column::LastField; ++column) {
            // The sheet speaks the interface's language, whatever words a cell holds.
            const QString cell =
                LanguageWords::reworded(column, fixture.workspace.table.text(row, column), words);
            if (!cell.isEmpty())
                expected << cell;
        }
        QCOMPARE(channelLine(text, row), expected);
    }
    // Channel 9 held the other language's words.
    QCOMPARE(channelLine(text, 9).at(5), words.highWord);
    // The settings, as their lists show them, VOX inhibit unchecked.
    QVERIFY(text.contains(QRegularExpression(
        QRegularExpression::escape(fixture.localisation.applied().string(38)) + "\\s+7\\b")));
    QVERIFY(text.contains(
        QRegularExpression(QRegularExpression::escape(fixture.localisation.applied().string(47)) +
                           "\\s+" + QRegularExpression::escape(words.offWord))));

    // A font with the Chinese characters is embedded, not a box for each.
    if (language == Language::Chinese)
        QVERIFY(popplerOutput(QStringLiteral("pdffonts"), {"%1"}, pdf)
                    .contains(QRegularExpression("DroidSansFallback|CJK")));
}

void TestChannelSheet::pageSizeFollowsTheLocale_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("pageSize");
    QTest::newRow("United States") << "en_US"
                                   << "612 x 792 pts (letter)";
    QTest::newRow("Canada, French") << "fr_CA"
                                    << "612 x 792 pts (letter)";
    QTest::newRow("Mexico") << "es_MX"
                            << "612 x 792 pts (letter)";
    QTest::newRow("United Kingdom") << "en_GB"
                                    << "595 x 842 pts (A4)";
    QTest::newRow("Germany") << "de_DE"
                             << "595 x 842 pts (A4)";
    QTest::newRow("China") << "zh_CN"
                           << "595 x 842 pts (A4)";
}

void TestChannelSheet::pageSizeFollowsTheLocale()
{
    QFETCH(QString, locale);
    QFETCH(QString, pageSize);

    WorkspaceFixture fixture;
    const QByteArray pdf =
        ChannelSheet::pdf(ChannelSheet::contentOf(fixture.workspace, fixture.localisation.applied(),
                                                  Language::English, {}, QDate(2026, 3, 1)),
                          ChannelSheet::pageSizeFor(QLocale(locale)));
    const QString info = popplerOutput(QStringLiteral("pdfinfo"), {"%1"}, pdf);
    QVERIFY2(info.contains(QRegularExpression("Pages:\\s+1\\n")), qPrintable(info));
    QVERIFY2(
        info.contains(QRegularExpression("Page size:\\s+" + QRegularExpression::escape(pageSize))),
        qPrintable(info));
}

QTEST_MAIN(TestChannelSheet)
#include "tst_channelsheet.moc"
