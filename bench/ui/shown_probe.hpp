// Tells the moment a program's first window has been shown and painted, on
// standard output as steady-clock nanoseconds, then ends the program.
#pragma once

#include <QCoreApplication>
#include <QEvent>
#include <QObject>
#include <QWindow>
#include <chrono>
#include <cstdio>

class ShownProbe final : public QObject {
public:
    ShownProbe() { QCoreApplication::instance()->installEventFilter(this); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* window = qobject_cast<QWindow*>(watched);
        if (done_ || event->type() != QEvent::Expose || window == nullptr) {
            return QObject::eventFilter(watched, event);
        }
        // The window handles its expose here and now, which paints it and
        // puts it on the screen; that moment is the one reported.
        static_cast<QObject*>(window)->event(event);
        if (window->isExposed()) {
            done_ = true;
            const auto now = std::chrono::steady_clock::now().time_since_epoch();
            std::printf("%lld\n", static_cast<long long>(std::chrono::nanoseconds(now).count()));
            std::fflush(stdout);
            QMetaObject::invokeMethod(
                QCoreApplication::instance(), [] { QCoreApplication::exit(0); },
                Qt::QueuedConnection);
        }
        return true;
    }

private:
    bool done_ = false;
};
