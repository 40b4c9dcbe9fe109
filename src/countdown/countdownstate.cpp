// The countdown step: counter, minutes, seconds, minutes text, seconds text, time text, in that order.
#include "countdownstate.h"

void CountdownState::CountdownStep()
{
    // Never below 0: no negative time is shown and -32768 cannot wrap.
    CtDn = CtDn > 0 ? static_cast<int16_t>(CtDn - 1) : int16_t{0};
    mm = static_cast<int16_t>(CtDn / 60);
    ss = static_cast<int16_t>(CtDn - 60 * mm);
    // Width 2 pads below 10 and lets 100 minutes and more keep all their digits.
    cMM = QStringLiteral("%1").arg(mm, 2, 10, QLatin1Char('0'));
    cSS = QStringLiteral("%1").arg(ss, 2, 10, QLatin1Char('0'));
    cCtDn = cMM + u':' + cSS;
}
