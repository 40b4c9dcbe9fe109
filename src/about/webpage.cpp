#include "webpage.h"

#include "runtime/shell.h"

void OpenWebPage(quint32 window)
{
    rt::ShellExecute(window, "open", MakerWebAddress, nullptr, nullptr, rt::ShowNormal);
}
