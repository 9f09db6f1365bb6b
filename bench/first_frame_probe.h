// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

class QWidget;

namespace bench {

// Benchmark builds only: notes when the window is first mapped and when its
// first complete frame has been drawn and flushed, prints both with the peak
// memory, and ends the process at once.
//
//     mapped_us=... frame_us=... maxrss_kb=...
//
// Times are microseconds of the real-time clock, so that a script can take
// them against the moment it started the program.
class FirstFrameProbe : public QObject {
public:
    explicit FirstFrameProbe(QWidget& window);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget& window_;
    long long mappedMicroseconds_ = 0;
    bool watching_ = false;
};

}  // namespace bench
