#include "EditorFixture.h"

#include <QTest>

namespace {

QStringList columnTexts(const EditorFixture& fixture, int column, int firstRow, int lastRow)
{
    QStringList texts;
    for (int row = firstRow; row <= lastRow; ++row)
        texts << fixture.cell(row, column);
    return texts;
}

} // namespace

// Edits of several selected channels at once, each one undo step.
class TestManyChannels : public QObject
{
    Q_OBJECT

private slots:
    void wordsAndTonesGoToProgrammedRowsOnly_data();
    void wordsAndTonesGoToProgrammedRowsOnly();
    void clickInASelectionSwitchesEveryRowAlike();
    void toneChosenInASelectionGoesToEveryRow();
    void fillFrequencies_data();
    void fillFrequencies();
    void fillFrequenciesFromAStartThatIsNoNumber();
    void aCommitThatFailsStopsTheEdit();
};

void TestManyChannels::wordsAndTonesGoToProgrammedRowsOnly_data()
{
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("text");
    QTest::newRow("power") << int(Column::Power) << "Low";
    QTest::newRow("wideband") << int(Column::OptionA) << "OFF";
    QTest::newRow("busy lock") << int(Column::OptionB) << "ON";
    QTest::newRow("scramble") << int(Column::OptionC) << "ON";
    QTest::newRow("receive tone") << int(Column::RxTone) << "D023N";
    QTest::newRow("transmit tone") << int(Column::TxTone) << "67.0";
}

void TestManyChannels::wordsAndTonesGoToProgrammedRowsOnly()
{
    QFETCH(int, column);
    QFETCH(QString, text);

    EditorFixture fixture;
    for (const int row : {2, 3, 5, 7})
        fixture.putChannel(row, QStringLiteral("440.00000"));
    fixture.workspace.startEditHistory();
    const RadioContents before = fixture.workspace.radioContents();
    const QString was = fixture.cell(2, column);

    if (Column::isTone(column))
        fixture.editor.setRowsTone(2, 5, column, text);
    else
        fixture.editor.setRowsWord(2, 5, column, text);
    QCOMPARE(columnTexts(fixture, column, 1, 7), QStringList({"", text, text, "", text, "", was}));
    QVERIFY(fixture.workspace.table.isEmptyChannel(4));
    QCOMPARE(fixture.workspace.undoableEdits(), 1);
    fixture.editor.undo();
    QCOMPARE(fixture.workspace.radioContents(), before);

    // A word for a column that takes none changes nothing.
    fixture.editor.setRowsWord(2, 5, Column::RxFrequency, text);
    fixture.editor.setRowsTone(2, 5, Column::Power, text);
    QCOMPARE(fixture.workspace.radioContents(), before);
}

void TestManyChannels::clickInASelectionSwitchesEveryRowAlike()
{
    EditorFixture fixture;
    for (const int row : {1, 2, 4})
        fixture.putChannel(row, QStringLiteral("440.00000"));
    fixture.workspace.table.setText(2, Column::Power, QStringLiteral("Low"));
    fixture.workspace.startEditHistory();
    // An arrow key moved the cell last: a click on one cell would be swallowed, a click in
    // a selection is not.
    fixture.editor.gridKeyDown(Qt::Key_Down);

    // The clicked cell switches (Low to High) and every selected channel gets its word.
    fixture.editor.selectionClick(1, 4, 2, Column::Power);
    QCOMPARE(columnTexts(fixture, Column::Power, 1, 4), QStringList({"High", "High", "", "High"}));
    fixture.editor.selectionClick(1, 4, 1, Column::OptionA);
    QCOMPARE(columnTexts(fixture, Column::OptionA, 1, 4), QStringList({"OFF", "OFF", "", "OFF"}));
    QCOMPARE(fixture.workspace.undoableEdits(), 2);

    // A click on an empty channel of the selection changes nothing.
    fixture.editor.selectionClick(1, 4, 3, Column::OptionA);
    QCOMPARE(columnTexts(fixture, Column::OptionA, 1, 4), QStringList({"OFF", "OFF", "", "OFF"}));
    QCOMPARE(fixture.workspace.undoableEdits(), 2);
}

void TestManyChannels::toneChosenInASelectionGoesToEveryRow()
{
    EditorFixture fixture;
    for (const int row : {1, 2, 3, 5})
        fixture.putChannel(row, QStringLiteral("440.00000"));
    fixture.workspace.startEditHistory();

    fixture.editor.selectionClick(2, 5, 3, Column::TxTone);
    QVERIFY(fixture.view.pickerShown);
    QCOMPARE(fixture.view.pickerCell.row, 3);
    fixture.view.choose(5); // 77.0
    fixture.click(8, Column::RxFrequency);
    QCOMPARE(columnTexts(fixture, Column::TxTone, 1, 5),
             QStringList({"OFF", "77.0", "77.0", "", "77.0"}));
    QCOMPARE(fixture.workspace.undoableEdits(), 1);

    // The picker opened on one cell afterwards sets that cell alone.
    fixture.click(2, Column::TxTone);
    fixture.view.choose(1);
    fixture.click(8, Column::RxFrequency);
    QCOMPARE(columnTexts(fixture, Column::TxTone, 1, 5),
             QStringList({"OFF", "67.0", "77.0", "", "77.0"}));
}

void TestManyChannels::fillFrequencies_data()
{
    QTest::addColumn<QString>("band");
    QTest::addColumn<QString>("start");
    QTest::addColumn<qint64>("step");
    QTest::addColumn<QStringList>("frequencies"); // rows 3 to 6
    QTest::addColumn<QList<int>>("leftOut");

    QTest::newRow("12.5 kHz") << "400-470MHz"
                              << "446.00625" << qint64(1250)
                              << QStringList{"446.00625", "446.01875", "446.03125", "446.04375"}
                              << QList<int>{};
    QTest::newRow("5 kHz") << "400-470MHz"
                           << "430" << qint64(500)
                           << QStringList{"430.00000", "430.00500", "430.01000", "430.01500"}
                           << QList<int>{};
    QTest::newRow("6.25 kHz") << "400-470MHz"
                              << "430" << qint64(625)
                              << QStringList{"430.00000", "430.00625", "430.01250", "430.01875"}
                              << QList<int>{};
    // As typing them would: 430.0175 is on neither step and goes up to 430.01875.
    QTest::newRow("12.5 kHz from a 5 kHz start")
        << "400-470MHz"
        << "430.005" << qint64(1250)
        << QStringList{"430.00500", "430.01875", "430.03000", "430.04375"} << QList<int>{};
    // Outside the band: left out, never pulled to 469.995; the rows keep what they held.
    QTest::newRow("25 kHz past the band's end")
        << "400-470MHz"
        << "469.95" << qint64(2500) << QStringList{"469.95000", "469.97500", "", "441.00000"}
        << QList<int>{5, 6};
    QTest::newRow("start below the band")
        << "400-470MHz"
        << "399.99" << qint64(500) << QStringList{"", "440.00000", "400.00000", "400.00500"}
        << QList<int>{3, 4};
}

void TestManyChannels::fillFrequencies()
{
    QFETCH(QString, band);
    QFETCH(QString, start);
    QFETCH(qint64, step);
    QFETCH(QStringList, frequencies);
    QFETCH(QList<int>, leftOut);

    EditorFixture fixture(band);
    fixture.putChannel(4, QStringLiteral("440.00000"));
    fixture.workspace.table.setText(4, Column::TxFrequency, QStringLiteral("445.00000"));
    fixture.workspace.table.setText(4, Column::Power, QStringLiteral("Low"));
    fixture.putChannel(6, QStringLiteral("441.00000"));
    fixture.workspace.startEditHistory();
    const RadioContents before = fixture.workspace.radioContents();

    const auto left = fixture.editor.fillFrequencies(3, 6, start, step);
    QVERIFY(left);
    QList<int> leftRows;
    for (const ChannelEditor::LeftOutFrequency& frequency : *left)
        leftRows << frequency.row;
    QCOMPARE(leftRows, leftOut);
    QCOMPARE(columnTexts(fixture, Column::RxFrequency, 3, 6), frequencies);
    for (int row = 3; row <= 6; ++row) {
        if (!leftOut.contains(row))
            QCOMPARE(fixture.cell(row, Column::TxFrequency),
                     fixture.cell(row, Column::RxFrequency));
    }
    // An empty row became a new channel; a channel filled keeps its other cells.
    if (!leftOut.contains(3))
        QCOMPARE(fixture.workspace.table.fields(3).mid(4),
                 QStringList({"High", "ON", "OFF", "OFF"}));
    if (!leftOut.contains(4))
        QCOMPARE(fixture.cell(4, Column::Power), QStringLiteral("Low"));
    QCOMPARE(fixture.messages.errors.size(), leftOut.isEmpty() ? 0 : 1);
    if (!leftOut.isEmpty())
        QVERIFY(fixture.messages.errors.first().contains(band));

    QCOMPARE(fixture.workspace.undoableEdits(), 1);
    fixture.editor.undo();
    QCOMPARE(fixture.workspace.radioContents(), before);
}

void TestManyChannels::fillFrequenciesFromAStartThatIsNoNumber()
{
    EditorFixture fixture;
    fixture.workspace.startEditHistory();
    QVERIFY(!fixture.editor.fillFrequencies(1, 4, QStringLiteral("."), 1250));
    QCOMPARE(fixture.messages.errors, QStringList({"'.' is not a valid floating point value"}));
    QVERIFY(fixture.workspace.table.isEmptyChannel(1));
    QCOMPARE(fixture.workspace.undoableEdits(), 0);
}

void TestManyChannels::aCommitThatFailsStopsTheEdit()
{
    EditorFixture fixture;
    fixture.putChannel(1, QStringLiteral("440.00000"));
    fixture.workspace.startEditHistory();
    fixture.type(2, Column::RxFrequency, QStringLiteral("."));

    fixture.editor.setRowsWord(1, 2, Column::Power, QStringLiteral("Low"));
    QCOMPARE(fixture.cell(1, Column::Power), QStringLiteral("High"));
    QVERIFY(!fixture.editor.fillFrequencies(1, 2, QStringLiteral("430"), 1250));
    QCOMPARE(fixture.cell(1, Column::RxFrequency), QStringLiteral("440.00000"));
    QCOMPARE(fixture.workspace.undoableEdits(), 0);
}

QTEST_GUILESS_MAIN(TestManyChannels)
#include "tst_manychannels.moc"
