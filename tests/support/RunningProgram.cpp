#include "support/RunningProgram.h"

#include "app/Platform.h"
#include "link/ReadWriteSession.h"

#include "support/RadioImage.h"

#include <QPushButton>
#include <QTest>

#include <QCheckBox>

ProgramOptions ProgramOptions::withRadio(const QByteArray& image, const RadioFaults& faults,
                                         Language language)
{
    ProgramOptions options;
    options.radio = true;
    options.radioImage = image;
    options.radioFaults = faults;
    options.language = language;
    return options;
}

RunningProgram::RunningProgram(const ProgramOptions& options) : m_options(options)
{
    if (options.companionFiles) {
        folder.copyCompanionFiles();
        if (options.language == Language::Chinese)
            folder.writeFile("install.Log", "Installation Log\r\nTitle: QV3307\r\n");
    }
    if (!options.settingsFile.isNull())
        folder.writeFile("qv3307.ini", options.settingsFile);
    if (options.themedMessageBoxes) {
        m_skins = std::make_unique<Skins>(folder.path());
        m_themedBoxes = std::make_unique<ThemedMessageBoxes>(*m_skins);
    }
    if (options.radio) {
        radio.setMemory(memoryOf(options.radioImage));
        radio.setFaults(options.radioFaults);
        m_radioStarted = radio.start();
        if (m_radioStarted)
            folder.mapComPort(1, radio.slavePath());
    }
    start();
}

RunningProgram::~RunningProgram()
{
    stop(); // closes the port, letting the last bytes leave before the radio goes
}

void RunningProgram::start()
{
    stop();
    Platform platform;
    platform.programFolder = folder.path();
    platform.messages =
        m_themedBoxes ? static_cast<MessageLibrary*>(m_themedBoxes.get()) : &messages;
    platform.fileDialogs = &fileDialogs;
    if (m_options.scriptedMouse)
        platform.cursorPosition = [this] { return window->mapToGlobal(mouse); };
    platform.openUrl = [this](const QUrl& url, const Platform::OpenFailed& failed) {
        openedUrls << url;
        if (!desktopOpensUrls && failed)
            failed();
    };
    // The serial devices present are the ones a test links into its own by-id folder, never
    // the machine's.
    platform.serialByIdFolder = serialByIdFolder();
    platform.systemSerialPorts = [] { return QList<SerialDevice>(); };
    platform.configFolder = folder.filePath("config");
    window = std::make_unique<MainWindow>(platform);
    if (m_themedBoxes)
        m_themedBoxes->setParentWindow(window.get());
    if (m_options.readWriteDialog)
        dialog = window->readWriteDialog();
    window->link().setWaitLengthsForTests(m_options.linkWaits);
    if (dialog && !m_options.writeChecks) {
        dialog->backupCheckBox()->setChecked(false);
        dialog->verifyCheckBox()->setChecked(false);
    }
    if (m_options.show)
        window->show();
}

void RunningProgram::stop()
{
    window.reset(); // the dialog with it
}

QByteArray RunningProgram::exitAndReadSettingsFile()
{
    stop();
    return folder.readFile("qv3307.ini");
}

void RunningProgram::readOrWrite(IconButton* command)
{
    emit command->clicked();
    if (!dialog->isVisible())
        return; // the command stopped before the dialog (the port was not usable)
    QTest::mouseClick(dialog->startButton(), Qt::LeftButton);
    QTRY_VERIFY_WITH_TIMEOUT(!dialog->session()->running(), 30'000);
    QTest::mouseClick(dialog->exitButton(), Qt::LeftButton);
}

void RunningProgram::runFromMenu(IconButton* command)
{
    command->button()->click();
    QVERIFY(dialog->isVisible());
    QTest::mouseClick(dialog->startButton(), Qt::LeftButton);
    QTRY_VERIFY_WITH_TIMEOUT(!dialog->session()->running(), 30'000);
}

QStringList RunningProgram::row(int row)
{
    return window->workspace().table.fields(row);
}
