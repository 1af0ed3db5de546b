#include "app/PageControl.h"

#include <QShortcut>

PageControl::PageControl(QWidget* parent) : QStackedWidget(parent)
{
    connect(this, &QStackedWidget::currentChanged, this,
            [this](int index) { emit pageShown(widget(index)); });
    // The page keys are shortcuts, so they come before the focused control sees the key:
    // some controls keep Ctrl+Tab to themselves (a drop-down list does).
    auto* next = new QShortcut(this);
    next->setKey(QKeySequence(Qt::CTRL | Qt::Key_Tab));
    next->setContext(Qt::WidgetWithChildrenShortcut);
    connect(next, &QShortcut::activated, this, [this] { showNextPage(true); });
    auto* previous = new QShortcut(this);
    previous->setKeys({QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab),
                       QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Tab)});
    previous->setContext(Qt::WidgetWithChildrenShortcut);
    connect(previous, &QShortcut::activated, this, [this] { showNextPage(false); });
}

void PageControl::showPage(QWidget* page)
{
    setCurrentWidget(page);
}

void PageControl::showNextPage(bool forward)
{
    if (count() == 0)
        return;
    const int step = forward ? 1 : count() - 1;
    setCurrentWidget(pageAt((currentIndex() + step) % count()));
}
