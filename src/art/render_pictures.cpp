// Paints the pictures the program embeds and writes each as a picture file into the directory
// named by its one argument; fails, naming the word and the character, where the lettering face
// cannot letter a word. Run it headless: QT_QPA_PLATFORM=offscreen tavrin-render-pictures DIR
#include "art/lettering.h"
#include "art/painting.h"
#include "art/picturefile.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>

#include <cstdio>
#include <vector>

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
    // Every picture painted before any is written, so a face that cannot letter one leaves no
    // half-made set behind.
    std::vector<QByteArray> files;
    for (const Picture &picture : kPictures) {
        try {
            files.push_back(art::PictureFile(picture.paint()));
        } catch (const art::painting::LetteringError &error) {
            std::fprintf(stderr, "tavrin-render-pictures: the %s picture: %s\n", picture.file, error.what());
            return 1;
        }
    }
    for (std::size_t i = 0; i < files.size(); ++i) {
        QFile file(dir.filePath(QString::fromLatin1(kPictures[i].file)));
        if (!file.open(QIODevice::WriteOnly) || file.write(files[i]) != files[i].size() || !file.flush()) {
            std::fprintf(stderr, "tavrin-render-pictures: cannot write %s\n", qUtf8Printable(file.fileName()));
            return 1;
        }
    }
    return 0;
}
