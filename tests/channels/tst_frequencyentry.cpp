#include "channels/FrequencyNormaliser.h"
#include "channels/FrequencyTyping.h"
#include "workspace/MessageIds.h"

#include "EditorFixture.h"

#include <QLocale>
#include <QTest>

using EditorKey = ChannelEditor::EditorKey;

// Typing and normalising frequencies: the arithmetic against the band, the texts that do
// not read as numbers, the decimal separator of the locale, and the editor's filter.
class TestFrequencyEntry : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { QLocale::setDefault(QLocale::c()); }

    void normalisesAgainstTheBand_data();
    void normalisesAgainstTheBand();
    void textThatIsNoNumberKeepsTheCell_data();
    void textThatIsNoNumberKeepsTheCell();
    void eitherSeparatorIsReadAndTheLocalesIsWritten_data();
    void eitherSeparatorIsReadAndTheLocalesIsWritten();
    void editorFilter_data();
    void editorFilter();
    void everyChangeOfTheEditorIsFiltered_data();
    void everyChangeOfTheEditorIsFiltered();
};

void TestFrequencyEntry::normalisesAgainstTheBand_data()
{
    QTest::addColumn<QString>("band");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<bool>("outOfBand");

    const QString band = QStringLiteral("400-470MHz");
    QTest::newRow("whole number") << band << "400"
                                  << "400.00000" << false;
    QTest::newRow("up to 6.25 kHz step") << band << "400.012"
                                         << "400.01250" << false;
    QTest::newRow("up to 5 kHz step") << band << "400.001"
                                      << "400.00500" << false;
    QTest::newRow("on 6.25 kHz step") << band << "446.00625"
                                      << "446.00625" << false;
    QTest::newRow("4 clamps to 100, below band") << band << "4"
                                                 << "400.00000" << true;
    QTest::newRow("upper limit") << band << "470"
                                 << "469.99500" << true;
    QTest::newRow("nine 9s clamp to 550") << band << "999999999"
                                          << "469.99500" << true;
    QTest::newRow("just below lower limit") << band << "399.99"
                                            << "400.00000" << true;
    QTest::newRow("highest storable") << band << "469.995"
                                      << "469.99500" << false;
    QTest::newRow("step reaches upper limit") << band << "469.996"
                                              << "469.99500" << true;
    QTest::newRow("separator typed last") << band << "400."
                                          << "400.00000" << false;
    QTest::newRow("leading zero") << band << "0400.5"
                                  << "400.50000" << false;
    QTest::newRow("below 100 Hz is dropped") << band << "400.00001"
                                             << "400.00000" << false;
    QTest::newRow("steps over a whole MHz") << band << "445.99999"
                                            << "446.00000" << false;
    // Values whose binary form lies just below the decimal: read in binary, 400.0001
    // times 10000 truncates to 4000000 and would end on 400.00000, below what was typed.
    QTest::newRow("inexact 400.0001") << band << "400.0001"
                                      << "400.00500" << false;
    QTest::newRow("inexact 400.0438") << band << "400.0438"
                                      << "400.04500" << false;
    QTest::newRow("inexact 145.2") << "136-174MHz"
                                   << "145.2"
                                   << "145.20000" << false;
    QTest::newRow("inexact 100.0563") << "100-200MHz"
                                      << "100.0563"
                                      << "100.06000" << false;
    QTest::newRow("inexact upper limit 174") << "136-174MHz"
                                             << "174"
                                             << "173.99500" << true;
    QTest::newRow("clamped to 100 inside band") << "050-600MHz"
                                                << "99.9"
                                                << "100.00000" << false;
    QTest::newRow("clamped to 550 inside band") << "050-600MHz"
                                                << "600"
                                                << "550.00000" << false;
    QTest::newRow("negative clamps to 100") << "050-600MHz"
                                            << "-5"
                                            << "100.00000" << false;
}

void TestFrequencyEntry::normalisesAgainstTheBand()
{
    QFETCH(QString, band);
    QFETCH(QString, typed);
    QFETCH(QString, expected);
    QFETCH(bool, outOfBand);
    EditorFixture fixture(band);
    fixture.workspace.table.setText(3, Column::TxFrequency, typed);
    fixture.view.editorShown = true;

    QVERIFY(fixture.editor.normaliseFrequency(3, Column::TxFrequency));

    QCOMPARE(fixture.cell(3, Column::TxFrequency), expected);
    QCOMPARE(fixture.messages.messageIds(),
             outOfBand ? QList<int>{Message::FrequencyOutOfBand} : QList<int>{});
    if (outOfBand)
        QCOMPARE(fixture.messages.boxes.first().titleId, int(Message::PromptTitle));
    QVERIFY(fixture.messages.errors.isEmpty());
    QVERIFY(!fixture.view.editorShown);
    QVERIFY(fixture.mainWindowEnabled);
}

void TestFrequencyEntry::textThatIsNoNumberKeepsTheCell_data()
{
    QTest::addColumn<QString>("band");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("wrongText");
    QTest::addColumn<QList<int>>("messagesBefore");

    const QString band = QStringLiteral("400-470MHz");
    QTest::newRow("separator alone") << band << "."
                                     << "." << QList<int>{};
    QTest::newRow("pasted letters") << band << "abc"
                                    << "abc" << QList<int>{};
    QTest::newRow("two separators") << band << "400.1.2"
                                    << "400.1.2" << QList<int>{};
    QTest::newRow("both separators") << band << "400,1.2"
                                     << "400,1.2" << QList<int>{};
    QTest::newRow("sign alone") << band << "-"
                                << "-" << QList<int>{};
    QTest::newRow("not a number") << band << "nan"
                                  << "nan" << QList<int>{};
    QTest::newRow("lower limit no number") << "ABC-470MHz"
                                           << "440"
                                           << "ABC" << QList<int>{};
    QTest::newRow("upper limit no number") << "400-4x0MHz"
                                           << "4"
                                           << "4x0" << QList<int>{Message::FrequencyOutOfBand};
    QTest::newRow("no band selected") << QString() << "440"
                                      << "" << QList<int>{};
}

void TestFrequencyEntry::textThatIsNoNumberKeepsTheCell()
{
    QFETCH(QString, band);
    QFETCH(QString, text);
    QFETCH(QString, wrongText);
    QFETCH(QList<int>, messagesBefore);
    EditorFixture fixture;
    if (band.isEmpty()) {
        fixture.workspace.editor.loading = true;
        fixture.workspace.bands.select(-1);
        fixture.workspace.editor.loading = false;
    } else {
        fixture.selectBandQuietly(band);
    }
    fixture.workspace.table.setText(2, Column::RxFrequency, text);

    QVERIFY(!fixture.editor.normaliseFrequency(2, Column::RxFrequency));

    QCOMPARE(fixture.cell(2, Column::RxFrequency), text);
    QCOMPARE(
        fixture.messages.errors,
        QStringList{QStringLiteral("'%1' is not a valid floating point value").arg(wrongText)});
    QCOMPARE(fixture.messages.messageIds(), messagesBefore);
}

void TestFrequencyEntry::eitherSeparatorIsReadAndTheLocalesIsWritten_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");

    const QLocale german(QLocale::German, QLocale::Germany);
    QTest::newRow("comma locale, typed") << german << "400,0125"
                                         << "400,01250";
    QTest::newRow("comma locale, from the radio") << german << "435.12500"
                                                  << "435,12500";
    QTest::newRow("comma locale, whole") << german << "400"
                                         << "400,00000";
    QTest::newRow("point locale, from a comma file") << QLocale::c() << "400,5"
                                                     << "400.50000";
}

void TestFrequencyEntry::eitherSeparatorIsReadAndTheLocalesIsWritten()
{
    QFETCH(QLocale, locale);
    QFETCH(QString, text);
    QFETCH(QString, expected);
    QLocale::setDefault(locale);
    EditorFixture fixture;
    fixture.workspace.table.setText(1, Column::RxFrequency, text);

    QVERIFY(fixture.editor.normaliseFrequency(1, Column::RxFrequency));

    QCOMPARE(fixture.cell(1, Column::RxFrequency), expected);
    QVERIFY(fixture.messages.errors.isEmpty());
}

void TestFrequencyEntry::editorFilter_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QChar>("character");
    QTest::addColumn<EditorKey>("verdict");

    const QLocale c = QLocale::c();
    const QLocale german(QLocale::German, QLocale::Germany);
    QTest::newRow("digit") << c << "" << QChar('7') << EditorKey::Accept;
    QTest::newRow("backspace") << c << "400" << QChar('\b') << EditorKey::Accept;
    QTest::newRow("separator first") << c << "" << QChar('.') << EditorKey::Discard;
    QTest::newRow("separator second") << c << "4" << QChar('.') << EditorKey::Discard;
    QTest::newRow("separator third") << c << "40" << QChar('.') << EditorKey::Discard;
    QTest::newRow("separator fourth") << c << "400" << QChar('.') << EditorKey::Accept;
    QTest::newRow("separator later") << c << "4000" << QChar('.') << EditorKey::Accept;
    QTest::newRow("second separator") << c << "400.1" << QChar('.') << EditorKey::Discard;
    QTest::newRow("comma in point locale") << c << "400" << QChar(',') << EditorKey::Discard;
    QTest::newRow("comma locale, comma") << german << "400" << QChar(',') << EditorKey::Accept;
    QTest::newRow("comma locale, point") << german << "400" << QChar('.') << EditorKey::Discard;
    QTest::newRow("comma after radio's point")
        << german << "435.1" << QChar(',') << EditorKey::Discard;
    QTest::newRow("letter") << c << "400" << QChar('a') << EditorKey::Discard;
    QTest::newRow("minus") << c << "" << QChar('-') << EditorKey::Discard;
    QTest::newRow("space") << c << "400" << QChar(' ') << EditorKey::Discard;
    QTest::newRow("escape") << c << "400" << QChar('\x1b') << EditorKey::Discard;
    QTest::newRow("arabic-indic digit") << c << "" << QChar(0x0664) << EditorKey::Discard;
    QTest::newRow("enter") << c << "400" << QChar('\r') << EditorKey::Commit;
}

void TestFrequencyEntry::editorFilter()
{
    QFETCH(QLocale, locale);
    QFETCH(QString, text);
    QFETCH(QChar, character);
    QFETCH(EditorKey, verdict);
    QLocale::setDefault(locale);
    EditorFixture fixture;

    QCOMPARE(fixture.editor.editorCharacter(character, text), verdict);
}

void TestFrequencyEntry::everyChangeOfTheEditorIsFiltered_data()
{
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("after");
    QTest::addColumn<int>("caret");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<int>("expectedCaret");

    QTest::newRow("digit typed") << "400"
                                 << "4001" << 4 << "4001" << 4;
    QTest::newRow("letter typed") << "400"
                                  << "400a" << 4 << "400" << 3;
    QTest::newRow("input method text") << "4" << QString::fromUtf8("40a。５") << 5 << "40" << 2;
    QTest::newRow("pasted in the middle") << "4000"
                                          << "40a000" << 3 << "40000" << 2;
    QTest::newRow("separator before three characters") << ""
                                                       << "4.00" << 4 << "400" << 3;
    QTest::newRow("second separator") << "400.1"
                                      << "400.1.5" << 7 << "400.15" << 6;
    QTest::newRow("pasted over the whole text") << "440.00000"
                                                << "445.5" << 5 << "445.5" << 5;
    QTest::newRow("beyond nine characters") << "4"
                                            << "41234567890" << 11 << "412345678" << 9;
    QTest::newRow("onto a longer text") << "400.012500"
                                        << "400.0125009" << 11 << "400.012500" << 10;
    QTest::newRow("deleting from a longer text") << "400.012500"
                                                 << "400.01250" << 9 << "400.01250" << 9;
    QTest::newRow("text that was there stays") << "4a0"
                                               << "4a05" << 4 << "4a05" << 4;
    QTest::newRow("caret not after the change") << "400"
                                                << "x400" << 0 << "400" << 0;
}

void TestFrequencyEntry::everyChangeOfTheEditorIsFiltered()
{
    QFETCH(QString, before);
    QFETCH(QString, after);
    QFETCH(int, caret);

    const FrequencyTyping::Edit edit = FrequencyTyping::filterEdit(before, after, caret);

    QTEST(edit.text, "expected");
    QTEST(edit.caret, "expectedCaret");
}

QTEST_GUILESS_MAIN(TestFrequencyEntry)
#include "tst_frequencyentry.moc"
