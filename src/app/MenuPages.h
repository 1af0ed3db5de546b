#pragma once

#include "app/PageControl.h"

#include "workspace/Language.h"

class IconButton;
class LanguageTable;

// The menu pages on the left: the file, programming, options and help menus, each with its
// icon buttons. What the buttons do is wired by the main window.
class MenuPages : public PageControl
{
    Q_OBJECT

public:
    explicit MenuPages(QWidget* parent = nullptr);

    QWidget* fileMenu() const { return m_fileMenu; }
    QWidget* programMenu() const { return m_programMenu; }
    QWidget* optionsMenu() const { return m_optionsMenu; }
    QWidget* helpMenu() const { return m_helpMenu; }

    IconButton* newButton() const { return m_new; }
    IconButton* openButton() const { return m_open; }
    IconButton* saveButton() const { return m_save; }
    IconButton* exitButton() const { return m_exit; }
    IconButton* printButton() const { return m_print; }
    IconButton* readButton() const { return m_read; }
    IconButton* writeButton() const { return m_write; }
    IconButton* channelsButton() const { return m_channels; }
    IconButton* settingsButton() const { return m_settings; }
    IconButton* powerButton() const { return m_power; }
    IconButton* comPortButton() const { return m_comPort; }
    IconButton* languageButton() const { return m_language; }
    IconButton* skinButton() const { return m_skin; }
    IconButton* helpButton() const { return m_help; }
    IconButton* aboutButton() const { return m_about; }

    void applyCaptions(const LanguageTable& table);
    // Each icon's tooltip: what it does and its shortcut; and the label of the print icon,
    // which no language table numbers.
    void applyTooltips(Language language);

private:
    QWidget* addMenuPage(const QString& name);
    IconButton* addButton(QWidget* page, int slot, const QString& objectName, const QString& icon,
                          const QString& caption);

    QWidget* m_fileMenu;
    QWidget* m_programMenu;
    QWidget* m_optionsMenu;
    QWidget* m_helpMenu;
    IconButton* m_new;
    IconButton* m_open;
    IconButton* m_save;
    IconButton* m_exit;
    IconButton* m_print;
    IconButton* m_read;
    IconButton* m_write;
    IconButton* m_channels;
    IconButton* m_settings;
    IconButton* m_power;
    IconButton* m_comPort;
    IconButton* m_language;
    IconButton* m_skin;
    IconButton* m_help;
    IconButton* m_about;
};
