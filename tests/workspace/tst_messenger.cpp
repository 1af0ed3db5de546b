#include "workspace/MessageIds.h"
#include "workspace/MessageTexts.h"
#include "workspace/Messenger.h"
#include "workspace/Workspace.h"

#include "support/RecordingMessageLibrary.h"

#include <QTest>

class TestMessenger : public QObject
{
    Q_OBJECT

private slots:
    void mainWindowIsDisabledWhileTheBoxIsUp();
    void boxesFromTheDialogLeaveTheWindowAlone();
    void languageAndThemeFollowTheShell();
    void questionsReportTheAnswer();
    void causeIsSaidInTheBoxsLanguage();
    void everyMessageHasBothLanguages_data();
    void everyMessageHasBothLanguages();
};

void TestMessenger::mainWindowIsDisabledWhileTheBoxIsUp()
{
    RecordingMessageLibrary library;
    Workspace workspace;
    QList<bool> enabledCalls;
    bool enabled = true;
    Messenger messenger(library, workspace, [&](bool value) {
        enabled = value;
        enabledCalls << value;
    });
    bool enabledWhileShown = true;
    library.onBox = [&](const RecordingMessageLibrary::Box&) { enabledWhileShown = enabled; };

    messenger.show(Message::CommunicationTitle, Message::PortUnavailable);

    QVERIFY(!enabledWhileShown);
    QVERIFY(enabled);
    QCOMPARE(enabledCalls, (QList<bool>{false, true}));
}

void TestMessenger::boxesFromTheDialogLeaveTheWindowAlone()
{
    RecordingMessageLibrary library;
    Workspace workspace;
    int calls = 0;
    Messenger messenger(library, workspace, [&](bool) { ++calls; });
    messenger.showFromDialog(Message::CommunicationTitle, Message::RadioNotAnswering);
    QCOMPARE(calls, 0);
    QCOMPARE(library.messageIds(), QList<int>{Message::RadioNotAnswering});
}

void TestMessenger::languageAndThemeFollowTheShell()
{
    RecordingMessageLibrary library;
    Workspace workspace;
    Messenger messenger(library, workspace);

    messenger.show(Message::PromptTitle, Message::FrequencyOutOfBand);
    workspace.checkedLanguage = Language::English;
    workspace.setThemeIndex(2);
    messenger.show(Message::PromptTitle, Message::FrequencyOutOfBand);

    QCOMPARE(library.boxes.size(), 2);
    QCOMPARE(library.boxes[0].language, QString("chinese"));
    QCOMPARE(library.boxes[0].theme, 0);
    QCOMPARE(library.boxes[1].language, QString("english"));
    QCOMPARE(library.boxes[1].theme, 2);
    QCOMPARE(library.boxes[1].titleId, int(Message::PromptTitle));
}

void TestMessenger::causeIsSaidInTheBoxsLanguage()
{
    RecordingMessageLibrary library;
    Workspace workspace;
    Messenger messenger(library, workspace);
    const Messenger::Cause cause = [](Language language) {
        return language == Language::English ? QString("in English") : QString("中文");
    };
    messenger.show(Message::CommunicationTitle, Message::PortUnavailable, cause);
    workspace.checkedLanguage = Language::English;
    messenger.showFromDialog(Message::CommunicationTitle, Message::RadioNotAnswering, cause);
    messenger.show(Message::PromptTitle, Message::FrequencyOutOfBand);

    QCOMPARE(library.boxes.size(), 3);
    QCOMPARE(library.boxes[0].cause, QString("中文"));
    QCOMPARE(library.boxes[1].cause, QString("in English"));
    QVERIFY(library.boxes[2].cause.isEmpty());
}

void TestMessenger::questionsReportTheAnswer()
{
    RecordingMessageLibrary library;
    Workspace workspace;
    Messenger messenger(library, workspace);
    library.answers = {false, true};
    QVERIFY(!messenger.show(Message::PromptTitle, Message::ConfirmBandChange));
    QVERIFY(messenger.show(Message::PromptTitle, Message::ConfirmNew));
}

void TestMessenger::everyMessageHasBothLanguages_data()
{
    QTest::addColumn<int>("id");
    for (int id : {58, 59, 60, 62, 63, 64, 65, 72})
        QTest::newRow(qPrintable(QString::number(id))) << id;
}

void TestMessenger::everyMessageHasBothLanguages()
{
    QFETCH(int, id);
    const QString chinese = MessageTexts::text("chinese", id);
    const QString english = MessageTexts::text("english", id);
    QVERIFY(!chinese.isEmpty());
    QVERIFY(!english.isEmpty());
    QVERIFY(chinese != english);
    if (id == Message::PortUnavailable) {
        // Where the port choice is made, named as the window shows it. What went wrong
        // (the dialout group among other causes) stands under the message, so the message
        // itself sends nobody to the wrong cause.
        QVERIFY(english.contains("COM Port"));
        QVERIFY(chinese.contains("通信端口"));
        QVERIFY(!english.contains("dialout"));
        QVERIFY(!chinese.contains("dialout"));
    }
}

QTEST_GUILESS_MAIN(TestMessenger)
#include "tst_messenger.moc"
