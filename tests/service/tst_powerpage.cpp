#include "app/LanguagePage.h"
#include "app/MainWindow.h"
#include "app/WorkPages.h"
#include "channels/ChannelGrid.h"
#include "channels/ChannelPage.h"
#include "channels/SettingsPage.h"
#include "link/MemoryMap.h"
#include "service/PowerPage.h"
#include "service/PowerSpinBox.h"
#include "service/ServiceCommands.h"
#include "workspace/LanguageStrings.h"
#include "workspace/MessageIds.h"

#include "RadioSimulator.h"
#include "support/RunningProgram.h"

#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

#include <functional>
#include <memory>

namespace {
const QByteArray HelloBytes = QByteArray::fromHex("0251584B4D4E72");
const QByteArray Ack(1, 6);
const QByteArray Fill = QByteArray::fromHex("FFFFFFFFFF");

// The program's main window, shown, with its COM1 leading to a simulated radio.
struct Program : RunningProgram
{
    Program() : RunningProgram(ProgramOptions::withRadio({})) {}

    // The window active with the power adjustment page in front, and the radio there.
    bool showPowerPage()
    {
        if (!radioStarted() || !QTest::qWaitForWindowActive(window.get()))
            return false;
        window->workPages()->showPage(page());
        return true;
    }

    PowerPage* page() const { return window->powerPage(); }
    ServiceCommands& commands() const { return window->serviceCommands(); }
    const PowerCalibrationValues& values() const { return commands().calibration().values(); }

    QByteArray calibrationInRadio() const
    {
        return radio.memory().read(MemoryMap::PowerCalibration, MemoryMap::BlockSize);
    }

    // Empties the box as the user does, then types into it; the box keeps the focus.
    void typeInto(QSpinBox* box, const QString& keys)
    {
        box->setFocus();
        QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(box, Qt::Key_Backspace);
        QTest::keyClicks(box, keys);
    }

    // A read that enables the write button; the log then starts afresh.
    bool readOnce()
    {
        page()->readButton()->click();
        if (!page()->writeButton()->isEnabled() ||
            !QTest::qWaitFor([this] { return !radio.inProgrammingMode(); }))
            return false;
        radio.clearLog();
        return true;
    }
};

struct ButtonStates
{
    bool read = false;
    bool write = false;
    bool aging = false;

    friend bool operator==(const ButtonStates&, const ButtonStates&) = default;
};

ButtonStates buttonStates(const PowerPage& page)
{
    return {page.readButton()->isEnabled(), page.writeButton()->isEnabled(),
            page.agingButton()->isEnabled()};
}

// The button states while a command waits for the radio, seen from inside its wait.
ButtonStates statesDuring(const PowerPage& page, QPushButton* button)
{
    ButtonStates during;
    QTimer::singleShot(100, button, [&] { during = buttonStates(page); });
    button->click();
    return during;
}
} // namespace

namespace QTest {
template <> char* toString(const ButtonStates& states)
{
    return qstrdup(QStringLiteral("read %1, write %2, aging %3")
                       .arg(states.read)
                       .arg(states.write)
                       .arg(states.aging)
                       .toUtf8()
                       .constData());
}
} // namespace QTest

// The power adjustment page in the real main window: what the boxes take, the buttons'
// enabling, the busy guard seen from the buttons, and the captions.
class TestPowerPage : public QObject
{
    Q_OBJECT

private slots:
    void pageKeysReachThePageFromTheGrid();
    void startsWithTheDefaultValues();
    void powerBoxTakesDigitsAndClampsWhenLeft_data();
    void powerBoxTakesDigitsAndClampsWhenLeft();
    void boxBeingEditedIsClampedBeforeAWrite_data();
    void boxBeingEditedIsClampedBeforeAWrite();
    void buttonsFollowTheCommands();
    void buttonsOfOtherCommandsAreRefusedDuringAWait();
    void captionsFollowTheLanguage_data();
    void captionsFollowTheLanguage();
};

void TestPowerPage::pageKeysReachThePageFromTheGrid()
{
    Program program;
    QVERIFY(program.showPowerPage());
    WorkPages* pages = program.window->workPages();
    pages->showPage(program.window->channelPage());
    ChannelGrid* grid = program.window->channelPage()->grid();
    grid->setFocus();
    QTest::keyClick(grid, Qt::Key_Tab, Qt::ControlModifier);
    // The focus is now on a drop-down list of the settings page.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, Qt::ControlModifier);
    QCOMPARE(pages->currentWidget(), program.page());

    QComboBox* lowVoltageBox = program.page()->lowVoltageBox();
    lowVoltageBox->setFocus();
    QTest::keyClick(lowVoltageBox, Qt::Key_Tab, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(pages->currentWidget(), program.window->settingsPage());
}

void TestPowerPage::startsWithTheDefaultValues()
{
    Program program;
    QVERIFY(program.showPowerPage());
    const PowerPage& page = *program.page();
    QCOMPARE(page.lowPowerBox()->text(), QString("79"));
    QCOMPARE(page.highPowerBox()->text(), QString("48"));
    QCOMPARE(page.lowVoltageBox()->currentText(), QString("1"));
    QCOMPARE(page.lowVoltageBox()->count(), 3);
    QCOMPARE(buttonStates(page), (ButtonStates{true, false, true}));
}

void TestPowerPage::powerBoxTakesDigitsAndClampsWhenLeft_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shownWhileTyping");
    QTest::addColumn<int>("value");
    QTest::newRow("digits") << "123"
                            << "123" << 123;
    QTest::newRow("above 255, clamped on leaving") << "300"
                                                   << "300" << 255;
    QTest::newRow("a fourth digit is refused") << "2345"
                                               << "234" << 234;
    QTest::newRow("signs are refused") << "-5+"
                                       << "5" << 5;
    QTest::newRow("separators and spaces are refused") << "1.2,3 "
                                                       << "123" << 123;
    QTest::newRow("letters are refused") << "a1b"
                                         << "1" << 1;
    QTest::newRow("leading zeros") << "007"
                                   << "007" << 7;
    QTest::newRow("empty, 0 on leaving") << ""
                                         << "" << 0;
}

void TestPowerPage::powerBoxTakesDigitsAndClampsWhenLeft()
{
    QFETCH(QString, typed);
    QFETCH(QString, shownWhileTyping);
    QFETCH(int, value);
    Program program;
    QVERIFY(program.showPowerPage());
    PowerPage& page = *program.page();

    program.typeInto(page.lowPowerBox(), typed);
    QCOMPARE(page.lowPowerBox()->text(), shownWhileTyping);
    page.highPowerBox()->setFocus();
    QCOMPARE(page.lowPowerBox()->text(), QString::number(value));
    QCOMPARE(program.values().lowPower, value);

    // The other power box follows the same rules.
    program.typeInto(page.highPowerBox(), typed);
    QTest::keyClick(page.highPowerBox(), Qt::Key_Return);
    QCOMPARE(page.highPowerBox()->text(), QString::number(value));
    QCOMPARE(program.values().highPower, value);
}

void TestPowerPage::boxBeingEditedIsClampedBeforeAWrite_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QByteArray>("data");
    // The read from a fresh radio gives 255 for the high power and position 1.
    QTest::newRow("above 255") << "999" << QByteArray::fromHex("FFFF01");
    QTest::newRow("empty") << "" << QByteArray::fromHex("00FF01");
    QTest::newRow("16") << "16" << QByteArray::fromHex("10FF01");
}

void TestPowerPage::boxBeingEditedIsClampedBeforeAWrite()
{
    QFETCH(QString, typed);
    QFETCH(QByteArray, data);
    Program program;
    QVERIFY(program.showPowerPage());
    PowerPage& page = *program.page();
    QVERIFY(program.readOnce());

    program.typeInto(page.lowPowerBox(), typed);
    // A click that leaves the focus where it is, as a key on the button would.
    page.writeButton()->click();
    // Nothing waits for the radio to take the values.
    QTRY_COMPARE(program.calibrationInRadio(), data + Fill);
    QCOMPARE(page.lowPowerBox()->text(), QString::number(quint8(data.front())));
}

void TestPowerPage::buttonsFollowTheCommands()
{
    Program program;
    QVERIFY(program.showPowerPage());
    PowerPage& page = *program.page();
    program.radio.setMemory([] {
        RadioMemory memory;
        memory.write(MemoryMap::PowerCalibration, QByteArray::fromHex("102002") + Fill);
        return memory;
    }());

    QCOMPARE(statesDuring(page, page.readButton()), (ButtonStates{false, false, true}));
    QCOMPARE(buttonStates(page), (ButtonStates{true, true, true}));
    QCOMPARE(page.lowPowerBox()->text(), QString("16"));
    QCOMPARE(page.highPowerBox()->text(), QString("32"));
    QCOMPARE(page.lowVoltageBox()->currentText(), QString("2"));

    // A read that fails leaves the write button as the last read left it.
    RadioFaults silent;
    silent.silent = true;
    program.radio.setFaults(silent);
    QCOMPARE(statesDuring(page, page.readButton()), (ButtonStates{false, true, true}));
    QCOMPARE(program.messages.messageIds(), QList<int>{Message::PortUnavailable});
    QCOMPARE(buttonStates(page), (ButtonStates{true, true, true}));

    program.radio.setFaults({});
    QCOMPARE(statesDuring(page, page.writeButton()), (ButtonStates{true, false, true}));
    QCOMPARE(buttonStates(page), (ButtonStates{true, false, true}));

    QCOMPARE(statesDuring(page, page.agingButton()), (ButtonStates{true, false, true}));
    QCOMPARE(buttonStates(page), (ButtonStates{true, false, true}));
}

void TestPowerPage::buttonsOfOtherCommandsAreRefusedDuringAWait()
{
    Program program;
    QVERIFY(program.showPowerPage());
    PowerPage& page = *program.page();
    QVERIFY(program.readOnce());

    QTimer::singleShot(100, page.readButton(), [&] {
        page.readButton()->click();
        page.writeButton()->click();
        page.agingButton()->click();
    });
    page.agingButton()->click();
    QTRY_VERIFY(program.radio.agingStarted());
    QCOMPARE(program.radio.received(), HelloBytes + Ack + QByteArray::fromHex("6167"));
    // The refused write changed nothing: the last read still allows one.
    QVERIFY(page.writeButton()->isEnabled());
    QVERIFY(program.messages.boxes.isEmpty());
}

void TestPowerPage::captionsFollowTheLanguage_data()
{
    QTest::addColumn<QString>("language");
    QTest::newRow("english") << "english";
    QTest::newRow("chinese") << "chinese";
}

void TestPowerPage::captionsFollowTheLanguage()
{
    QFETCH(QString, language);
    Program program;
    QVERIFY(program.showPowerPage());
    LanguagePage* languages = program.window->languagePage();
    (language == "english" ? languages->englishButton() : languages->chineseButton())->click();
    const auto table =
        LanguageTable::load(program.folder.filePath(Localisation::tableFileName(language)));
    QVERIFY(table);

    using namespace LanguageString;
    const PowerPage& page = *program.page();
    QCOMPARE(page.powerGroup()->title(), table->string(PowerAdjust));
    QCOMPARE(page.lowPowerLabel()->text(), table->string(LowPowerLabel));
    QCOMPARE(page.highPowerLabel()->text(), table->string(HighPowerLabel));
    QCOMPARE(page.lowVoltageLabel()->text(), table->string(LowVoltage));
    QCOMPARE(page.readButton()->text(), table->string(PowerRead));
    QCOMPARE(page.writeButton()->text(), table->string(PowerWrite));
    QCOMPARE(page.agingButton()->text(), QString("老化"));
}

QTEST_MAIN(TestPowerPage)
#include "tst_powerpage.moc"
