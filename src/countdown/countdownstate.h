// The Countdown window's countdown state: the seconds counter and the time text derived from it.
#pragma once

#include <QString>

#include <cstdint>

struct CountdownState
{
    // One second off the counter, then its minutes, seconds and their texts. A counter of 0 or less
    // steps to 0 and "00:00", so a countdown started there ends on its first tick.
    void CountdownStep();

    int16_t CtDn = 0, mm = 0, ss = 0;
    QString cMM, cSS, cCtDn;
};
