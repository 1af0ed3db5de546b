#pragma once

#include <QApplication>
#include <QTimer>

#include <functional>

// Runs `act` on the modal dialog of type T as soon as it is up; `act` must close it. For a
// dialog that a click opens and whose exec() would otherwise wait for the user.
template <typename T> void whenModalShows(std::function<void(T&)> act)
{
    auto* timer = new QTimer(qApp);
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, qApp, [timer, act] {
        auto* dialog = qobject_cast<T*>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        timer->stop();
        timer->deleteLater();
        act(*dialog);
    });
    timer->start();
}
