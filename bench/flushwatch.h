#pragma once

#include <QCoreApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QObject>
#include <chrono>
#include <functional>

#ifdef TALLYRUN_BENCH_XCB
#include <cstdlib>
#include <xcb/xcb.h>
#endif

// Waits until the X server has handled every request the program has sent so far, so that a
// flushed paint is on the display; does nothing off X or without libxcb's headers.
inline void syncDisplay() {
#ifdef TALLYRUN_BENCH_XCB
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (xcb_connection_t* connection = x11 ? x11->connection() : nullptr)
        std::free(xcb_get_input_focus_reply(connection, xcb_get_input_focus(connection), nullptr));
#endif
}

// Installed on a window: serves its update requests (each paints the window and flushes it to
// the display), then notes the time and calls onFlush.
class FlushWatch final : public QObject {
public:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (m_serving || event->type() != QEvent::UpdateRequest)
            return false;
        m_serving = true;
        QCoreApplication::sendEvent(watched, event);
        m_serving = false;
        syncDisplay();
        lastFlush = std::chrono::steady_clock::now();
        ++flushes;
        if (onFlush)
            onFlush();
        return true;
    }

    std::chrono::steady_clock::time_point lastFlush;
    long flushes = 0;
    std::function<void()> onFlush;

private:
    bool m_serving = false;
};
