// The start value: the seconds a start-time text stands for.
#pragma once

#include <QStringView>

#include <cstdint>

// The text's leading number as minutes, in whole seconds rounded half to even. Raises error 6
// "Overflow" outside -32768..32767, and the floating-point error when the multiplication faults.
int16_t StartSeconds(QStringView text);
