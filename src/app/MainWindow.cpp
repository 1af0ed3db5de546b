#include "app/MainWindow.h"

#include "app/CalibrationLog.h"
#include "app/ChannelClipboard.h"
#include "app/ComPortPage.h"
#include "app/ControlBar.h"
#include "app/HelpWindow.h"
#include "app/IconButton.h"
#include "app/LanguagePage.h"
#include "app/MainStatusBar.h"
#include "app/MenuPages.h"
#include "app/ReadWriteCommands.h"
#include "app/SkinPage.h"
#include "app/TransferWarning.h"
#include "app/WindowChoices.h"
#include "app/WorkPages.h"
#include "backups/BackupFolder.h"
#include "channels/ChannelEditor.h"
#include "channels/ChannelEditorView.h"
#include "channels/ChannelGrid.h"
#include "channels/ChannelPage.h"
#include "channels/ChannelRowsMenu.h"
#include "channels/SettingsPage.h"
#include "files/FileCommands.h"
#include "files/QtFileDialogs.h"
#include "link/ReadWriteDialog.h"
#include "plans/PlanCommands.h"
#include "service/PowerPage.h"
#include "service/ServiceCommands.h"
#include "workspace/LanguageStrings.h"
#include "workspace/SettingsLocation.h"
#include "workspace/ShellTexts.h"
#include "workspace/WindowPlacement.h"

#include <QAbstractSpinBox>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>
#include <QToolButton>

MainWindow::MainWindow(const Platform& platform, QWidget* parent)
    // Every decoration named, so that no window manager adds a maximise button to the
    // fixed-size window.
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                          Qt::WindowCloseButtonHint),
      m_platform(platform.withDesktopDefaults()), m_skins(platform.programFolder),
      m_messenger(*platform.messages, m_workspace,
                  [this](bool enabled) { setEnabledAroundBox(enabled); }),
      m_localisation(m_workspace, platform.programFolder),
      m_devices(platform.programFolder, QStringLiteral("/dev"), &m_portChoices),
      m_portPageState(m_devices, m_portChoices,
                      SerialDeviceList(platform.serialByIdFolder.isEmpty()
                                           ? SerialDeviceList::ByIdFolder
                                           : platform.serialByIdFolder,
                                       platform.systemSerialPorts)),
      m_connection(m_devices),
      m_serviceCommands(std::make_unique<ServiceCommands>(m_connection.link(), m_messenger))
{
    setObjectName(QStringLiteral("mainWindow"));
    setFixedSize(ClientSize);
    setWindowTitle(m_workspace.title());
    m_settingsFile = std::make_unique<SettingsFile>(
        SettingsLocation::prepareFolder(m_platform.programFolder, m_platform.configFolder));
    m_choices = std::make_unique<WindowChoices>(*m_settingsFile, m_workspace, m_connection.link(),
                                                m_portChoices);
    const StoredChoices stored = StoredChoices::read(*m_settingsFile);
    // The stored skin comes before the widgets, so that each is styled once.
    m_workspace.setThemeIndex(stored.skinIndex(Skins::Count));
    applySkin(m_workspace.themeIndex());
    buildPages();
    buildNavigation();
    createChannelEditor();
    connectActions();
    connectLanguage();
    if (!platform.fileDialogs)
        m_ownFileDialogs = std::make_unique<QtFileDialogs>(this);
    connectFileCommands(platform.fileDialogs ? *platform.fileDialogs : *m_ownFileDialogs);
    connectEditing();
    connectPlans();
    restoreStoredChoices(stored);
    // Backups are kept for a year; nothing else in their folder is ever removed.
    BackupFolder::standard().removeOldBackups();
    m_fileCommands->setFirstOpenFolder(BackupFolder::standard().path());
    auto* calibrationLog = new CalibrationLog(*m_serviceCommands, m_workspace, this);
    connect(calibrationLog, &CalibrationLog::notSaved, m_statusBar, &MainStatusBar::report);
    // What start-up set up is where undo stops.
    m_workspace.startEditHistory();
}

MainWindow::~MainWindow()
{
    // The dialog's commands hold the link and the workspace: they go before them.
    delete m_readWriteDialog;
    m_choices->store();
}

void MainWindow::setEnabledAroundBox(bool enabled)
{
    // Disabling the window takes the keyboard focus away; the control that had it gets it
    // back, so the grid still takes the arrow keys after a message.
    if (!enabled)
        m_focusBeforeBox = focusWidget();
    setEnabled(enabled);
    if (enabled && m_focusBeforeBox && m_focusBeforeBox->isVisible())
        m_focusBeforeBox->setFocus(Qt::OtherFocusReason);
}

void MainWindow::createChannelEditor()
{
    m_channelEditorView = std::make_unique<ChannelEditorView>(*m_channelPage);
    m_channelEditor =
        std::make_unique<ChannelEditor>(m_workspace, m_messenger, *m_channelEditorView);
    m_channelPage->setEditor(m_channelEditor.get());
    ChannelEditor* editor = m_channelEditor.get();
    connect(m_channelPage->upButton(), &QPushButton::clicked, editor, &ChannelEditor::channelUp);
    connect(m_channelPage->downButton(), &QPushButton::clicked, editor,
            &ChannelEditor::channelDown);
    connect(m_channelPage->deleteButton(), &QPushButton::clicked, editor,
            &ChannelEditor::deleteChannel);
    connect(m_menuPages, &PageControl::pageShown, editor, &ChannelEditor::closeCellEditors);
}

void MainWindow::buildPages()
{
    m_controlBar = new ControlBar(this);
    m_controlBar->setGeometry(0, 0, ClientSize.width(), ControlBar::Height);
    const int pagesTop = ControlBar::Height;
    const int pagesHeight = 488;
    m_menuPages = new MenuPages(this);
    m_menuPages->setGeometry(0, pagesTop, 172, pagesHeight);
    m_workPages = new WorkPages(this);
    m_workPages->setGeometry(174, pagesTop, 649, pagesHeight);

    // Each page is made inside the page control: a page made on its own would be styled
    // once alone and again, widget by widget, when the control takes it in.
    m_channelPage = new ChannelPage(m_workspace.table, m_workspace.tones, m_workPages);
    m_workPages->addPage(QStringLiteral("channelPage"), m_channelPage);
    // The first frame shows the channels; the other pages wait until they are needed.
    m_workPages->addPageBuiltLater(QStringLiteral("settingsPage"),
                                   [this] { return buildSettingsPage(); });
    m_workPages->addPageBuiltLater(QStringLiteral("powerPage"),
                                   [this] { return buildPowerPage(); });
    m_workPages->addPageBuiltLater(QStringLiteral("comPortPage"),
                                   [this] { return buildComPortPage(); });
    m_workPages->addPageBuiltLater(QStringLiteral("languagePage"),
                                   [this] { return buildLanguagePage(); });
    m_workPages->addPageBuiltLater(QStringLiteral("skinPage"), [this] { return buildSkinPage(); });

    m_statusBar = new MainStatusBar(m_localisation, this);
    m_statusBar->setGeometry(0, pagesTop + pagesHeight, ClientSize.width(),
                             ClientSize.height() - pagesTop - pagesHeight);
}

QLabel* MainWindow::statusPanel() const
{
    return m_statusBar->panel();
}

TransferWarning* MainWindow::transferWarning() const
{
    return m_statusBar->transferWarning();
}

void MainWindow::buildNavigation()
{
    // The focus sink only takes the keyboard focus when the mouse comes to the toolbar, so
    // that a tone picker with the focus hands its choice over; it lies out of sight.
    m_focusSink = new QLineEdit(this);
    m_focusSink->setObjectName(QStringLiteral("focusSink"));
    m_focusSink->setReadOnly(true);
    m_focusSink->setGeometry(m_workPages->x() + 10, m_workPages->y() + 10, 0, 0);
    m_focusSink->lower();

    m_hoverNavigation = std::make_unique<HoverNavigation>(
        [this] { return mapFromGlobal(m_platform.cursorPosition()); });
    connect(m_controlBar, &ControlBar::toolbarEntered, this, [this] {
        m_focusSink->setFocus(Qt::MouseFocusReason);
        m_hoverNavigation->toolbarEntered();
    });
    connect(m_hoverNavigation.get(), &HoverNavigation::menuChosen, this,
            &MainWindow::showMenuPages);
    connect(new ShortcutKeys(this), &ShortcutKeys::triggered, this, &MainWindow::runShortcut);
}

QWidget* MainWindow::toolbar() const
{
    return m_controlBar->toolbar();
}

void MainWindow::connectActions()
{
    connect(&m_workspace, &Workspace::titleChanged, this, &QWidget::setWindowTitle);
    connect(&m_workspace, &Workspace::themeIndexChanged, this, &MainWindow::applySkin);

    connect(m_menuPages->exitButton(), &IconButton::clicked, this, &QWidget::close);
    connect(m_menuPages->channelsButton(), &IconButton::clicked, this,
            [this] { m_workPages->showPage(m_channelPage); });
    connect(m_menuPages->settingsButton(), &IconButton::clicked, this,
            [this] { m_workPages->showPage(settingsPage()); });
    connect(m_menuPages->powerButton(), &IconButton::clicked, this,
            [this] { m_workPages->showPage(powerPage()); });
    connect(m_menuPages->comPortButton(), &IconButton::clicked, this,
            [this] { m_workPages->showPage(comPortPage()); });
    connect(m_menuPages->languageButton(), &IconButton::clicked, this,
            [this] { m_workPages->showPage(languagePage()); });
    connect(m_menuPages->skinButton(), &IconButton::clicked, this,
            [this] { m_workPages->showPage(skinPage()); });
    // The read/write dialog is made when a read or a write first needs it.
    connect(m_menuPages->readButton(), &IconButton::clicked, this,
            [this] { readWriteCommands().readCommand(); });
    connect(m_menuPages->writeButton(), &IconButton::clicked, this,
            [this] { readWriteCommands().writeCommand(); });
    connect(m_menuPages->helpButton(), &IconButton::clicked, this, &MainWindow::openHelp);
    auto* helpKey = new QShortcut(QKeySequence(Qt::Key_F1), this);
    helpKey->setObjectName(QStringLiteral("helpShortcut"));
    helpKey->setContext(Qt::WindowShortcut);
    connect(helpKey, &QShortcut::activated, this, &MainWindow::openHelp);
    connect(m_menuPages->aboutButton(), &IconButton::clicked, this,
            [this] { m_messenger.showAbout(); });
}

// The tie is the whole point of the click: a file that cannot keep it is not passed over.
void MainWindow::tellPortChoiceNotSaved()
{
    m_messenger.errorBox(
        ShellTexts::portChoiceNotSaved(m_settingsFile->path(), m_workspace.checkedLanguage));
}

SettingsPage* MainWindow::settingsPage() const
{
    m_workPages->pageAt(int(WorkPage::Settings));
    return m_settingsPage;
}

PowerPage* MainWindow::powerPage() const
{
    m_workPages->pageAt(int(WorkPage::Power));
    return m_powerPage;
}

ComPortPage* MainWindow::comPortPage() const
{
    m_workPages->pageAt(int(WorkPage::ComPort));
    return m_comPortPage;
}

LanguagePage* MainWindow::languagePage() const
{
    m_workPages->pageAt(int(WorkPage::Language));
    return m_languagePage;
}

SkinPage* MainWindow::skinPage() const
{
    m_workPages->pageAt(int(WorkPage::Skin));
    return m_skinPage;
}

// A page built after start-up takes the language and the choices as they stand, then
// follows them as the pages built at once do.
QWidget* MainWindow::buildSettingsPage()
{
    m_settingsPage = new SettingsPage(m_workspace.settings, m_workspace.bands, m_workPages);
    m_channelEditorView->setBandBox(m_settingsPage->bandBox());
    if (m_localisation.hasApplied())
        m_settingsPage->applyCaptions(m_localisation.applied());
    connect(&m_localisation, &Localisation::languageApplied, m_settingsPage,
            &SettingsPage::applyCaptions);
    connect(m_settingsPage, &SettingsPage::settingChosen, &m_workspace, &Workspace::recordEdit);
    return m_settingsPage;
}

QWidget* MainWindow::buildPowerPage()
{
    m_powerPage = new PowerPage(*m_serviceCommands, m_workPages);
    if (m_localisation.hasApplied())
        m_powerPage->applyCaptions(m_localisation.applied());
    connect(&m_localisation, &Localisation::languageApplied, m_powerPage,
            &PowerPage::applyCaptions);
    // The page's own warning speaks the checked language, as the message boxes do.
    m_powerPage->setLanguage(m_workspace.checkedLanguage);
    connect(&m_localisation, &Localisation::languageApplied, m_powerPage,
            [this] { m_powerPage->setLanguage(m_workspace.checkedLanguage); });
    applyPageTooltips(m_workspace.checkedLanguage);
    return m_powerPage;
}

QWidget* MainWindow::buildComPortPage()
{
    m_comPortPage = new ComPortPage(m_portPageState, m_workPages);
    m_comPortPage->checkPort(m_connection.link().portNumber());
    m_comPortPage->setLanguage(m_workspace.checkedLanguage);
    connect(m_comPortPage, &ComPortPage::portChosen, this, &MainWindow::choosePort);
    connect(m_comPortPage, &ComPortPage::useRequested, this, [this](int port, int deviceIndex) {
        const bool saved = m_portPageState.use(*m_settingsFile, port, deviceIndex);
        m_comPortPage->refreshDevices();
        if (!saved)
            tellPortChoiceNotSaved();
    });
    connect(m_comPortPage, &ComPortPage::forgetRequested, this, [this](int port) {
        const bool saved = m_portPageState.forget(*m_settingsFile, port);
        m_comPortPage->refreshDevices();
        if (!saved)
            tellPortChoiceNotSaved();
    });
    // The page's own texts speak the checked language, as the message boxes do.
    connect(&m_localisation, &Localisation::languageApplied, m_comPortPage,
            [this] { m_comPortPage->setLanguage(m_workspace.checkedLanguage); });
    connect(&m_localisation, &Localisation::languageChecked, m_comPortPage,
            &ComPortPage::setLanguage);
    applyPageTooltips(m_workspace.checkedLanguage);
    return m_comPortPage;
}

QWidget* MainWindow::buildLanguagePage()
{
    m_languagePage = new LanguagePage(m_workPages);
    m_languagePage->check(m_workspace.checkedLanguage);
    if (m_localisation.hasApplied())
        m_languagePage->applyCaptions(m_localisation.applied());
    connect(m_languagePage->chineseButton(), &QRadioButton::toggled, this, [this](bool checked) {
        if (checked)
            checkLanguageButton(Language::Chinese);
    });
    connect(m_languagePage->englishButton(), &QRadioButton::toggled, this, [this](bool checked) {
        if (checked)
            checkLanguageButton(Language::English);
    });
    connect(&m_localisation, &Localisation::languageChecked, m_languagePage, &LanguagePage::check);
    connect(&m_localisation, &Localisation::languageApplied, m_languagePage,
            &LanguagePage::applyCaptions);
    return m_languagePage;
}

QWidget* MainWindow::buildSkinPage()
{
    m_skinPage = new SkinPage(m_workPages);
    m_skinPage->skinList()->setCurrentIndex(m_workspace.themeIndex());
    if (m_localisation.hasApplied())
        m_skinPage->applyCaptions(m_localisation.applied());
    connect(m_skinPage->skinList(), &QComboBox::activated, this, &MainWindow::chooseSkin);
    connect(&m_localisation, &Localisation::languageApplied, m_skinPage, &SkinPage::applyCaptions);
    return m_skinPage;
}

void MainWindow::connectLanguage()
{
    connect(&m_localisation, &Localisation::languageApplied, this, &MainWindow::applyCaptions);
    connect(&m_localisation, &Localisation::languageApplied, m_controlBar,
            &ControlBar::applyCaptions);
    connect(&m_localisation, &Localisation::languageApplied, m_menuPages,
            &MenuPages::applyCaptions);
    connect(&m_localisation, &Localisation::languageApplied, m_channelPage,
            &ChannelPage::applyCaptions);
    connect(&m_localisation, &Localisation::languageApplied, this,
            [this] { applyTooltips(m_workspace.checkedLanguage); });
    connect(&m_localisation, &Localisation::languageChecked, this, &MainWindow::applyTooltips);
    connect(&m_localisation, &Localisation::languageApplied, m_statusBar,
            [this] { m_statusBar->setWarningLanguage(m_workspace.checkedLanguage); });
    connect(&m_localisation, &Localisation::languageChecked, m_statusBar,
            &MainStatusBar::setWarningLanguage);
}

void MainWindow::connectFileCommands(FileDialogs& dialogs)
{
    ChannelEditor* editor = m_channelEditor.get();
    m_fileCommands =
        std::make_unique<FileCommands>(m_workspace, m_localisation, m_messenger, dialogs,
                                       [editor] { editor->closeCellEditors(); });
    // The channel sheet names the file last opened or saved.
    connect(m_menuPages->newButton(), &IconButton::clicked, this, [this] {
        if (m_fileCommands->newFile())
            m_planCommands->setFileName({});
    });
    connect(m_menuPages->openButton(), &IconButton::clicked, this, [this] {
        if (const std::optional<QString> path = m_fileCommands->openFile()) {
            m_fileInGrid.remember(*path, m_workspace);
            m_planCommands->setFileName(QFileInfo(*path).fileName());
            m_statusBar->report(
                ShellTexts::openedReport(QFileInfo(*path).fileName(), m_workspace.checkedLanguage));
        }
    });
    connect(m_menuPages->saveButton(), &IconButton::clicked, this, [this] {
        if (const std::optional<QString> path = m_fileCommands->saveFile()) {
            m_fileInGrid.remember(*path, m_workspace);
            m_planCommands->setFileName(QFileInfo(*path).fileName());
            m_statusBar->report(
                ShellTexts::savedReport(QFileInfo(*path).fileName(), m_workspace.checkedLanguage));
        }
    });
}

void MainWindow::connectEditing()
{
    ChannelEditor* editor = m_channelEditor.get();
    auto* undo = new QAction(this);
    undo->setObjectName(QStringLiteral("undoAction"));
    undo->setShortcut(QKeySequence(Qt::ControlModifier | Qt::Key_Z));
    connect(undo, &QAction::triggered, editor, &ChannelEditor::undo);
    auto* redo = new QAction(this);
    redo->setObjectName(QStringLiteral("redoAction"));
    redo->setShortcuts({QKeySequence(Qt::ControlModifier | Qt::Key_Y),
                        QKeySequence(Qt::ControlModifier | Qt::ShiftModifier | Qt::Key_Z)});
    connect(redo, &QAction::triggered, editor, &ChannelEditor::redo);
    addActions({undo, redo});

    auto* clipboard = new ChannelClipboard(m_workspace, *editor, m_messenger, this);
    connect(m_channelPage->grid(), &ChannelGrid::copyRequested, clipboard,
            &ChannelClipboard::copyChannels);
    connect(m_channelPage->grid(), &ChannelGrid::pasteRequested, clipboard,
            &ChannelClipboard::pasteChannels);
}

void MainWindow::connectPlans()
{
    m_planCommands =
        new PlanCommands(m_workspace, m_localisation, m_messenger, *m_channelEditor, this);
    auto* rowsMenu =
        new ChannelRowsMenu(*m_channelPage->grid(), *m_channelEditor, m_workspace, this);
    connect(rowsMenu, &ChannelRowsMenu::fillFromPlanRequested, m_planCommands,
            &PlanCommands::fillFromPlan);
    connect(m_channelPage, &ChannelPage::fillFromPlanRequested, m_planCommands,
            &PlanCommands::fillFromPlan);
    connect(m_planCommands, &PlanCommands::reported, m_statusBar, &MainStatusBar::report);
    connect(m_menuPages->printButton(), &IconButton::clicked, m_planCommands,
            &PlanCommands::printSheet);
    auto* printKey = new QShortcut(QKeySequence(Qt::ControlModifier | Qt::Key_P), this);
    printKey->setObjectName(QStringLiteral("printShortcut"));
    printKey->setContext(Qt::WindowShortcut);
    connect(printKey, &QShortcut::activated, m_planCommands, &PlanCommands::printSheet);
    connect(&m_localisation, &Localisation::languageApplied, m_channelPage,
            [this] { m_channelPage->setLanguage(m_workspace.checkedLanguage); });
    connect(&m_localisation, &Localisation::languageChecked, m_channelPage,
            &ChannelPage::setLanguage);
}

void MainWindow::restoreStoredChoices(const StoredChoices& stored)
{
    // A restored skin other than the first leaves the options menu up, as choosing it does.
    m_menuPages->showPage(m_workspace.themeIndex() == 0 ? m_menuPages->helpMenu()
                                                        : m_menuPages->optionsMenu());
    m_workPages->showPage(m_channelPage);
    m_choices->restore(stored);
}

void MainWindow::setVisible(bool visible)
{
    // The first showing's choices are made before the controls come up, so that only the
    // menu page the first frame shows has its icons made. The native window comes first,
    // so that a message box about the installer's log belongs to it as before.
    if (visible && !m_shown) {
        m_shown = true;
        create();
        showFirstTime();
    }
    QWidget::setVisible(visible);
}

void MainWindow::showFirstTime()
{
    centreOnScreen(*this);
    // Without a readable installer's log the window stays as creation left it.
    if (!m_localisation.chooseStartupLanguage(m_messenger))
        return;
    m_menuPages->showPage(m_menuPages->programMenu());
    m_workPages->showPage(m_channelPage);
}

void MainWindow::chooseSkin(int index)
{
    if (m_skinPage)
        m_skinPage->skinList()->setCurrentIndex(index);
    m_workspace.setThemeIndex(index);
    m_menuPages->showPage(m_menuPages->optionsMenu());
}

void MainWindow::applySkin(int index)
{
    qApp->setStyleSheet(m_skins.styleSheet(index));
}

void MainWindow::choosePort(int portNumber)
{
    m_connection.link().setPortNumber(portNumber);
}

// A language button that becomes checked runs its switch, unless the switch itself
// checked it.
void MainWindow::checkLanguageButton(Language language)
{
    if (m_workspace.checkedLanguage != language)
        m_localisation.switchLanguage(language);
}

void MainWindow::applyCaptions(const LanguageTable& table)
{
    m_statusBar->applyCaptions(table);
    if (m_readWriteDialog)
        m_readWriteDialog->applyCaptions(table);
}

ReadWriteDialog* MainWindow::readWriteDialog()
{
    readWriteCommands();
    return m_readWriteDialog;
}

ReadWriteCommands& MainWindow::readWriteCommands()
{
    if (m_readWriteCommands)
        return *m_readWriteCommands;
    m_readWriteDialog = new ReadWriteDialog(this);
    ReadWriteDialog& dialog = *m_readWriteDialog;
    applyTooltips(m_workspace.checkedLanguage);
    if (m_localisation.hasApplied())
        dialog.applyCaptions(m_localisation.applied());
    // Lives with the dialog, which it drives.
    auto* commands = new ReadWriteCommands(
        dialog, *this, m_workspace, m_connection.link(), m_devices, m_messenger, *m_channelEditor,
        m_localisation, *m_settingsFile,
        [this](const QString& note) { m_statusBar->noteTransfer(note); },
        [this] { return m_fileInGrid.pathIfHeld(m_workspace); });
    m_readWriteCommands = commands;
    connect(commands, &ReadWriteCommands::ended, m_statusBar,
            [this](const TransferOutcome& outcome) {
                transferWarning()->setOutcome(outcome, m_workspace.checkedLanguage);
            });
    ReadWriteSession* session = &commands->session();
    connect(session, &ReadWriteSession::finished, this,
            [this, session](RadioExchange::Result result) {
                const bool wentThrough = result == RadioExchange::Result::Done;
                const bool read = session->procedure() == ReadWriteSession::Read;
                // The channels a read brings are in no file.
                if (wentThrough && read)
                    m_planCommands->setFileName({});
                m_statusBar->transferEnded(
                    wentThrough, read, m_workspace.table.programmedChannelCount(),
                    m_connection.link().portNumber(), m_workspace.checkedLanguage);
            });
    return *commands;
}

void MainWindow::showMenuPages(HoverNavigation::Menu menu)
{
    switch (menu) {
    case HoverNavigation::Menu::File:
        m_menuPages->showPage(m_menuPages->fileMenu());
        break;
    case HoverNavigation::Menu::Programming:
        m_menuPages->showPage(m_menuPages->programMenu());
        m_workPages->showPage(m_channelPage);
        break;
    case HoverNavigation::Menu::Options:
        m_menuPages->showPage(m_menuPages->optionsMenu());
        m_workPages->showPage(comPortPage());
        break;
    case HoverNavigation::Menu::Help:
        m_menuPages->showPage(m_menuPages->helpMenu());
        break;
    case HoverNavigation::Menu::None:
        break;
    }
}

void MainWindow::runShortcut(ShortcutKeys::Shortcut shortcut)
{
    using S = ShortcutKeys::Shortcut;
    const auto iconButton = [this](S which) -> IconButton* {
        switch (which) {
        case S::Read:
            return m_menuPages->readButton();
        case S::Write:
            return m_menuPages->writeButton();
        case S::Open:
            return m_menuPages->openButton();
        case S::New:
            return m_menuPages->newButton();
        case S::Save:
            return m_menuPages->saveButton();
        case S::Exit:
            return m_menuPages->exitButton();
        case S::Channels:
            return m_menuPages->channelsButton();
        case S::Settings:
            return m_menuPages->settingsButton();
        }
        return nullptr;
    };
    if (IconButton* button = iconButton(shortcut))
        button->button()->click();
}

void MainWindow::keyPressEvent(QKeyEvent* event)
{
    // The letter of a shortcut alone acts like Alt and the letter while the focus is on a
    // control that takes no typed characters, such as the channel grid; edit boxes and
    // lists keep their letters.
    QWidget* focus = focusWidget();
    const bool takesCharacters = qobject_cast<QLineEdit*>(focus) ||
                                 qobject_cast<QAbstractSpinBox*>(focus) ||
                                 qobject_cast<QComboBox*>(focus);
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::ShiftModifier;
    const QString text = event->text();
    if (!takesCharacters && modifiers == Qt::NoModifier && text.size() == 1) {
        if (const auto shortcut = ShortcutKeys::forLetter(text.front())) {
            runShortcut(*shortcut);
            return;
        }
    }
    QWidget::keyPressEvent(event);
}

void MainWindow::openHelp()
{
    const QString name = m_workspace.checkedLanguage == Language::Chinese
                             ? QStringLiteral("help/qv3307-help.zh.html")
                             : QStringLiteral("help/qv3307-help.html");
    const QUrl manual = QUrl::fromLocalFile(QDir(m_platform.programFolder).filePath(name));
    const QPointer<MainWindow> alive(this);
    m_platform.openUrl(manual, [alive, manual] {
        if (alive)
            alive->showHelpWindow(manual);
    });
}

void MainWindow::showHelpWindow(const QUrl& manual)
{
    if (!m_helpWindow)
        m_helpWindow = new HelpWindow(this);
    m_helpWindow->showManual(manual);
}

void MainWindow::applyTooltips(Language language)
{
    m_menuPages->applyTooltips(language);
    using T = ShellTexts::Tip;
    const T menus[] = {T::FileMenu, T::ProgramMenu, T::OptionsMenu, T::HelpMenu};
    for (int menu = 0; menu < ControlBar::MenuCount; ++menu)
        m_controlBar->menuButton(menu)->setToolTip(ShellTexts::tooltip(menus[menu], language));
    applyPageTooltips(language);
    if (m_readWriteDialog) {
        m_readWriteDialog->startButton()->setToolTip(
            ShellTexts::tooltip(T::StartTransfer, language));
        m_readWriteDialog->exitButton()->setToolTip(
            ShellTexts::tooltip(T::CloseTransfer, language));
    }
}

void MainWindow::applyPageTooltips(Language language)
{
    using T = ShellTexts::Tip;
    QList<std::pair<QAbstractButton*, T>> buttons;
    if (m_powerPage) {
        buttons += {{m_powerPage->readButton(), T::CalibrationRead},
                    {m_powerPage->writeButton(), T::CalibrationWrite},
                    {m_powerPage->agingButton(), T::AgingTest}};
    }
    if (m_comPortPage) {
        buttons += {{m_comPortPage->useButton(), T::UseDevice},
                    {m_comPortPage->forgetButton(), T::ForgetDevice}};
    }
    for (const auto& [button, tip] : buttons)
        button->setToolTip(ShellTexts::tooltip(tip, language));
}
