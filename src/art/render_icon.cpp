// Writes the hourglass icon, painted at SIZE x SIZE pixels, to a PNG file (for the desktop entry).
// Run it headless: QT_QPA_PLATFORM=offscreen tavrin-render-icon SIZE OUTPUT.png
#include "art/painting.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>

#include <cstdio>

int main(int argc, char **argv)
{
    bool sized = false;
    const int size = argc == 3 ? QByteArray(argv[1]).toInt(&sized) : 0;
    if (!sized || size < 1) {
        std::fprintf(stderr, "usage: %s SIZE OUTPUT.png\n", argc > 0 ? argv[0] : "tavrin-render-icon");
        return 2;
    }
    QGuiApplication app(argc, argv);
    const QString path = QString::fromLocal8Bit(argv[2]);
    // The file goes into a hicolor tree: NxN/apps/ under it.
    if (!QDir().mkpath(QFileInfo(path).path()) || !art::painting::Hourglass(size).save(path, "PNG")) {
        std::fprintf(stderr, "tavrin-render-icon: cannot write %s\n", argv[2]);
        return 1;
    }
    return 0;
}
