#include "workspace/MessageIds.h"

#include "EditorFixture.h"

#include <QTest>

namespace {

QStringList row(const EditorFixture& fixture, int row)
{
    return fixture.workspace.table.fields(row);
}

const QStringList EmptyRow(8);

// Channel layouts for the move tests: one character per row 1 to 16, "." for an empty
// row and a letter for a channel ("a" is 401 MHz, "b" 402 MHz and so on).
constexpr auto StartLayout = "abcd.f.........p";

QString frequencyOf(QChar code)
{
    return QStringLiteral("4%1.00000").arg(code.unicode() - 'a' + 1, 2, 10, QChar('0'));
}

QString layoutOf(const EditorFixture& fixture)
{
    QString layout;
    for (int row = Row::FirstChannel; row <= Row::LastChannel; ++row) {
        const QString frequency = fixture.cell(row, Column::RxFrequency);
        layout += frequency.isEmpty() ? QChar('.') : QChar('a' + frequency.mid(1, 2).toInt() - 1);
    }
    return layout;
}

} // namespace

// The editing rules without widgets: committing typed rows, clicks on each kind of cell,
// the tone picker's hand-over, the grid's keys and wheel, channel moves and band changes.
class TestChannelEditor : public QObject
{
    Q_OBJECT

private slots:
    void committingATypedRowMakesAChannel();
    void committingAChannelKeepsItsOtherFields_data();
    void committingAChannelKeepsItsOtherFields();
    void emptiedReceiveFrequencyEmptiesTheRow();
    void failedCommitKeepsTheGridAndTheChannels();
    void leavingAFlagCellOfAToneLessChannelCommitsNothing();

    void flagCellsToggle_data();
    void flagCellsToggle();
    void clicksOnAnEmptyChannel_data();
    void clicksOnAnEmptyChannel();
    void arrowKeyMoveDoesNotToggleTheFlagItLandsOn();
    void arrowKeySwallowsTheNextFlagClick();
    void wheelSuppressesTogglesOnlyFromFlagColumns_data();
    void wheelSuppressesTogglesOnlyFromFlagColumns();

    void tonePickerShowsTheCellsTone_data();
    void tonePickerShowsTheCellsTone();
    void pickerHandsItsChoiceOverWhenItLosesTheFocus();
    void pickerThatNeverHadTheFocusWritesNothing();
    void pickerHiddenByAChannelMoveKeepsTheChoice();

    void gridCharacterKey_data();
    void gridCharacterKey();
    void enterInTheEditorCommitsAndReopensTheEditor();
    void enterWithTextThatIsNoNumberStopsAfterTheError();

    void channelOperations_data();
    void channelOperations();
    void moveCarriesAllEightFieldsAndNotTheLabels();
    void deleteClearsATypedFrequencyWithoutCommitting();

    void bandChange_data();
    void bandChange();
};

void TestChannelEditor::committingATypedRowMakesAChannel()
{
    EditorFixture fixture;
    fixture.type(4, Column::RxFrequency, "446.00625");
    QCOMPARE(fixture.cell(4, Column::RxFrequency), QString("446.00625")); // the live copy

    QVERIFY(fixture.editor.commitEditedCell());

    QCOMPARE(row(fixture, 4), newChannel("446.00625"));
    QVERIFY(fixture.messages.boxes.isEmpty());
}

void TestChannelEditor::committingAChannelKeepsItsOtherFields_data()
{
    QTest::addColumn<QStringList>("channel");
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QStringList>("expected");

    const QStringList channel{"440.00000", "67.0", "440.00000", "D023N", "Low", "OFF", "ON", "ON"};
    QTest::newRow("receive frequency")
        << channel << int(Column::RxFrequency) << "445"
        << QStringList{"445.00000", "67.0", "440.00000", "D023N", "Low", "OFF", "ON", "ON"};
    QTest::newRow("transmit frequency")
        << channel << int(Column::TxFrequency) << "450.1"
        << QStringList{"440.00000", "67.0", "450.10000", "D023N", "Low", "OFF", "ON", "ON"};

    // A radio read leaves the receive tone empty when it cannot decode it: the channel is
    // not new, and only its empty cells get the new-channel words.
    const QStringList toneLess{"440.00000", "", "450.00000", "D023N", "Low", "OFF", "ON", "ON"};
    QTest::newRow("receive frequency, receive tone not decoded")
        << toneLess << int(Column::RxFrequency) << "445"
        << QStringList{"445.00000", "OFF", "450.00000", "D023N", "Low", "OFF", "ON", "ON"};
    QTest::newRow("transmit frequency, receive tone not decoded")
        << toneLess << int(Column::TxFrequency) << "451"
        << QStringList{"440.00000", "OFF", "451.00000", "D023N", "Low", "OFF", "ON", "ON"};
    QTest::newRow("only the empty cells get defaults")
        << QStringList{"440.00000", "", "", "", "Low", "", "", "ON"} << int(Column::RxFrequency)
        << "445" << QStringList{"445.00000", "OFF", "445.00000", "OFF", "Low", "ON", "OFF", "ON"};
    QTest::newRow("empty transmit frequency left")
        << QStringList{"440.00000", "", "", "D023N", "Low", "OFF", "ON", "ON"}
        << int(Column::TxFrequency) << ""
        << QStringList{"440.00000", "OFF", "440.00000", "D023N", "Low", "OFF", "ON", "ON"};
}

void TestChannelEditor::committingAChannelKeepsItsOtherFields()
{
    QFETCH(QStringList, channel);
    QFETCH(int, column);
    QFETCH(QString, typed);
    QFETCH(QStringList, expected);
    EditorFixture fixture;
    for (int field = 0; field < channel.size(); ++field)
        fixture.workspace.table.setText(2, Column::FirstField + field, channel[field]);
    fixture.type(2, column, typed);

    QVERIFY(fixture.click(7, Column::RxFrequency));

    QCOMPARE(row(fixture, 2), expected);
    QVERIFY(fixture.messages.errors.isEmpty());
}

void TestChannelEditor::emptiedReceiveFrequencyEmptiesTheRow()
{
    EditorFixture fixture;
    fixture.putChannel(5, "440.00000");
    fixture.click(5, Column::RxFrequency);
    fixture.editor.copyEditorText(QString());

    QVERIFY(fixture.click(6, Column::RxFrequency));

    QCOMPARE(row(fixture, 5), EmptyRow);
}

void TestChannelEditor::failedCommitKeepsTheGridAndTheChannels()
{
    EditorFixture fixture;
    fixture.putChannel(2, "402.00000");
    fixture.putChannel(3, "403.00000");
    fixture.click(3, Column::TxFrequency);
    fixture.editor.copyEditorText("."); // the digits before the separator deleted

    QVERIFY(!fixture.click(4, Column::RxFrequency));
    fixture.editor.channelUp();
    fixture.editor.channelDown();

    QCOMPARE(fixture.messages.errors.size(), 3);
    QCOMPARE(fixture.messages.errors.first(), QString("'.' is not a valid floating point value"));
    QCOMPARE(fixture.view.gridCell.row, 3);
    QCOMPARE(fixture.workspace.editor.currentRow, 3);
    QCOMPARE(fixture.cell(3, Column::TxFrequency), QString("."));
    QCOMPARE(fixture.cell(2, Column::RxFrequency), QString("402.00000"));
    QVERIFY(fixture.view.editorShown);
}

void TestChannelEditor::leavingAFlagCellOfAToneLessChannelCommitsNothing()
{
    // A radio read leaves the tone cell empty for a tone word it cannot decode. Leaving a
    // flag cell of such a channel must neither fail on the flag's word nor treat the
    // channel as newly typed.
    EditorFixture fixture;
    const QStringList channel{"435.12500", "", "436.00000", "88.5", "Low", "OFF", "ON", "ON"};
    for (int field = 0; field < channel.size(); ++field)
        fixture.workspace.table.setText(6, Column::FirstField + field, channel[field]);
    QVERIFY(fixture.click(6, Column::Power));

    QVERIFY(fixture.click(7, Column::RxFrequency));

    QVERIFY(fixture.messages.errors.isEmpty());
    QStringList toggled = channel;
    toggled[Column::Power - 1] = "High";
    QCOMPARE(row(fixture, 6), toggled);
}

void TestChannelEditor::flagCellsToggle_data()
{
    QTest::addColumn<int>("column");
    QTest::addColumn<bool>("chinese");
    QTest::addColumn<QString>("start");
    QTest::addColumn<QStringList>("afterEachClick");

    QTest::newRow("power from high")
        << int(Column::Power) << false << "High" << QStringList{"Low", "High", "Low"};
    QTest::newRow("power from empty")
        << int(Column::Power) << false << "" << QStringList{"High", "Low", "High"};
    QTest::newRow("power in the other language")
        << int(Column::Power) << false << "低功率" << QStringList{"High", "Low"};
    QTest::newRow("chinese power")
        << int(Column::Power) << true << "高功率" << QStringList{"低功率", "高功率"};
    QTest::newRow("option A from off")
        << int(Column::Wideband) << false << "OFF" << QStringList{"ON", "OFF", "ON"};
    QTest::newRow("option B in the other language")
        << int(Column::BusyLock) << false << "禁用" << QStringList{"OFF", "ON"};
    QTest::newRow("option C from on")
        << int(Column::Scramble) << false << "ON" << QStringList{"OFF", "ON"};
    QTest::newRow("chinese option")
        << int(Column::Wideband) << true << "启用" << QStringList{"禁用", "启用"};
}

void TestChannelEditor::flagCellsToggle()
{
    QFETCH(int, column);
    QFETCH(bool, chinese);
    QFETCH(QString, start);
    QFETCH(QStringList, afterEachClick);
    EditorFixture fixture;
    if (chinese)
        fixture.workspace.words = EditorFixture::Chinese;
    fixture.putChannel(3, "440.00000");
    fixture.workspace.table.setText(3, column, start);

    for (const QString& expected : afterEachClick) {
        QVERIFY(fixture.click(3, column));
        QCOMPARE(fixture.cell(3, column), expected);
    }
    QVERIFY(!fixture.view.editorShown);
    QVERIFY(!fixture.view.pickerShown);
}

void TestChannelEditor::clicksOnAnEmptyChannel_data()
{
    QTest::addColumn<int>("column");
    QTest::addColumn<bool>("opensEditor");

    QTest::newRow("receive frequency") << int(Column::RxFrequency) << true;
    for (int column = Column::RxTone; column <= Column::LastField; ++column)
        QTest::addRow("column %d", column) << column << false;
}

void TestChannelEditor::clicksOnAnEmptyChannel()
{
    QFETCH(int, column);
    QFETCH(bool, opensEditor);
    EditorFixture fixture;
    // A leftover word in an empty channel's cell stays as it is.
    if (column != Column::RxFrequency)
        fixture.workspace.table.setText(5, column, "High");

    QVERIFY(fixture.click(5, column));

    QCOMPARE(fixture.view.editorShown, opensEditor);
    if (opensEditor) {
        QCOMPARE(fixture.view.editorCell.row, 5);
        QCOMPARE(fixture.view.editorText, QString());
        QVERIFY(!fixture.view.editorFocused);
    } else {
        QCOMPARE(fixture.cell(5, column), QString("High"));
    }
    QVERIFY(!fixture.view.pickerShown);
    QCOMPARE(fixture.workspace.editor.currentColumn, column);
    QCOMPARE(fixture.workspace.editor.currentRow, 5);
}

void TestChannelEditor::arrowKeyMoveDoesNotToggleTheFlagItLandsOn()
{
    EditorFixture fixture;
    fixture.putChannel(1, "401.00000");
    fixture.putChannel(2, "402.00000");
    fixture.click(1, Column::Wideband);
    QCOMPARE(fixture.cell(1, Column::Wideband), QString("OFF"));

    fixture.editor.gridKeyDown(Qt::Key_Down);
    QVERIFY(fixture.click(2, Column::Wideband)); // the grid's move reports a click

    QCOMPARE(fixture.cell(2, Column::Wideband), QString("ON"));
    QVERIFY(!fixture.workspace.editor.suppressToggle);
}

void TestChannelEditor::arrowKeySwallowsTheNextFlagClick()
{
    EditorFixture fixture;
    fixture.putChannel(1, "401.00000");
    fixture.putChannel(2, "402.00000");
    fixture.click(1, Column::RxFrequency);
    fixture.editor.gridKeyDown(Qt::Key_Down);
    fixture.click(2, Column::RxFrequency); // landing on a frequency keeps the flag
    QVERIFY(fixture.workspace.editor.suppressToggle);

    fixture.click(2, Column::Power);
    QCOMPARE(fixture.cell(2, Column::Power), QString("High"));
    fixture.click(2, Column::Power);
    QCOMPARE(fixture.cell(2, Column::Power), QString("Low"));

    fixture.editor.gridKeyDown(Qt::Key_A);
    fixture.editor.gridKeyDown(Qt::Key_Return);
    QVERIFY(!fixture.workspace.editor.suppressToggle);
}

void TestChannelEditor::wheelSuppressesTogglesOnlyFromFlagColumns_data()
{
    QTest::addColumn<int>("column");
    QTest::addColumn<bool>("suppresses");

    for (int column = Column::FirstField; column <= Column::LastField; ++column)
        QTest::addRow("column %d", column) << column << Column::isFlag(column);
}

void TestChannelEditor::wheelSuppressesTogglesOnlyFromFlagColumns()
{
    QFETCH(int, column);
    QFETCH(bool, suppresses);
    EditorFixture fixture;
    fixture.putChannel(1, "401.00000");
    fixture.putChannel(2, "402.00000");
    fixture.click(1, column);
    fixture.workspace.editor.suppressToggle = false;

    fixture.editor.gridWheel();
    QCOMPARE(fixture.workspace.editor.suppressToggle, suppresses);
    fixture.click(2, column); // the wheel moves the row within the column

    const QString before = column == Column::Power      ? "High"
                           : column == Column::Wideband ? "ON"
                                                        : "OFF";
    if (Column::isFlag(column))
        QCOMPARE(fixture.cell(2, column), before);
    QVERIFY(!fixture.workspace.editor.suppressToggle);
}

void TestChannelEditor::tonePickerShowsTheCellsTone_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("shown");

    QTest::newRow("ctcss") << "88.5"
                           << "88.5";
    QTest::newRow("dcs inverted") << "D754I"
                                  << "D754I";
    QTest::newRow("no tone") << "OFF"
                             << "OFF";
    QTest::newRow("not in the list") << "77.7"
                                     << "100.0";
    QTest::newRow("other language's off") << "禁用"
                                          << "100.0";
    QTest::newRow("empty") << ""
                           << "100.0";
}

void TestChannelEditor::tonePickerShowsTheCellsTone()
{
    QFETCH(QString, text);
    QFETCH(QString, shown);
    EditorFixture fixture;
    fixture.view.pickerEntry = int(fixture.workspace.tones.entries().indexOf("100.0"));
    fixture.putChannel(3, "440.00000");
    fixture.workspace.table.setText(3, Column::TxTone, text);

    QVERIFY(fixture.click(3, Column::TxTone));

    QVERIFY(fixture.view.pickerShown);
    QVERIFY(!fixture.view.pickerFocused);
    QCOMPARE(fixture.view.pickerCell.column, int(Column::TxTone));
    QCOMPARE(fixture.view.pickerCell.row, 3);
    QCOMPARE(fixture.view.tonePickerText(), shown);
    QCOMPARE(fixture.workspace.editor.pickerRow, 3);
    QCOMPARE(fixture.cell(3, Column::TxTone), text);
}

void TestChannelEditor::pickerHandsItsChoiceOverWhenItLosesTheFocus()
{
    EditorFixture fixture;
    fixture.putChannel(3, "440.00000");
    fixture.click(3, Column::RxTone);
    fixture.view.choose(int(fixture.workspace.tones.entries().indexOf("D023N")));

    QVERIFY(fixture.click(5, Column::RxFrequency));

    QCOMPARE(fixture.cell(3, Column::RxTone), QString("D023N"));
    QVERIFY(!fixture.view.pickerShown);
    QCOMPARE(fixture.view.editorCell.row, 5);
}

void TestChannelEditor::pickerThatNeverHadTheFocusWritesNothing()
{
    EditorFixture fixture;
    fixture.putChannel(3, "440.00000");
    fixture.click(3, Column::TxTone);
    fixture.view.pickerEntry = 7;

    QVERIFY(fixture.click(3, Column::Power));

    QCOMPARE(fixture.cell(3, Column::TxTone), QString("OFF"));
    QVERIFY(!fixture.view.pickerShown);
}

void TestChannelEditor::pickerHiddenByAChannelMoveKeepsTheChoice()
{
    EditorFixture fixture;
    fixture.putChannel(3, "440.00000");
    fixture.click(3, Column::RxTone);
    fixture.view.choose(int(fixture.workspace.tones.entries().indexOf("67.0")));

    fixture.editor.channelDown();

    QCOMPARE(fixture.cell(4, Column::RxTone), QString("67.0"));
    QCOMPARE(fixture.cell(3, Column::RxTone), QString());
    QVERIFY(!fixture.view.pickerShown);
}

void TestChannelEditor::gridCharacterKey_data()
{
    QTest::addColumn<int>("column");
    QTest::addColumn<int>("row");
    QTest::addColumn<bool>("hideEditor");
    QTest::addColumn<QChar>("character");
    QTest::addColumn<bool>("taken");
    QTest::addColumn<bool>("focusesEditor");
    QTest::addColumn<QString>("cell");

    // Row 2 holds a channel at 440 MHz, row 5 is empty.
    const int rx = Column::RxFrequency;
    const int tx = Column::TxFrequency;
    QTest::newRow("digit, empty row") << rx << 5 << false << QChar('4') << true << true << "4";
    QTest::newRow("digit, transmit") << tx << 2 << false << QChar('7') << true << true << "7";
    QTest::newRow("enter") << rx << 2 << false << QChar('\r') << true << true << "440.00000";
    QTest::newRow("letter") << rx << 2 << false << QChar('r') << false << false << "440.00000";
    QTest::newRow("separator") << rx << 5 << false << QChar('.') << false << false << "";
    QTest::newRow("editor hidden") << rx << 2 << true << QChar('4') << true << false << "440.00000";
    QTest::newRow("tone column") << int(Column::RxTone) << 2 << false << QChar('4') << true << false
                                 << "440.00000";
}

void TestChannelEditor::gridCharacterKey()
{
    QFETCH(int, column);
    QFETCH(int, row);
    QFETCH(bool, hideEditor);
    QFETCH(QChar, character);
    QFETCH(bool, taken);
    QFETCH(bool, focusesEditor);
    QFETCH(QString, cell);
    EditorFixture fixture;
    fixture.putChannel(2, "440.00000");
    fixture.click(row, column);
    if (hideEditor)
        fixture.view.hideFrequencyEditor();

    QCOMPARE(fixture.editor.gridCharacterKey(character), taken);

    QCOMPARE(fixture.view.editorFocused, focusesEditor);
    const int editedColumn = Column::isFrequency(column) ? column : int(Column::RxFrequency);
    QCOMPARE(fixture.cell(row, editedColumn), cell);
    if (focusesEditor) {
        QCOMPARE(fixture.view.editorText, cell);
        QCOMPARE(fixture.view.editorCaret, character == '\r' ? CellEditorView::Caret::SelectAll
                                                             : CellEditorView::Caret::AtEnd);
    }
}

void TestChannelEditor::enterInTheEditorCommitsAndReopensTheEditor()
{
    EditorFixture fixture;
    fixture.type(4, Column::RxFrequency, "4");
    fixture.view.focusFrequencyEditor(CellEditorView::Caret::AtEnd);

    QCOMPARE(fixture.editor.editorCharacter('\r', "4"), ChannelEditor::EditorKey::Commit);

    QCOMPARE(row(fixture, 4), newChannel("400.00000"));
    QCOMPARE(fixture.messages.messageIds(), QList<int>{Message::FrequencyOutOfBand});
    QVERIFY(fixture.view.editorShown);
    QCOMPARE(fixture.view.editorText, QString("400.00000"));
    QCOMPARE(fixture.view.editorCell.row, 4);
    QVERIFY(!fixture.view.editorFocused);
    QVERIFY(fixture.view.gridFocused);
}

void TestChannelEditor::enterWithTextThatIsNoNumberStopsAfterTheError()
{
    EditorFixture fixture;
    fixture.type(4, Column::RxFrequency, ".");

    QCOMPARE(fixture.editor.editorCharacter('\r', "."), ChannelEditor::EditorKey::Commit);

    QCOMPARE(fixture.messages.errors.size(), 1);
    QCOMPARE(fixture.cell(4, Column::RxFrequency), QString("."));
    // The editor is back over its cell with the text, to be corrected.
    QVERIFY(fixture.view.editorShown);
    QCOMPARE(fixture.view.editorCell.column, int(Column::RxFrequency));
    QCOMPARE(fixture.view.editorCell.row, 4);
    QCOMPARE(fixture.view.editorText, QString("."));
    QVERIFY(fixture.view.editorFocused);
}

void TestChannelEditor::channelOperations_data()
{
    QTest::addColumn<int>("column");
    QTest::addColumn<int>("row");
    QTest::addColumn<QStringList>("operations");
    QTest::addColumn<QString>("layout");
    QTest::addColumn<int>("currentRow");

    const int rx = Column::RxFrequency;
    // Start: "abcd.f.........p"
    QTest::newRow("up twice") << rx << 4 << QStringList{"up", "up"} << "adbc.f.........p" << 2;
    QTest::newRow("down onto empty row")
        << rx << 4 << QStringList{"down"} << "abc.df.........p" << 5;
    QTest::newRow("down past empty row")
        << rx << 4 << QStringList{"down", "down"} << "abc.fd.........p" << 6;
    QTest::newRow("up and down") << rx << 2 << QStringList{"up", "down"} << StartLayout << 2;
    QTest::newRow("up from channel 1") << rx << 1 << QStringList{"up"} << StartLayout << 1;
    QTest::newRow("down from channel 16") << rx << 16 << QStringList{"down"} << StartLayout << 16;
    QTest::newRow("moved from a flag cell")
        << int(Column::Scramble) << 6 << QStringList{"up"} << "abcdf..........p" << 5;
    QTest::newRow("current cell empty")
        << int(Column::RxTone) << 4 << QStringList{"up", "down"} << StartLayout << 4;
    QTest::newRow("nothing clicked, up") << 0 << 0 << QStringList{"up"} << StartLayout << 1;
    QTest::newRow("nothing clicked, down") << 0 << 0 << QStringList{"down"} << StartLayout << 0;
    QTest::newRow("nothing clicked, delete") << 0 << 0 << QStringList{"delete"} << StartLayout << 0;
    QTest::newRow("delete") << rx << 4 << QStringList{"delete"} << "abc..f.........p" << 4;
    QTest::newRow("delete empty row") << rx << 5 << QStringList{"delete"} << StartLayout << 5;
}

void TestChannelEditor::channelOperations()
{
    QFETCH(int, column);
    QFETCH(int, row);
    QFETCH(QStringList, operations);
    QFETCH(QString, layout);
    QFETCH(int, currentRow);
    EditorFixture fixture;
    const QString start = StartLayout;
    for (int channel = 1; channel <= Row::LastChannel; ++channel) {
        if (start[channel - 1] != '.')
            fixture.putChannel(channel, frequencyOf(start[channel - 1]));
    }
    fixture.workspace.table.setText(4, Column::RxTone, QString()); // "clicked" and cleared
    if (row > 0)
        fixture.click(row, column);

    for (const QString& operation : operations) {
        if (operation == "up")
            fixture.editor.channelUp();
        else if (operation == "down")
            fixture.editor.channelDown();
        else
            fixture.editor.deleteChannel();
    }

    QCOMPARE(layoutOf(fixture), layout);
    QCOMPARE(fixture.workspace.editor.currentRow, currentRow);
    QVERIFY(!fixture.view.editorShown);
    QVERIFY(!fixture.view.pickerShown);
    QVERIFY(fixture.messages.boxes.isEmpty());
}

void TestChannelEditor::moveCarriesAllEightFieldsAndNotTheLabels()
{
    EditorFixture fixture;
    const QStringList channel5{"445.00000", "67.0", "446.00000", "D023N", "Low", "OFF", "ON", "ON"};
    for (int field = 0; field < channel5.size(); ++field)
        fixture.workspace.table.setText(5, Column::FirstField + field, channel5[field]);
    fixture.putChannel(4, "404.00000");
    fixture.click(5, Column::TxTone);

    fixture.editor.channelUp();

    QCOMPARE(row(fixture, 4), channel5);
    QCOMPARE(row(fixture, 5), newChannel("404.00000"));
    QCOMPARE(fixture.cell(4, Column::ChannelLabel), QString("    04"));
    QCOMPARE(fixture.cell(5, Column::ChannelLabel), QString("    05"));
    // The highlight stays where it was; the editor follows the channel.
    QCOMPARE(fixture.view.gridCell.row, 5);
    QCOMPARE(fixture.workspace.editor.currentRow, 4);
}

void TestChannelEditor::deleteClearsATypedFrequencyWithoutCommitting()
{
    EditorFixture fixture;
    fixture.type(3, Column::RxFrequency, "4");

    fixture.editor.deleteChannel();

    QCOMPARE(row(fixture, 3), EmptyRow);
    QVERIFY(fixture.messages.boxes.isEmpty());
    QVERIFY(!fixture.view.editorShown);
}

void TestChannelEditor::bandChange_data()
{
    QTest::addColumn<bool>("startingUp");
    QTest::addColumn<bool>("loading");
    QTest::addColumn<bool>("answer");
    QTest::addColumn<bool>("asks");
    QTest::addColumn<bool>("resets");

    QTest::newRow("user accepts") << false << false << true << true << true;
    QTest::newRow("user declines") << false << false << false << true << false;
    QTest::newRow("starting up") << true << false << true << false << false;
    QTest::newRow("loading") << false << true << true << false << false;
}

void TestChannelEditor::bandChange()
{
    QFETCH(bool, startingUp);
    QFETCH(bool, loading);
    QFETCH(bool, answer);
    QFETCH(bool, asks);
    QFETCH(bool, resets);
    EditorFixture fixture;
    Workspace& workspace = fixture.workspace;
    fixture.putChannel(2, "440.00000");
    const FunctionSettings::Positions chosen{7, 0, 0, 0, 0, 0, 1, 5, 3};
    workspace.settings.reset(chosen);
    workspace.settings.setVoxInhibit(false);
    workspace.bands.append("136-174MHz");
    fixture.click(2, Column::RxFrequency);
    fixture.messages.answers = {answer};
    bool bandBoxEnabledDuringQuestion = true;
    fixture.messages.onBox = [&](const RecordingMessageLibrary::Box&) {
        bandBoxEnabledDuringQuestion = fixture.view.bandBoxEnabled || fixture.mainWindowEnabled;
    };
    workspace.editor.startingUp = startingUp;
    workspace.editor.loading = loading;

    workspace.bands.select(1);

    QCOMPARE(workspace.bands.selectedText(), QString("136-174MHz"));
    QCOMPARE(fixture.messages.messageIds(),
             asks ? QList<int>{Message::ConfirmBandChange} : QList<int>{});
    if (asks) {
        QCOMPARE(fixture.messages.boxes.first().titleId, int(Message::PromptTitle));
        QVERIFY(!bandBoxEnabledDuringQuestion);
    }
    QVERIFY(fixture.view.bandBoxEnabled);
    QVERIFY(fixture.mainWindowEnabled);
    QCOMPARE(fixture.view.editorShown, loading);
    // Squelch 2, battery save on, time-out 4 min, tone on, alarm on, scan off, voice off,
    // VOX gain 3, VOX delay 2 s.
    const FunctionSettings::Positions afterReset{2, 1, 4, 1, 1, 1, 0, 2, 1};
    const FunctionSettings::Positions expected = resets ? afterReset : chosen;
    for (int setting = 0; setting < FunctionSettings::SettingCount; ++setting)
        QCOMPARE(workspace.settings.position(FunctionSettings::Setting(setting)),
                 expected[setting]);
    QCOMPARE(workspace.settings.voxInhibit(), resets);
    QCOMPARE(row(fixture, 2), resets ? EmptyRow : newChannel("440.00000"));
    QCOMPARE(fixture.cell(2, Column::ChannelLabel), QString("    02"));
}

QTEST_GUILESS_MAIN(TestChannelEditor)
#include "tst_channeleditor.moc"
