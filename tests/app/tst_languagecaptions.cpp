#include "app/ComPortPage.h"
#include "app/IconButton.h"
#include "app/LanguagePage.h"
#include "app/MainWindow.h"
#include "app/MenuPages.h"
#include "app/SkinPage.h"
#include "app/WorkPages.h"
#include "channels/ChannelPage.h"
#include "channels/SettingsPage.h"
#include "channels/TonePicker.h"
#include "files/FileCommands.h"
#include "files/FileDialogs.h"
#include "link/ComPortPageState.h"
#include "link/ReadWriteDialog.h"
#include "service/PowerPage.h"
#include "workspace/BuiltInLanguages.h"
#include "workspace/LanguageStrings.h"
#include "workspace/ShellTexts.h"

#include "support/RunningProgram.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QToolButton>

#include <memory>

namespace {

// The program as it starts, shown; with the shipped companion files its installer's log
// names English.
struct Program : RunningProgram
{
    explicit Program(bool withCompanionFiles = true)
        : RunningProgram(optionsWith(withCompanionFiles))
    {
    }

    static ProgramOptions optionsWith(bool withCompanionFiles)
    {
        ProgramOptions options;
        options.companionFiles = withCompanionFiles;
        return options;
    }

    LanguageTable table(const QString& language) const
    {
        return *LanguageTable::load(folder.filePath(Localisation::tableFileName(language)));
    }
};

// Each caption the language sets, beside the number of its string.
QList<QPair<QString, int>> captions(const Program& program)
{
    using namespace LanguageString;
    const MainWindow& window = *program.window;
    const MenuPages& menu = *window.menuPages();
    const SettingsPage& settings = *window.settingsPage();
    auto menuButton = [&window](const char* name) {
        return window.findChild<QToolButton*>(name)->text();
    };
    QList<QPair<QString, int>> captions = {
        {menuButton("fileMenuButton"), FileMenu},
        {menuButton("programMenuButton"), ProgramMenu},
        {menuButton("optionsMenuButton"), OptionsMenu},
        {menuButton("helpMenuButton"), Help},
        {menu.newButton()->label()->text(), New},
        {menu.openButton()->label()->text(), Open},
        {menu.saveButton()->label()->text(), Save},
        {menu.exitButton()->label()->text(), Exit},
        {menu.readButton()->label()->text(), Read},
        {menu.writeButton()->label()->text(), Write},
        {menu.channelsButton()->label()->text(), ChannelEditing},
        {menu.settingsButton()->label()->text(), FunctionSettingsTitle},
        {menu.powerButton()->label()->text(), PowerAdjust},
        {menu.comPortButton()->label()->text(), ComPort},
        {menu.languageButton()->label()->text(), LanguageTitle},
        {menu.skinButton()->label()->text(), SkinTitle},
        {menu.helpButton()->label()->text(), Help},
        {menu.aboutButton()->label()->text(), About},
        {window.channelPage()->upButton()->text(), ChannelUp},
        {window.channelPage()->downButton()->text(), ChannelDown},
        {window.channelPage()->deleteButton()->text(), DeleteChannel},
        {settings.voxInhibitBox()->text(), VoxInhibit},
        {settings.functionGroup()->title(), FunctionSettingsTitle},
        {settings.bandGroup()->title(), Band},
        {window.languagePage()->group()->title(), LanguageTitle},
        {window.languagePage()->chineseButton()->text(), ChineseButton},
        {window.languagePage()->englishButton()->text(), EnglishButton},
        {window.skinPage()->group()->title(), SkinTitle},
        {window.statusPanel()->text(), StatusLine},
        {program.dialog->exitButton()->text(), ReadWriteExit},
        {program.dialog->startButton()->text(), ReadWriteStart},
        {program.dialog->statusPanel()->text(), StatusLine},
        {program.dialog->backupCheckBox()->text(), BackUpFirst},
        {program.dialog->verifyCheckBox()->text(), VerifyAfterWriting},
        {program.dialog->everyRadioCheckBox()->text(), WriteToEveryRadio},
    };
    for (int setting = 0; setting < FunctionSettings::SettingCount; ++setting) {
        const auto s = FunctionSettings::Setting(setting);
        captions.append({settings.settingLabel(s)->text(), settingLabel(s)});
    }
    const QAbstractItemModel* grid = &program.window->workspace().table;
    for (int column = 0; column < Column::Count; ++column)
        captions.append(
            {grid->index(Row::Captions, column).data().toString(), columnCaption(column)});
    return captions;
}

void verifyCaptions(const Program& program, const LanguageTable& table)
{
    for (const auto& [caption, number] : captions(program))
        QCOMPARE(caption, table.string(number));
}

} // namespace

class TestLanguageCaptions : public QObject
{
    Q_OBJECT

private slots:
    void startsInTheLanguageTheLogNames();
    void switchingRecaptionsEveryPage();
    void pagesBuiltAfterASwitchSpeakItsLanguage();
    void channelFileLanguageMovesTheButtons();
    void unreadableLogLeavesTheWindowAsCreated();
};

void TestLanguageCaptions::startsInTheLanguageTheLogNames()
{
    Program program;
    MainWindow& window = *program.window;
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    verifyCaptions(program, program.table("english"));
    QVERIFY(window.languagePage()->englishButton()->isChecked());
    QCOMPARE(window.workspace().languageCode, 2);
    QCOMPARE(window.menuPages()->currentWidget(), window.menuPages()->programMenu());
    QVERIFY(program.messages.errors.isEmpty());
}

void TestLanguageCaptions::switchingRecaptionsEveryPage()
{
    Program program;
    MainWindow& window = *program.window;
    Workspace& workspace = window.workspace();
    workspace.settings.setPosition(FunctionSettings::TimeOut, 3);
    workspace.table.setText(1, Column::Power, "High");
    QComboBox* timeOut = window.settingsPage()->settingBox(FunctionSettings::TimeOut);

    window.languagePage()->chineseButton()->click();
    verifyCaptions(program, program.table("chinese"));
    QCOMPARE(workspace.languageCode, 1);
    QCOMPARE(timeOut->currentIndex(), 3);
    QCOMPARE(timeOut->currentText(), QString("3分钟"));
    QCOMPARE(workspace.table.text(1, Column::Power), QString("高功率"));
    QComboBox* tonePicker = window.channelPage()->tonePicker();
    QCOMPARE(tonePicker->itemText(0), QString("禁用"));

    window.languagePage()->englishButton()->click();
    verifyCaptions(program, program.table("english"));
    QCOMPARE(workspace.checkedLanguage, Language::English);
    QCOMPARE(timeOut->currentText(), QString("3 min"));
    QCOMPARE(workspace.table.text(1, Column::Power), QString("High"));
    QCOMPARE(tonePicker->itemText(0), QString("OFF"));
    QCOMPARE(tonePicker->count(), ToneList::Count);
}

// The window builds only the channel page at start; a page built later must still speak the
// language switched to while it did not exist, and follow the switches after it.
void TestLanguageCaptions::pagesBuiltAfterASwitchSpeakItsLanguage()
{
    Program program;
    MainWindow& window = *program.window;
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    WorkPages* pages = window.workPages();
    for (int page = 1; page < pages->count(); ++page)
        QVERIFY2(pages->widget(page)->objectName().isEmpty(), "a page was built at start");

    window.localisation().switchLanguage(Language::Chinese);
    verifyCaptions(program, program.table("chinese"));
    QVERIFY(window.languagePage()->chineseButton()->isChecked());
    QCOMPARE(window.comPortPage()->useButton()->text(),
             ComPortPageState::useCaption(1, Language::Chinese));
    QCOMPARE(window.powerPage()->readButton()->toolTip(),
             ShellTexts::tooltip(ShellTexts::Tip::CalibrationRead, Language::Chinese));

    window.localisation().switchLanguage(Language::English);
    verifyCaptions(program, program.table("english"));
    QVERIFY(window.languagePage()->englishButton()->isChecked());
    QCOMPARE(window.comPortPage()->useButton()->text(),
             ComPortPageState::useCaption(1, Language::English));
    QCOMPARE(window.powerPage()->readButton()->toolTip(),
             ShellTexts::tooltip(ShellTexts::Tip::CalibrationRead, Language::English));
}

void TestLanguageCaptions::channelFileLanguageMovesTheButtons()
{
    Program program;
    MainWindow& window = *program.window;
    const QString path = program.folder.filePath("chinese.F19");
    program.folder.writeFile("chinese.F19", "\r\n\r\n\r\nLanguage 1\r\nBAND 400-470MHz\r\n"
                                            "Squelch 2\r\nBatSave 1\r\nTxT.O.T 3\r\nTONE 1\r\n"
                                            "EMG 1\r\nSCAN 1\r\nVOICE 2\r\nVoxGainLevel 2\r\n"
                                            "VoxDelay 2\r\nVoxInhibit 1\r\n");
    program.fileDialogs.answerBoth(path);

    window.fileCommands().openFile();

    QVERIFY(program.messages.errors.isEmpty());
    QVERIFY(window.languagePage()->chineseButton()->isChecked());
    QVERIFY(!window.languagePage()->englishButton()->isChecked());
    QCOMPARE(window.workspace().checkedLanguage, Language::Chinese);
    verifyCaptions(program, program.table("chinese"));
}

void TestLanguageCaptions::unreadableLogLeavesTheWindowAsCreated()
{
    Program program(false);
    MainWindow& window = *program.window;
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QCOMPARE(program.messages.errors, QStringList{"Cannot read install.Log: File not found"});
    QCOMPARE(window.menuPages()->currentWidget(), window.menuPages()->helpMenu());
    QCOMPARE(window.workPages()->currentWidget(), window.channelPage());
    QCOMPARE(window.workspace().languageCode, 0);
    QVERIFY(window.languagePage()->chineseButton()->isChecked());
    QCOMPARE(window.findChild<QToolButton*>("fileMenuButton")->text(), QString("文件"));
    QCOMPARE(window.menuPages()->newButton()->label()->text(), QString("新建"));

    // Every other caption the window is built with is the built-in Chinese string, except
    // the few the window starts without, or with a text of its own.
    const LanguageTable& chinese = BuiltInLanguages::table(Language::Chinese);
    const QStringList startsOtherwise = {"Language", "Skin Chang", ""};
    int fromTheTable = 0;
    for (const auto& [caption, number] : captions(program)) {
        if (startsOtherwise.contains(caption))
            continue;
        QCOMPARE(caption, chinese.string(number));
        ++fromTheTable;
    }
    // The two group boxes, and empty: the two status panels, the start button and the nine
    // grid captions.
    QCOMPARE(fromTheTable, captions(program).size() - 2 - 12);
}

QTEST_MAIN(TestLanguageCaptions)
#include "tst_languagecaptions.moc"
