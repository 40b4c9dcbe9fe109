// Paints the pictures the program embeds and writes each as a picture file into the directory
// named by its one argument. Run it headless: QT_QPA_PLATFORM=offscreen tavrin-render-pictures DIR
#include "art/painting.h"
#include "art/picturefile.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>

#include <cstdio>

namespace {

struct Picture {
    const char *file;  // the name the program loads it by
    QImage (*paint)();
};

QImage Hourglass48()
{
    return art::painting::Hourglass();
}

const Picture kPictures[] = {
    {"background", art::painting::Background},
    {"start", art::painting::StartButton},
    {"stop", art::painting::StopButton},
    {"settings", art::painting::SettingsButton},
    {"exit", art::painting::ExitButton},
    {"green-lamp", art::painting::GreenLamp},
    {"yellow-lamp", art::painting::YellowLamp},
    {"red-lamp", art::painting::RedLamp},
    {"grey-bar", art::painting::GreyBar},
    {"hourglass", Hourglass48},
};

} // namespace

int main(int argc, char **argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s DIR\n", argc > 0 ? argv[0] : "tavrin-render-pictures");
        return 2;
    }
    QGuiApplication app(argc, argv);
    const QDir dir(QString::fromLocal8Bit(argv[1]));
    if (!dir.mkpath(QStringLiteral("."))) {
        std::fprintf(stderr, "tavrin-render-pictures: cannot create %s\n", argv[1]);
        return 1;
    }
    for (const Picture &picture : kPictures) {
        QFile file(dir.filePath(QString::fromLatin1(picture.file)));
        const QByteArray bytes = art::PictureFile(picture.paint());
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.flush()) {
            std::fprintf(stderr, "tavrin-render-pictures: cannot write %s\n", qUtf8Printable(file.fileName()));
            return 1;
        }
    }
    return 0;
}
