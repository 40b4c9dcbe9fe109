// The windows' default font and the application's fonts.
#pragma once

#include <QFont>

namespace rt {

// The font of every window, and so of the controls that set none: Arial at 10 pixels, small enough
// that the short labels the layout was drawn for ("Message Time:") fit their width.
QFont DefaultFont();

// Makes the windows' default font the application's, for the process entry to call before any
// window loads. A text box lays out its text in the application's font before it takes its
// window's, so otherwise start-up loads a face no window shows. The message box and menus (a text
// box's context menu) keep the desktop's font, as before.
void UseDefaultFontForApplication();

} // namespace rt
