// The pictures the program shows are the ones the painting code gives, pixel for pixel: painted at
// build time, embedded, and loaded once.
#include "art/painting.h"
#include "art/pictures.h"

#include <QPixmap>

#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace {

struct EmbeddedCase {
    const char *name;
    const QImage &(*shown)();
    QImage (*paint)();
};

// Names the case in test listings instead of dumping its bytes.
void PrintTo(const EmbeddedCase &c, std::ostream *os)
{
    *os << c.name;
}

QImage Hourglass48()
{
    return art::painting::Hourglass();
}

const EmbeddedCase kPictures[] = {
    {"Background", art::Background, art::painting::Background},
    {"Start", art::StartButton, art::painting::StartButton},
    {"Stop", art::StopButton, art::painting::StopButton},
    {"Settings", art::SettingsButton, art::painting::SettingsButton},
    {"Exit", art::ExitButton, art::painting::ExitButton},
    {"GreenLamp", art::GreenLamp, art::painting::GreenLamp},
    {"YellowLamp", art::YellowLamp, art::painting::YellowLamp},
    {"RedLamp", art::RedLamp, art::painting::RedLamp},
    {"GreyBar", art::GreyBar, art::painting::GreyBar},
    {"Hourglass", art::Hourglass, Hourglass48},
};

class EmbeddedPictureTest : public ::testing::TestWithParam<EmbeddedCase> {};

TEST_P(EmbeddedPictureTest, IsThePaintingPixelForPixel)
{
    const EmbeddedCase &c = GetParam();
    const QImage &shown = c.shown();
    ASSERT_FALSE(shown.isNull()) << c.name << " does not load";
    const QImage painted = c.paint();
    ASSERT_EQ(shown.size(), painted.size()) << c.name;
    // One format both convert to without loss: opaque, grey and premultiplied pictures alike.
    const QImage a = shown.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const QImage b = painted.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            ASSERT_EQ(a.pixel(x, y), b.pixel(x, y)) << c.name << " differs first at (" << x << ", " << y << ")";
}

TEST_P(EmbeddedPictureTest, IsLoadedOnceAndKept)
{
    const EmbeddedCase &c = GetParam();
    EXPECT_EQ(&c.shown(), &c.shown());
}

std::string CaseName(const ::testing::TestParamInfo<EmbeddedCase> &param)
{
    return param.param.name;
}

INSTANTIATE_TEST_SUITE_P(art, EmbeddedPictureTest, ::testing::ValuesIn(kPictures), CaseName);

TEST(artHourglass, IconServesThePicture)
{
    const QIcon &icon = art::HourglassIcon();
    EXPECT_FALSE(icon.isNull());
    EXPECT_EQ(&icon, &art::HourglassIcon());
    EXPECT_TRUE(icon.availableSizes().contains(QSize(48, 48)));
    const QImage at48 = icon.pixmap(48, 48).toImage().convertToFormat(QImage::Format_ARGB32);
    EXPECT_EQ(at48, art::Hourglass().convertToFormat(QImage::Format_ARGB32));
    EXPECT_EQ(icon.pixmap(16, 16).size(), QSize(16, 16));
}

} // namespace
