#pragma once

#include "app/PageControl.h"

class IconButton;
class LanguageTable;

// The menu page control "TeSPageControl2" on the left: file1, prog1, tool1 and help1, each
// with its icon buttons. What the buttons do is wired by the main window.
class MenuPages : public PageControl
{
    Q_OBJECT

public:
    explicit MenuPages(QWidget* parent = nullptr);

    QWidget* file1() const { return m_file1; }
    QWidget* prog1() const { return m_prog1; }
    QWidget* tool1() const { return m_tool1; }
    QWidget* help1() const { return m_help1; }

    IconButton* newButton() const { return m_new; }           // tefxSpeedButton5
    IconButton* openButton() const { return m_open; }         // tefxSpeedButton6
    IconButton* saveButton() const { return m_save; }         // tefxSpeedButton7
    IconButton* exitButton() const { return m_exit; }         // tefxSpeedButton8
    IconButton* readButton() const { return m_read; }         // tefxSpeedButton9
    IconButton* writeButton() const { return m_write; }       // tefxSpeedButton10
    IconButton* channelsButton() const { return m_channels; } // tefxSpeedButton11
    IconButton* settingsButton() const { return m_settings; } // tefxSpeedButton12
    IconButton* powerButton() const { return m_power; }       // tefxSpeedButton18
    IconButton* comPortButton() const { return m_comPort; }   // tefxSpeedButton13
    IconButton* languageButton() const { return m_language; } // tefxSpeedButton14
    IconButton* skinButton() const { return m_skin; }         // tefxSpeedButton15
    IconButton* helpButton() const { return m_help; }         // tefxSpeedButton16
    IconButton* aboutButton() const { return m_about; }       // tefxSpeedButton17

    void applyCaptions(const LanguageTable& table);

private:
    QWidget* addMenuPage(const QString& name);
    IconButton* addButton(QWidget* page, int slot, const QString& objectName, const QString& icon,
                          const QString& caption);

    QWidget* m_file1;
    QWidget* m_prog1;
    QWidget* m_tool1;
    QWidget* m_help1;
    IconButton* m_new;
    IconButton* m_open;
    IconButton* m_save;
    IconButton* m_exit;
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
