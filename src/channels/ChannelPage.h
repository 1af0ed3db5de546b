#pragma once

#include <QWidget>

class ChannelGrid;
class ChannelTable;
class LanguageTable;
class QPushButton;

// The work page "x1": the channel grid and, under it, the channel up, channel down and
// delete buttons.
class ChannelPage : public QWidget
{
    Q_OBJECT

public:
    explicit ChannelPage(ChannelTable& table, QWidget* parent = nullptr);

    ChannelGrid* grid() const { return m_grid; }
    QPushButton* upButton() const { return m_up; }         // tefxButton1
    QPushButton* downButton() const { return m_down; }     // tefxButton2
    QPushButton* deleteButton() const { return m_delete; } // tefxButton3

    void applyCaptions(const LanguageTable& table);

private:
    ChannelGrid* m_grid;
    QPushButton* m_up;
    QPushButton* m_down;
    QPushButton* m_delete;
};
