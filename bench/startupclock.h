#pragma once

#include <QApplication>
#include <QDialog>
#include <QEvent>
#include <QTimer>

#include <cstdio>
#include <ctime>

// The moment a program's first window is on screen: after the top-level dialog's first paint has
// been handled, the probe prints the monotonic clock ("shown <nanoseconds>") on standard output
// and rejects the dialog, so the program goes on to end as it would when the user closes it.
// bench_startup reads the line; the clock is the same for every process of the machine.
class ShownProbe final : public QObject
{
public:
    explicit ShownProbe(QApplication &app) : QObject(&app) { app.installEventFilter(this); }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        auto *dialog = qobject_cast<QDialog *>(watched);
        if (!m_seen && event->type() == QEvent::Paint && dialog && dialog->isWindow()) {
            m_seen = true;
            QTimer::singleShot(0, dialog, [dialog] {
                timespec now{};
                clock_gettime(CLOCK_MONOTONIC, &now);
                std::printf("shown %lld\n", static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec);
                std::fflush(stdout);
                dialog->reject();
            });
        }
        return QObject::eventFilter(watched, event);
    }

private:
    bool m_seen = false;
};
