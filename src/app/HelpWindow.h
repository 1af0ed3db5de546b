#pragma once

#include <QUrl>
#include <QWidget>

class QTextBrowser;

// The manual in a window of the program's own, for when the desktop cannot show it (no
// browser, a bare window manager): the shipped HTML, its links followed within the window.
class HelpWindow : public QWidget
{
    Q_OBJECT

public:
    explicit HelpWindow(QWidget* parent = nullptr);

    void showManual(const QUrl& manual);
    QTextBrowser* browser() const { return m_browser; }

private:
    QTextBrowser* m_browser;
};
