#include "app/IconButton.h"
#include "app/MainWindow.h"
#include "app/MenuPages.h"
#include "app/Skins.h"
#include "app/ThemedMessageBoxes.h"
#include "channels/SettingsPage.h"
#include "files/FileDialogs.h"
#include "files/QtFileDialogs.h"
#include "workspace/MessageIds.h"

#include "support/ModalDialog.h"
#include "support/RunningProgram.h"

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include <memory>

namespace {

// The program as it starts, not shown yet; with its own message boxes when `themed`.
ProgramOptions hiddenProgram(bool themed = false)
{
    ProgramOptions options;
    options.show = false;
    options.themedMessageBoxes = themed;
    return options;
}

// The filter names the user can pick from.
QStringList shownFilters(const QFileDialog& dialog)
{
    QStringList names;
    if (const auto* types = dialog.findChild<QComboBox*>("fileTypeCombo"))
        for (int index = 0; index < types->count(); ++index)
            names << types->itemText(index);
    return names;
}

// Types a name into the dialog's file name box and presses its accept button, as a user
// does.
void typeAndAccept(QFileDialog& dialog, const QString& name)
{
    dialog.findChild<QLineEdit*>("fileNameEdit")->setText(name);
    static_cast<QDialog&>(dialog).accept(); // runs the file dialog's own accept
}

} // namespace

class TestFilePage : public QObject
{
    Q_OBJECT

private slots:
    void iconButtonsRunTheCommands();
    void aFileThatDoesNotReadLeavesTheWindowAsItWas_data();
    void aFileThatDoesNotReadLeavesTheWindowAsItWas();
    void openDialogAcceptsAnyName();
    void saveDialogAddsTheExtensionAndRemembersTheName();
};

void TestFilePage::iconButtonsRunTheCommands()
{
    RunningProgram program(hiddenProgram());
    MainWindow* window = program.window.get();
    RecordingMessageLibrary& messages = program.messages;
    ScriptedFileDialogs& dialogs = program.fileDialogs;
    MenuPages* menu = window->menuPages();
    Workspace& workspace = window->workspace();
    workspace.table.setText(1, Column::RxFrequency, "430.12500");

    bool enabledDuringQuestion = true;
    messages.onBox = [&](const RecordingMessageLibrary::Box&) {
        enabledDuringQuestion = window->isEnabled();
    };
    messages.answers = {true};
    menu->newButton()->button()->click();
    QCOMPARE(messages.messageIds(), QList<int>{Message::ConfirmNew});
    QVERIFY(!enabledDuringQuestion);
    QVERIFY(window->isEnabled());
    QVERIFY(workspace.table.isEmptyChannel(1));

    const QTemporaryDir dir;
    dialogs.answerBoth(dir.filePath("radio.F19"));
    workspace.table.setText(2, Column::RxFrequency, "145.20000");
    menu->saveButton()->button()->click();
    QVERIFY(QFile::exists(*dialogs.saveAnswer));

    workspace.table.clearTable();
    menu->openButton()->button()->click();
    QCOMPARE(workspace.table.text(2, Column::RxFrequency), QString("145.20000"));
    QCOMPARE(window->windowTitle(), QString("RZT3307 [400-470MHz]"));
    QVERIFY(messages.errors.isEmpty());
}

void TestFilePage::aFileThatDoesNotReadLeavesTheWindowAsItWas_data()
{
    QTest::addColumn<Language>("language");
    QTest::addColumn<QString>("message");
    QTest::newRow("english") << Language::English
                             << R"(bad.F19, line 6: "x" is not a squelch level (0–9).)";
    QTest::newRow("chinese") << Language::Chinese
                             << "bad.F19，第 6 行：“x”不是有效的静噪电平（0–9）。";
}

void TestFilePage::aFileThatDoesNotReadLeavesTheWindowAsItWas()
{
    QFETCH(Language, language);
    QFETCH(QString, message);

    // The program as it runs, with its own error box.
    RunningProgram program(hiddenProgram(true));
    MainWindow* window = program.window.get();
    ScriptedFileDialogs& dialogs = program.fileDialogs;
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window));

    // A channel set and the language chosen; then a file saved from here is edited by
    // hand: the other language, a new band and a letter for the squelch digit.
    Workspace& workspace = window->workspace();
    workspace.table.setText(1, Column::RxFrequency, "430.12500");
    window->localisation().switchLanguage(language);
    const QTemporaryDir dir;
    dialogs.answerBoth(dir.filePath("bad.F19"));
    window->menuPages()->saveButton()->button()->click();
    QFile bad(*dialogs.saveAnswer);
    QVERIFY(bad.open(QIODevice::ReadOnly));
    QByteArray contents = bad.readAll();
    bad.close();
    contents.replace("Language 1", "Language 9").replace("Language 2", "Language 9");
    contents.replace("Language 9", language == Language::English ? "Language 1" : "Language 2");
    contents.replace("BAND 400-470MHz", "BAND 136-174MHz");
    contents.replace("CH01 | 430.12500", "CH01 | 440.00000");
    contents.replace("Squelch 2", "Squelch x");
    QVERIFY(bad.open(QIODevice::WriteOnly));
    bad.write(contents);
    bad.close();

    const QString title = window->windowTitle();
    const QStringList channel1 = workspace.table.fields(1);
    const FunctionSettings::Positions positions = workspace.settings.positions();
    const QStringList bands = workspace.bands.entries();
    const QString bandShown = window->settingsPage()->bandBox()->currentText();
    const QString captions = workspace.table.text(Row::Captions, Column::RxFrequency);

    QString boxTitle;
    QString boxText;
    QTimer::singleShot(0, window, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        QVERIFY(box);
        boxTitle = box->windowTitle();
        boxText = box->text();
        box->accept();
    });
    window->menuPages()->openButton()->button()->click();

    QCOMPARE(boxTitle, QString("QV3307"));
    QCOMPARE(boxText, message);
    QCOMPARE(window->windowTitle(), title);
    QCOMPARE(workspace.languageCode, languageCode(language));
    QCOMPARE(workspace.table.text(Row::Captions, Column::RxFrequency), captions);
    QCOMPARE(workspace.table.fields(1), channel1);
    QCOMPARE(workspace.settings.positions(), positions);
    QCOMPARE(workspace.bands.entries(), bands);
    QCOMPARE(window->settingsPage()->bandBox()->currentText(), bandShown);
    QVERIFY(window->isEnabled());
}

void TestFilePage::openDialogAcceptsAnyName()
{
    const QTemporaryDir dir;
    const QString typed = dir.filePath("typed");
    QtFileDialogs dialogs;
    QStringList filters;
    QFileDialog::FileMode mode = QFileDialog::Directory;
    whenModalShows<QFileDialog>([&](QFileDialog& dialog) {
        filters = shownFilters(dialog);
        mode = dialog.fileMode();
        typeAndAccept(dialog, typed);
    });
    // Nothing is checked or added: a name that does not exist fails when it is read.
    QCOMPARE(dialogs.openPath({}), std::optional<QString>(typed));
    QCOMPARE(filters, (QStringList{"QV3307  文件 (*.F19)", "Channel list CSV (*.csv)"}));
    QCOMPARE(mode, QFileDialog::AnyFile);

    whenModalShows<QFileDialog>([](QFileDialog& dialog) { dialog.reject(); });
    QCOMPARE(dialogs.openPath({}), std::nullopt);
}

void TestFilePage::saveDialogAddsTheExtensionAndRemembersTheName()
{
    const QTemporaryDir dir;
    QFile existing(dir.filePath("kept.F19"));
    QVERIFY(existing.open(QIODevice::WriteOnly));
    existing.close();
    QtFileDialogs dialogs;

    QStringList filters;
    whenModalShows<QFileDialog>([&](QFileDialog& dialog) {
        filters = shownFilters(dialog);
        typeAndAccept(dialog, dir.filePath("radio"));
    });
    QCOMPARE(dialogs.savePath(), std::optional<QString>(dir.filePath("radio.F19")));
    QCOMPARE(filters, (QStringList{"QV3307  文件 (*.F19)", "Channel list CSV (*.csv)"}));

    // Under the channel list's filter a bare name becomes a channel list.
    whenModalShows<QFileDialog>([&](QFileDialog& dialog) {
        dialog.selectNameFilter(FileDialogs::ChannelListFilter);
        typeAndAccept(dialog, dir.filePath("list"));
    });
    QCOMPARE(dialogs.savePath(), std::optional<QString>(dir.filePath("list.csv")));

    // The next save proposes that name; an existing file is taken without a question.
    QStringList proposed;
    whenModalShows<QFileDialog>([&](QFileDialog& dialog) {
        proposed = dialog.selectedFiles();
        typeAndAccept(dialog, dir.filePath("kept.F19"));
    });
    QCOMPARE(dialogs.savePath(), std::optional<QString>(dir.filePath("kept.F19")));
    QCOMPARE(proposed, QStringList{dir.filePath("list.csv")});

    whenModalShows<QFileDialog>([](QFileDialog& dialog) { dialog.reject(); });
    QCOMPARE(dialogs.savePath(), std::nullopt);
}

QTEST_MAIN(TestFilePage)
#include "tst_filepage.moc"
