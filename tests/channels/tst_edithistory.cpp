#include "EditorFixture.h"

#include "workspace/EditHistory.h"

#include "support/WorkspaceFixture.h"

#include <QTest>

#include <functional>

namespace {

using S = FunctionSettings;
using Change = std::function<void(EditorFixture&)>;

EditSnapshot snapshotOf(const Workspace& workspace)
{
    return {workspace.radioContents(), workspace.title()};
}

// Two channels on the default band, the history started there.
void prepare(EditorFixture& fixture)
{
    fixture.putChannel(1, "440.10000");
    fixture.putChannel(2, "450.20000");
    fixture.workspace.startEditHistory();
}

} // namespace

Q_DECLARE_METATYPE(Change)

class TestEditHistory : public QObject
{
    Q_OBJECT

private slots:
    void everyChangeIsOneStep_data();
    void everyChangeIsOneStep();
    void aNewChangeDropsWhatWasUndone();
    void keepsAThousandSteps();
    void aFailedCommitMakesNoStep();
    void undoWhileTypingDropsOnlyTheTyping();
    void aToneInAnOpenPickerBecomesItsOwnStep();
    void undoingABandChangeAsksNothingAndKeepsTheBand();
    void aLanguageSwitchRewordsEveryStep();
};

void TestEditHistory::everyChangeIsOneStep_data()
{
    QTest::addColumn<Change>("change");

    QTest::newRow("committed frequency") << Change([](EditorFixture& f) {
        f.type(1, Column::RxFrequency, "445.3");
        QVERIFY(f.editor.gridMayMoveCell());
    });
    QTest::newRow("new channel typed") << Change([](EditorFixture& f) {
        f.type(5, Column::RxFrequency, "430");
        QVERIFY(f.editor.gridMayMoveCell());
    });
    QTest::newRow("power toggle") << Change([](EditorFixture& f) { f.click(1, Column::Power); });
    QTest::newRow("option toggle")
        << Change([](EditorFixture& f) { f.click(2, Column::Scramble); });
    QTest::newRow("tone choice") << Change([](EditorFixture& f) {
        f.click(1, Column::TxTone);
        f.view.choose(7);
        f.click(3, Column::RxFrequency);
    });
    QTest::newRow("channel down") << Change([](EditorFixture& f) {
        f.click(1, Column::RxFrequency);
        f.editor.channelDown();
    });
    QTest::newRow("channel up") << Change([](EditorFixture& f) {
        f.click(2, Column::TxFrequency);
        f.editor.channelUp();
    });
    QTest::newRow("delete") << Change([](EditorFixture& f) {
        f.click(2, Column::RxFrequency);
        f.editor.deleteChannel();
    });
    QTest::newRow("settings") << Change([](EditorFixture& f) {
        // What the settings page does with a choice.
        f.workspace.settings.setPosition(S::Squelch, 7);
        f.workspace.recordEdit();
    });
    QTest::newRow("band change with reset") << Change([](EditorFixture& f) {
        f.workspace.bands.append("136-174MHz");
        f.messages.answers = {true};
        f.workspace.bands.select(f.workspace.bands.count() - 1);
    });
    QTest::newRow("band change kept channels") << Change([](EditorFixture& f) {
        f.workspace.bands.append("136-174MHz");
        f.messages.answers = {false};
        f.workspace.bands.select(f.workspace.bands.count() - 1);
    });
    QTest::newRow("complete read") << Change([](EditorFixture& f) {
        RadioContents radio;
        radio.band = "136-174MHz";
        radio.channel(3) = {"145.00000", "OFF", "145.60000", "D023N", "Low", "ON", "OFF", "ON"};
        radio.settings = {{9, 0, 0, 0, 0, 0, 0, 7, 3}, false};
        f.workspace.takeRadioContents(radio);
    });
    QTest::newRow("channel list import") << Change([](EditorFixture& f) {
        Workspace::Channels channels;
        channels[0] = {"430.00000", "OFF", "430.00000", "OFF", "High", "ON", "OFF", "OFF"};
        f.workspace.replaceChannels(channels);
    });
}

void TestEditHistory::everyChangeIsOneStep()
{
    QFETCH(Change, change);
    EditorFixture fixture;
    prepare(fixture);
    Workspace& workspace = fixture.workspace;
    const EditSnapshot before = snapshotOf(workspace);
    const QStringList bands = workspace.bands.entries();

    change(fixture);
    const EditSnapshot after = snapshotOf(workspace);
    QVERIFY(after != before);
    QCOMPARE(workspace.undoableEdits(), 1);

    const int boxes = int(fixture.messages.boxes.size());
    QVERIFY(workspace.canUndoEdit());
    fixture.editor.undo();
    QCOMPARE(snapshotOf(workspace), before);
    QVERIFY(!workspace.canUndoEdit());
    fixture.editor.redo();
    QCOMPARE(snapshotOf(workspace), after);
    QVERIFY(!workspace.canRedoEdit());
    // Neither asks anything, and no band leaves the list.
    QCOMPARE(fixture.messages.boxes.size(), boxes);
    for (const QString& band : bands)
        QVERIFY(workspace.bands.entries().contains(band));
}

void TestEditHistory::aNewChangeDropsWhatWasUndone()
{
    EditorFixture fixture;
    prepare(fixture);
    fixture.click(1, Column::Power); // High -> Low
    fixture.click(1, Column::Wideband);
    fixture.editor.undo();
    fixture.editor.undo();
    QCOMPARE(fixture.cell(1, Column::Power), "High");
    fixture.editor.redo();
    QCOMPARE(fixture.cell(1, Column::Power), "Low");
    QVERIFY(fixture.workspace.canRedoEdit());

    fixture.click(2, Column::BusyLock);
    QVERIFY(!fixture.workspace.canRedoEdit());
    fixture.editor.redo();
    QCOMPARE(fixture.cell(1, Column::Wideband), "ON");
    QCOMPARE(fixture.cell(2, Column::BusyLock), "ON");
    fixture.editor.undo();
    fixture.editor.undo();
    QCOMPARE(fixture.cell(1, Column::Power), "High");
    QVERIFY(!fixture.workspace.canUndoEdit());
}

void TestEditHistory::keepsAThousandSteps()
{
    EditorFixture fixture;
    prepare(fixture);
    // Channel 2's receive frequency counts every step, so each one differs.
    const int steps = EditHistory::Capacity + 5;
    for (int step = 1; step <= steps; ++step) {
        fixture.workspace.table.setText(2, Column::RxFrequency, QString::number(step));
        fixture.workspace.recordEdit();
    }
    QCOMPARE(fixture.workspace.undoableEdits(), EditHistory::Capacity);

    for (int step = steps - 1; step >= steps - EditHistory::Capacity; --step) {
        fixture.editor.undo();
        QCOMPARE(fixture.cell(2, Column::RxFrequency), QString::number(step));
    }
    QVERIFY(!fixture.workspace.canUndoEdit());

    // A shorter history goes all the way back to where it started.
    EditorFixture shortFixture;
    prepare(shortFixture);
    const EditSnapshot shortStart = snapshotOf(shortFixture.workspace);
    for (int step = 0; step < 150; ++step)
        shortFixture.click(1, Column::Power);
    QCOMPARE(shortFixture.workspace.undoableEdits(), 150);
    for (int step = 0; step < 150; ++step)
        shortFixture.editor.undo();
    QCOMPARE(snapshotOf(shortFixture.workspace), shortStart);
}

void TestEditHistory::aFailedCommitMakesNoStep()
{
    EditorFixture fixture;
    prepare(fixture);
    fixture.click(1, Column::Power);
    fixture.type(2, Column::RxFrequency, ".");
    QVERIFY(!fixture.editor.gridMayMoveCell());
    QCOMPARE(fixture.workspace.undoableEdits(), 1);
    // Undo drops the text that failed, then the toggle.
    fixture.editor.undo();
    QCOMPARE(fixture.cell(2, Column::RxFrequency), "450.20000");
    QCOMPARE(fixture.cell(1, Column::Power), "Low");
    fixture.editor.undo();
    QCOMPARE(fixture.cell(1, Column::Power), "High");
}

void TestEditHistory::undoWhileTypingDropsOnlyTheTyping()
{
    EditorFixture fixture;
    prepare(fixture);
    fixture.click(2, Column::Power);
    fixture.type(1, Column::RxFrequency, "460");
    QCOMPARE(fixture.cell(1, Column::RxFrequency), "460");

    fixture.editor.undo();
    QCOMPARE(fixture.cell(1, Column::RxFrequency), "440.10000");
    QVERIFY(!fixture.view.editorShown);
    QCOMPARE(fixture.cell(2, Column::Power), "Low");
    QCOMPARE(fixture.workspace.undoableEdits(), 1);

    // With nothing typed, the open editor does not stop the undo.
    fixture.click(1, Column::RxFrequency);
    QVERIFY(fixture.view.editorShown);
    fixture.editor.undo();
    QCOMPARE(fixture.cell(2, Column::Power), "High");
}

void TestEditHistory::aToneInAnOpenPickerBecomesItsOwnStep()
{
    EditorFixture fixture;
    prepare(fixture);
    fixture.click(1, Column::RxTone);
    fixture.view.choose(12);
    const QString chosen = fixture.workspace.tones.entries().at(12);

    fixture.editor.undo();
    QVERIFY(!fixture.view.pickerShown);
    QCOMPARE(fixture.cell(1, Column::RxTone), "OFF");
    fixture.editor.redo();
    QCOMPARE(fixture.cell(1, Column::RxTone), chosen);
}

void TestEditHistory::undoingABandChangeAsksNothingAndKeepsTheBand()
{
    EditorFixture fixture;
    prepare(fixture);
    Workspace& workspace = fixture.workspace;
    workspace.bands.append("136-174MHz");
    fixture.messages.answers = {true};
    workspace.bands.select(1);
    QCOMPARE(workspace.settings.positions(), S::BandChangePositions);
    QVERIFY(workspace.table.isEmptyChannel(1));
    fixture.messages.clear();

    fixture.editor.undo();
    QCOMPARE(workspace.bands.selectedText(), "400-470MHz");
    QCOMPARE(workspace.bands.entries(), (QStringList{"400-470MHz", "136-174MHz"}));
    QCOMPARE(workspace.settings.positions(), S::StartupPositions);
    QCOMPARE(fixture.cell(1, Column::RxFrequency), "440.10000");
    QVERIFY(fixture.messages.boxes.isEmpty());
    QVERIFY(fixture.view.bandBoxEnabled);
}

void TestEditHistory::aLanguageSwitchRewordsEveryStep()
{
    WorkspaceFixture fixture;
    Workspace& workspace = fixture.workspace;
    fixture.localisation.switchLanguage(Language::English);
    workspace.table.setText(1, Column::RxFrequency, "440.00000");
    workspace.table.setText(1, Column::RxTone, "OFF");
    workspace.table.setText(1, Column::Power, "High");
    workspace.table.setText(1, Column::Wideband, "ON");
    workspace.startEditHistory();
    workspace.table.setText(1, Column::Power, "Low");
    workspace.table.setText(1, Column::Wideband, "OFF");
    workspace.recordEdit();

    fixture.localisation.switchLanguage(Language::Chinese);
    QCOMPARE(workspace.table.text(1, Column::Power), "低功率");
    QVERIFY(workspace.undoEdit());
    QCOMPARE(workspace.table.fields(1),
             (QStringList{"440.00000", "禁用", "", "", "高功率", "启用", "", ""}));
    QVERIFY(workspace.redoEdit());
    QCOMPARE(workspace.table.text(1, Column::Wideband), "禁用");
}

QTEST_MAIN(TestEditHistory)
#include "tst_edithistory.moc"
