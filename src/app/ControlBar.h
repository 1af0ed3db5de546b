#pragma once

#include <QWidget>

#include <array>

class LanguageTable;
class QToolButton;

// The bar across the top of the main window with its toolbar: four flat menu buttons (file,
// programming, options, help) with spacers between them. The buttons have no click action; the
// menus follow the mouse, so the bar reports every time the mouse enters the toolbar, a button or a
// spacer.
class ControlBar : public QWidget
{
    Q_OBJECT

public:
    static constexpr int Height = 49;
    static constexpr int MenuCount = 4;

    explicit ControlBar(QWidget* parent = nullptr);

    QWidget* toolbar() const { return m_toolbar; }
    QToolButton* menuButton(int menu) const { return m_menuButtons[menu]; }

    void applyCaptions(const LanguageTable& table);

signals:
    void toolbarEntered();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* m_toolbar;
    std::array<QToolButton*, MenuCount> m_menuButtons{};
};
