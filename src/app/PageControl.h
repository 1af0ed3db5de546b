#pragma once

#include <QStackedWidget>

// A page control whose tab row is out of sight: pages change through the program's
// actions, and Ctrl+Tab / Ctrl+Shift+Tab cycle through them while the focus is inside.
class PageControl : public QStackedWidget
{
    Q_OBJECT

public:
    explicit PageControl(QWidget* parent = nullptr);

    void showPage(QWidget* page);
    void showNextPage(bool forward);
    // The page at `index` (the work pages build some only when first needed).
    virtual QWidget* pageAt(int index) { return widget(index); }

signals:
    // Another page came up (the show event of each page).
    void pageShown(QWidget* page);
};
