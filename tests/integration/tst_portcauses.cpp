#include "app/IconButton.h"
#include "app/MainWindow.h"
#include "app/MenuPages.h"
#include "link/MemoryMap.h"
#include "link/ReadWriteDialog.h"
#include "link/ReadWriteSession.h"
#include "service/ServiceCommands.h"
#include "workspace/MessageIds.h"

#include "support/HeldPort.h"
#include "support/PermissionsHonoured.h"
#include "support/RunningProgram.h"
#include "support/SampleRadio.h"
#include "support/TestWaits.h"

#include <QFile>
#include <QPushButton>
#include <QTest>

#include <optional>
#include <sys/stat.h>

// The real program tells why a read, a write or a calibration read failed: under the
// numbered message stands the cause, in the language the window speaks.

namespace {

enum class Procedure { Read, Write, CalibrationRead };
enum class Problem { Missing, PermissionDenied, Held, Silent, ShortReply };

} // namespace

Q_DECLARE_METATYPE(Procedure)
Q_DECLARE_METATYPE(Problem)

class TestPortCauses : public QObject
{
    Q_OBJECT

private slots:
    void causeStandsUnderTheMessage_data();
    void causeStandsUnderTheMessage();
};

void TestPortCauses::causeStandsUnderTheMessage_data()
{
    QTest::addColumn<Procedure>("procedure");
    QTest::addColumn<Problem>("problem");
    QTest::addColumn<int>("language");
    QTest::addColumn<int>("message");
    QTest::addColumn<QString>("mention");

    const int english = int(Language::English);
    const int chinese = int(Language::Chinese);
    const struct
    {
        Procedure procedure;
        const char* name;
        int silentMessage;
    } procedures[] = {
        {Procedure::Read, "read", Message::RadioNotAnswering},
        {Procedure::Write, "write", Message::RadioNotAnswering},
        // The calibration read keeps its message for a radio that does not answer, but the
        // cause says it is the radio.
        {Procedure::CalibrationRead, "calibration read", Message::PortUnavailable},
    };
    for (const auto& p : procedures) {
        const auto row = [&p](const char* problem) -> QTestData& {
            return QTest::newRow(qPrintable(QStringLiteral("%1: %2").arg(p.name, problem)));
        };
        row("missing device") << p.procedure << Problem::Missing << english
                              << int(Message::PortUnavailable) << "does not exist";
        row("permission denied") << p.procedure << Problem::PermissionDenied << english
                                 << int(Message::PortUnavailable) << "dialout";
        row("held by another process") << p.procedure << Problem::Held << english
                                       << int(Message::PortUnavailable) << "qv3307_port_holder";
        row("silent radio") << p.procedure << Problem::Silent << english << p.silentMessage
                            << "did not answer";
        row("silent radio, chinese")
            << p.procedure << Problem::Silent << chinese << p.silentMessage << "没有应答";
    }
    // The radio answers the greeting, then sends a calibration reply a byte short: not silence
    // but an answer unlike the radio's, and the cause says so.
    QTest::newRow("calibration read: reply a byte short")
        << Procedure::CalibrationRead << Problem::ShortReply << english
        << int(Message::PortUnavailable) << "but not as the radio does";
    QTest::newRow("calibration read: reply a byte short, chinese")
        << Procedure::CalibrationRead << Problem::ShortReply << chinese
        << int(Message::PortUnavailable) << "与电台的应答不符";
}

void TestPortCauses::causeStandsUnderTheMessage()
{
    QFETCH(Procedure, procedure);
    QFETCH(Problem, problem);
    QFETCH(int, language);
    QFETCH(int, message);
    QFETCH(QString, mention);

    RadioFaults faults;
    faults.silent = problem == Problem::Silent;
    if (problem == Problem::ShortReply)
        faults.answerFault =
            AnswerFault{RadioCommandKind::Read, MemoryMap::PowerCalibration, 0, std::nullopt, -1};
    ProgramOptions options =
        ProgramOptions::withRadio(SampleRadio::image(), faults, Language(language));
    // The cause under the message does not depend on how long the program waited.
    options.linkWaits = TestWaits::Short;
    RunningProgram program(options);
    QVERIFY(program.radioStarted());
    SampleRadio::fill(program.workspace());
    const QByteArray device = QFile::encodeName(program.radio.slavePath());

    std::optional<HeldPort> holder;
    std::optional<PermissionsHonoured> honoured;
    switch (problem) {
    case Problem::Missing:
        QVERIFY(QFile::remove(program.folder.filePath("dosdevices/com1")));
        program.folder.mapComPort(1, program.folder.filePath("unplugged-cable"));
        break;
    case Problem::PermissionDenied:
        QCOMPARE(::chmod(device.constData(), 0), 0);
        honoured.emplace();
        if (!honoured->holds())
            QSKIP("file permissions cannot be made to hold here");
        break;
    case Problem::Held:
        holder.emplace(program.radio.slavePath());
        QVERIFY(holder->holding());
        break;
    case Problem::Silent:
    case Problem::ShortReply:
        break;
    }

    MenuPages* menu = program.window->menuPages();
    switch (procedure) {
    case Procedure::Read:
        program.readOrWrite(menu->readButton());
        break;
    case Procedure::Write:
        program.readOrWrite(menu->writeButton());
        break;
    case Procedure::CalibrationRead:
        program.window->serviceCommands().readCalibration();
        break;
    }
    honoured.reset();
    ::chmod(device.constData(), 0620);

    QCOMPARE(program.messages.messageIds(), QList<int>{message});
    const RecordingMessageLibrary::Box& box = program.messages.boxes.front();
    QCOMPARE(box.language, Language(language));
    QVERIFY2(box.cause.contains(mention), qPrintable(box.cause));
    // Only a refused permission sends the user to the dialout group.
    QCOMPARE(box.cause.contains("dialout"), problem == Problem::PermissionDenied);
}

QTEST_MAIN(TestPortCauses)
#include "tst_portcauses.moc"
