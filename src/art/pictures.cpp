// The pictures of the Countdown window and the hourglass icon. They are painted at build time
// (art/painting.h) and embedded as resources; here each is loaded once, on first use, and kept.
#include "art/pictures.h"

#include "art/picturefile.h"

#include <QIconEngine>
#include <QPainter>
#include <QPixmap>
#include <QResource>

namespace art {

namespace {

// The embedded picture file `name`, read in place from the resource data. The build checks that
// every picture loads (tavrin-check-pictures), so a null image here is a build fault.
QImage Load(const QString &name)
{
    const QResource resource(QStringLiteral(":/art/") + name);
    return FromPictureFile(resource.data(), resource.size());
}

// Serves the hourglass at any size, painted from the one picture; holds no pixmap of its own, so
// nothing of it outlives the application.
class HourglassEngine final : public QIconEngine {
public:
    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state) override
    {
        painter->drawPixmap(rect, pixmap(rect.size(), mode, state));
    }

    QSize actualSize(const QSize &size, QIcon::Mode, QIcon::State) override
    {
        return Hourglass().size().scaled(size, Qt::KeepAspectRatio).boundedTo(Hourglass().size())
            .expandedTo(QSize(1, 1));
    }

    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State) override
    {
        QImage image = Hourglass();
        if (size != image.size() && !size.isEmpty())
            image = image.scaled(size, Qt::KeepAspectRatio, Qt::SmoothTransformation);
        if (mode == QIcon::Disabled) {
            QImage grey = image.convertToFormat(QImage::Format_ARGB32);
            for (int y = 0; y < grey.height(); ++y) {
                auto *line = reinterpret_cast<QRgb *>(grey.scanLine(y));
                for (int x = 0; x < grey.width(); ++x) {
                    const int g = qGray(line[x]);
                    line[x] = qRgba(g, g, g, qAlpha(line[x]) / 2);
                }
            }
            image = grey;
        }
        return QPixmap::fromImage(image);
    }

    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override { return {Hourglass().size()}; }
    QString key() const override { return QStringLiteral("tavrin-hourglass"); }
    QIconEngine *clone() const override { return new HourglassEngine; }
    bool isNull() override { return false; }
};

} // namespace

const QImage &Background()
{
    static const QImage image = Load(QStringLiteral("background"));
    return image;
}

const QImage &StartButton()
{
    static const QImage image = Load(QStringLiteral("start"));
    return image;
}

const QImage &StopButton()
{
    static const QImage image = Load(QStringLiteral("stop"));
    return image;
}

const QImage &SettingsButton()
{
    static const QImage image = Load(QStringLiteral("settings"));
    return image;
}

const QImage &ExitButton()
{
    static const QImage image = Load(QStringLiteral("exit"));
    return image;
}

const QImage &GreenLamp()
{
    static const QImage image = Load(QStringLiteral("green-lamp"));
    return image;
}

const QImage &YellowLamp()
{
    static const QImage image = Load(QStringLiteral("yellow-lamp"));
    return image;
}

const QImage &RedLamp()
{
    static const QImage image = Load(QStringLiteral("red-lamp"));
    return image;
}

const QImage &GreyBar()
{
    static const QImage image = Load(QStringLiteral("grey-bar"));
    return image;
}

const QImage &Hourglass()
{
    static const QImage image = Load(QStringLiteral("hourglass"));
    return image;
}

const QIcon &HourglassIcon()
{
    static const QIcon icon(new HourglassEngine);
    return icon;
}

} // namespace art
