// Says when the progress fields are due for repainting during a run: at
// most once per interval, so that painting costs a run little however
// many files it converts.
#pragma once

#include <windows.h>

class RepaintThrottle {
public:
    explicit RepaintThrottle(DWORD intervalMs) : m_interval(intervalMs) {}

    // now and the last repaint are tick counts; their difference survives
    // the counter's wrap-around.
    bool IsDue(DWORD now) const { return !m_painted || now - m_lastPaint >= m_interval; }
    void Painted(DWORD now) {
        m_lastPaint = now;
        m_painted = true;
    }

private:
    DWORD m_interval;
    DWORD m_lastPaint = 0;
    bool m_painted = false;
};
