// The windows' default font and the application's fonts.
#pragma once

#include <QFont>

namespace rt {

// The font of every window, and so of the controls that set none: Arial at 10 pixels, small enough
// that the short labels the layout was drawn for ("Message Time:") fit their width.
QFont DefaultFont();

// Makes the windows' default font the application's general font, for the process entry to call
// before any window loads: a text box lays out its text in the general font before it takes its
// window's, so otherwise start-up loads a face no window shows. Menus (a text box's context menu)
// and the message box keep what the desktop gives them: its theme's own font for them, else its
// general font.
void UseDefaultFontForApplication();

} // namespace rt
