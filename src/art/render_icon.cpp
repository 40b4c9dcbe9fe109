// Writes the hourglass icon to the PNG file named by its one argument (for the desktop entry).
// Run it headless: QT_QPA_PLATFORM=offscreen tavrin-render-icon out.png
#include "art/painting.h"

#include <QGuiApplication>

#include <cstdio>

int main(int argc, char **argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT.png\n", argc > 0 ? argv[0] : "tavrin-render-icon");
        return 2;
    }
    QGuiApplication app(argc, argv);
    const QString path = QString::fromLocal8Bit(argv[1]);
    if (!art::painting::Hourglass().save(path, "PNG")) {
        std::fprintf(stderr, "tavrin-render-icon: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
