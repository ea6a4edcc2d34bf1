#pragma once

#include <QCoreApplication>
#include <QEvent>
#include <QObject>
#include <QWidget>
#include <QWindow>

// Ends the event loop once the watched window has been exposed and painted for the first time.
// The exit is queued, so that it runs after the whole window has been painted and flushed.
class TExitWhenShown : public QObject
{
public:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        auto* window = qobject_cast<QWidget*>(watched);
        if (!m_exiting && event->type() == QEvent::Paint && window != nullptr &&
            window->windowHandle() != nullptr && window->windowHandle()->isExposed()) {
            m_exiting = true;
            QMetaObject::invokeMethod(
                QCoreApplication::instance(), [] { QCoreApplication::exit(0); }, Qt::QueuedConnection);
        }
        return false;
    }

private:
    bool m_exiting = false;
};
