// SPDX-License-Identifier: GPL-3.0-or-later
#include "bench/first_frame_probe.h"

#include <sys/resource.h>
#include <unistd.h>

#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <QWindow>
#include <chrono>
#include <cstdio>

namespace bench {

namespace {

long long nowMicroseconds() {
    return std::chrono::duration_cast<std::chrono::microseconds>(
               std::chrono::system_clock::now().time_since_epoch())
        .count();
}

}  // namespace

FirstFrameProbe::FirstFrameProbe(QWidget& window) : window_(window) {
    window_.installEventFilter(this);
}

bool FirstFrameProbe::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &window_ && event->type() == QEvent::Show && !watching_) {
        watching_ = true;
        window_.windowHandle()->installEventFilter(this);
    } else if (watched == window_.windowHandle() && event->type() == QEvent::Expose &&
               window_.windowHandle()->isExposed() && mappedMicroseconds_ == 0) {
        mappedMicroseconds_ = nowMicroseconds();
        // The expose paints and flushes the whole window before control comes
        // back to the event loop: the first frame is complete when this runs.
        QTimer::singleShot(0, [this] {
            const long long frame = nowMicroseconds();
            rusage usage{};
            getrusage(RUSAGE_SELF, &usage);
            std::printf("mapped_us=%lld frame_us=%lld maxrss_kb=%ld\n", mappedMicroseconds_, frame,
                        usage.ru_maxrss);
            std::fflush(stdout);
            _exit(0);
        });
    }
    return false;
}

}  // namespace bench
