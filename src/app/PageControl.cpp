#include "app/PageControl.h"

#include <QKeyEvent>
#include <QShortcut>

PageControl::PageControl(QWidget* parent) : QStackedWidget(parent)
{
    connect(this, &QStackedWidget::currentChanged, this,
            [this](int index) { emit pageShown(widget(index)); });
    // Some controls keep Ctrl+Tab to themselves (a drop-down list does), so the page keys
    // are shortcuts too: those come before the focused control sees the key.
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
    setCurrentIndex((currentIndex() + step) % count());
}

bool PageControl::event(QEvent* event)
{
    // Ctrl+Tab reaches here from any child that does not use it, such as the channel grid.
    if (event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        const bool ctrl = key->modifiers() & Qt::ControlModifier;
        if (ctrl && (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab)) {
            showNextPage(key->key() == Qt::Key_Tab && !(key->modifiers() & Qt::ShiftModifier));
            return true;
        }
    }
    return QStackedWidget::event(event);
}
