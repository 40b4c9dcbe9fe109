// The maker's web page, opened through the desktop shell on behalf of a window.
#pragma once

#include <QtGlobal>

// The maker's web address; a reserved example domain, so it names no real site.
inline constexpr char MakerWebAddress[] = "https://www.tavrin.example/";

// One shell call: the window's handle, "open", the address, no parameters, no working directory,
// a normal window. Its result is not looked at.
void OpenWebPage(quint32 window);
