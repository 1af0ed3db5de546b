#include "app/PageControl.h"

#include <QKeyEvent>

PageControl::PageControl(QWidget* parent) : QStackedWidget(parent)
{
    connect(this, &QStackedWidget::currentChanged, this,
            [this](int index) { emit pageShown(widget(index)); });
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
