// The start value from the start-time text: only the number before the colon counts.
#include "startseconds.h"

#include "runtime/conversions.h"
#include "runtime/floatingpoint.h"
#include "runtime/runtimeerror.h"

#include <cmath>
#include <limits>

int16_t StartSeconds(QStringView text)
{
    const double minutes = rt::LeadingNumber(text);

    rt::ClearFloatingPointFlags();
    // Volatile keeps the multiplication between clearing and testing the flags, unfolded.
    const volatile double operand = minutes;
    const volatile double product = operand * 60.0;
    rt::RaiseOnFloatingPointFlags();

    // Under the default rounding mode a halfway product goes to the even neighbour: 7.5 -> 8, 22.5 -> 22.
    const double seconds = std::nearbyint(product);
    // Written so that a NaN fails too, should one ever slip past the flags.
    if (!(seconds >= std::numeric_limits<int16_t>::min() && seconds <= std::numeric_limits<int16_t>::max()))
        rt::Raise(rt::err::Overflow);
    return static_cast<int16_t>(seconds);
}
