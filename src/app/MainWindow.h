#pragma once

#include "app/FileInGrid.h"
#include "app/HelpWindow.h"
#include "app/HoverNavigation.h"
#include "app/Platform.h"
#include "app/ShortcutKeys.h"
#include "app/Skins.h"
#include "link/ComPortChoices.h"
#include "link/ComPortConnection.h"
#include "link/ComPortDevices.h"
#include "link/ComPortPageState.h"
#include "link/Link.h"
#include "workspace/Localisation.h"
#include "workspace/Messenger.h"
#include "workspace/SettingsFile.h"
#include "workspace/Workspace.h"

#include <QPointer>
#include <QWidget>

#include <memory>

class ChannelEditor;
class ChannelEditorView;
class ChannelPage;
class ControlBar;
class HoverNavigation;
class QLineEdit;
class ComPortPage;
class FileCommands;
class FileDialogs;
class LanguagePage;
class MenuPages;
class PlanCommands;
class PowerPage;
class LanguageTable;
class QLabel;
class ReadWriteCommands;
class ReadWriteDialog;
class SettingsPage;
class SkinPage;
class TransferWarning;
class WindowChoices;
class MainStatusBar;
class SerialPort;
class ServiceCommands;
class WorkPages;

// The main window: a control bar with the four menu buttons, the menu pages on the
// left, the work pages on the right and a status bar. It builds the frame, restores the
// stored choices when created and writes them back when destroyed; the rules themselves
// live in the core objects it owns.
class MainWindow : public QWidget
{
    Q_OBJECT

public:
    static constexpr QSize ClientSize{827, 561};

    explicit MainWindow(const Platform& platform, QWidget* parent = nullptr);
    ~MainWindow() override;

    Workspace& workspace() { return m_workspace; }
    Messenger& messenger() { return m_messenger; }
    ChannelEditor& channelEditor() { return *m_channelEditor; }
    Localisation& localisation() { return m_localisation; }
    FileCommands& fileCommands() { return *m_fileCommands; }
    SerialPort& serialPort() { return m_connection.serialPort(); }
    Link& link() { return m_connection.link(); }
    ServiceCommands& serviceCommands() { return *m_serviceCommands; }
    PlanCommands& planCommands() { return *m_planCommands; }

    ControlBar* controlBar() const { return m_controlBar; }
    QWidget* toolbar() const;
    QLineEdit* focusSink() const { return m_focusSink; }
    HoverNavigation& hoverNavigation() { return *m_hoverNavigation; }
    MenuPages* menuPages() const { return m_menuPages; }
    WorkPages* workPages() const { return m_workPages; }
    ChannelPage* channelPage() const { return m_channelPage; }
    // These pages are built when first shown, or here when asked for before.
    SettingsPage* settingsPage() const;
    PowerPage* powerPage() const;
    ComPortPage* comPortPage() const;
    // The program's own help window, once it has been needed.
    HelpWindow* helpWindow() const { return m_helpWindow; }
    MainStatusBar* statusBar() const { return m_statusBar; }
    QLabel* statusPanel() const;
    // The status bar's warning after a read or a write that failed.
    TransferWarning* transferWarning() const;
    LanguagePage* languagePage() const;
    SkinPage* skinPage() const;

    // The read/write dialog, which the read and write icons open. It is made the first
    // time it is needed, or here when asked for before.
    ReadWriteDialog* readWriteDialog();

    void setVisible(bool visible) override;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    // The work pages in their cycling order.
    enum class WorkPage { Channels, Settings, Power, ComPort, Language, Skin };

    void buildNavigation();
    void buildPages();
    QWidget* buildSettingsPage();
    QWidget* buildPowerPage();
    QWidget* buildComPortPage();
    QWidget* buildLanguagePage();
    QWidget* buildSkinPage();
    void connectActions();
    void createChannelEditor();
    void setEnabledAroundBox(bool enabled);
    void connectLanguage();
    void connectFileCommands(FileDialogs& dialogs);
    void connectEditing();
    void connectPlans();

    // Restores the pages a skin leaves up, the port and the band list when the window is
    // created; the skin is applied before the widgets are built.
    void restoreStoredChoices(const StoredChoices& stored);
    // The first showing centres the window and lets the installer's log pick the language.
    void showFirstTime();

    void chooseSkin(int index);
    void showMenuPages(HoverNavigation::Menu menu);
    void runShortcut(ShortcutKeys::Shortcut shortcut);
    void openHelp();
    // The manual in a window of the program's own, for a desktop that cannot show it.
    void showHelpWindow(const QUrl& manual);
    void applyTooltips(Language language);
    // The tooltips on the work pages built so far.
    void applyPageTooltips(Language language);
    void applySkin(int index);
    void choosePort(int portNumber);
    void tellPortChoiceNotSaved();
    void checkLanguageButton(Language language);
    void applyCaptions(const LanguageTable& table);
    // The read/write dialog and the commands that drive it, made on the first call.
    ReadWriteCommands& readWriteCommands();

    Platform m_platform;
    Workspace m_workspace;
    Skins m_skins;
    Messenger m_messenger;
    Localisation m_localisation;
    ComPortChoices m_portChoices;
    ComPortDevices m_devices;
    ComPortPageState m_portPageState;
    ComPortConnection m_connection;
    std::unique_ptr<ServiceCommands> m_serviceCommands;
    std::unique_ptr<SettingsFile> m_settingsFile;
    std::unique_ptr<WindowChoices> m_choices;
    std::unique_ptr<FileDialogs> m_ownFileDialogs;
    std::unique_ptr<FileCommands> m_fileCommands;
    QPointer<ReadWriteDialog> m_readWriteDialog;
    QPointer<ReadWriteCommands> m_readWriteCommands;
    bool m_shown = false;
    QPointer<QWidget> m_focusBeforeBox;

    ControlBar* m_controlBar = nullptr;
    QLineEdit* m_focusSink = nullptr;
    std::unique_ptr<HoverNavigation> m_hoverNavigation;
    MenuPages* m_menuPages = nullptr;
    WorkPages* m_workPages = nullptr;
    ChannelPage* m_channelPage = nullptr;
    SettingsPage* m_settingsPage = nullptr;
    PowerPage* m_powerPage = nullptr;
    ComPortPage* m_comPortPage = nullptr;
    LanguagePage* m_languagePage = nullptr;
    SkinPage* m_skinPage = nullptr;
    MainStatusBar* m_statusBar = nullptr;
    FileInGrid m_fileInGrid;
    QPointer<HelpWindow> m_helpWindow;
    PlanCommands* m_planCommands = nullptr;

    // Goes before the widgets it drives; they hold it through a QPointer, so the focus
    // events of the window's teardown find it gone rather than dangling.
    std::unique_ptr<ChannelEditorView> m_channelEditorView;
    std::unique_ptr<ChannelEditor> m_channelEditor;
};
