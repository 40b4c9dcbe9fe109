// Process entry: starts the windowing runtime with the Countdown window as the start-up window.
#include "countdown/main_window.h"

#include "runtime/dispatch.h"
#include "runtime/fonts.h"

#include <QApplication>

int main(int argc, char **argv)
{
    // The timer takes no command line: only the program name reaches the toolkit.
    int argumentCount = argc > 0 ? 1 : 0;
    QApplication application(argumentCount, argv);
    QApplication::setApplicationName(QStringLiteral("Tavrin Activity Timer"));
    QApplication::setApplicationVersion(QStringLiteral(TAVRIN_VERSION));
    // Windows end the loop through the runtime, once none is loaded; a hidden one is not closed.
    QApplication::setQuitOnLastWindowClosed(false);
    rt::UseDefaultFontForApplication();
    rt::Dispatch([] { forms::main().Show(); });
    return rt::Run();
}
