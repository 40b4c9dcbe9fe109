// The pictures of the Countdown window and the hourglass icon, painted from their descriptions.
// Used at build time by the tools that write what the program embeds and installs, and by the art
// tests; the program itself only loads the result (art/pictures.h). The title and the buttons are
// lettered in one face read from its file (art/lettering.h); painting them throws LetteringError
// when that face cannot letter them.
#pragma once

#include <QImage>

namespace art::painting {

// The hourglass is drawn in a square of this many pixels; it is the windows' icon at this size.
constexpr int kHourglassSize = 48;

QImage Background();      // 623 x 479, the title over a circular gradient
QImage StartButton();     // 154 x 30
QImage StopButton();      // 154 x 30
QImage SettingsButton();  // 154 x 30
QImage ExitButton();      // 154 x 30
QImage GreenLamp();       // 395 x 64
QImage YellowLamp();      // 395 x 64
QImage RedLamp();         // 395 x 64
QImage GreyBar();         // 395 x 64, one picture for all three lamp places
QImage Hourglass(int size = kHourglassSize);  // size x size, transparent background

} // namespace art::painting
