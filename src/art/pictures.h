// The pictures the windows show and the hourglass icon: painted at build time, embedded in the
// program, loaded once on first use and kept.
#pragma once

#include <QIcon>
#include <QImage>

namespace art {

const QImage &Background();      // 623 x 479, the title over a circular gradient
const QImage &StartButton();     // 154 x 30
const QImage &StopButton();      // 154 x 30
const QImage &SettingsButton();  // 154 x 30
const QImage &ExitButton();      // 154 x 30
const QImage &GreenLamp();       // 395 x 64
const QImage &YellowLamp();      // 395 x 64
const QImage &RedLamp();         // 395 x 64
const QImage &GreyBar();         // 395 x 64, one picture for all three lamp places
const QImage &Hourglass();       // 48 x 48, transparent background
const QIcon &HourglassIcon();    // the icon of every window

} // namespace art
