#pragma once

#include <QApplication>
#include <QEvent>
#include <QMetaObject>
#include <QObject>
#include <QPointer>

#include <functional>

namespace powerball::testing {

// While it lives, runs `handle` with every dialog of type T that shows, from inside that
// dialog's own event loop: a modal exec() is running by then, so the handler may click its
// buttons. Nothing polls for the dialog on a timer.
template <class T> class DialogWatch : public QObject {
public:
    explicit DialogWatch(std::function<void(T*)> handle) : m_handle(std::move(handle)) {
        QApplication::instance()->installEventFilter(this);
    }
    ~DialogWatch() override { QApplication::instance()->removeEventFilter(this); }
    DialogWatch(const DialogWatch&) = delete;
    DialogWatch& operator=(const DialogWatch&) = delete;

    int shown() const { return m_shown; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show) {
            if (auto* dialog = qobject_cast<T*>(watched)) {
                ++m_shown;
                QPointer<T> open(dialog);
                QMetaObject::invokeMethod(
                    this,
                    [this, open] {
                        if (open && open->isVisible())
                            m_handle(open.data());
                    },
                    Qt::QueuedConnection);
            }
        }
        return QObject::eventFilter(watched, event);
    }

private:
    std::function<void(T*)> m_handle;
    int m_shown = 0;
};

} // namespace powerball::testing
