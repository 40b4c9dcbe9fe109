// The painted pictures and the hourglass icon against what they must show: sizes, colours at the
// defining points, where the lettering lies, and the icon at the sizes desktops ask for.
#include "art/lettering.h"
#include "art/painting.h"

#include <QRawFont>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <ostream>
#include <string>
#include <vector>

namespace {

using Paint = QImage (*)();

// Each picture painted once for the whole run: the background takes tens of milliseconds.
const QImage &Painted(Paint paint)
{
    static std::map<Paint, QImage> painted;
    auto found = painted.find(paint);
    if (found == painted.end())
        found = painted.emplace(paint, paint()).first;
    return found->second;
}

// A colour as the description gives it, 0x00BBGGRR.
QRgb Bgr(quint32 value)
{
    return qRgb(int(value & 0xFFu), int((value >> 8) & 0xFFu), int((value >> 16) & 0xFFu));
}

int Distance(QRgb a, QRgb b)
{
    return std::max({std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)),
                     std::abs(qBlue(a) - qBlue(b))});
}

QRgb Mix(QRgb a, QRgb b, double t)
{
    auto ch = [t](int x, int y) { return int(std::lround(x + (y - x) * t)); };
    return qRgb(ch(qRed(a), qRed(b)), ch(qGreen(a), qGreen(b)), ch(qBlue(a), qBlue(b)));
}

std::string Hex(QRgb c)
{
    char text[16];
    std::snprintf(text, sizeof text, "#%02X%02X%02X", qRed(c), qGreen(c), qBlue(c));
    return text;
}

bool IsWhite(QRgb c)
{
    return qRed(c) >= 235 && qGreen(c) >= 235 && qBlue(c) >= 235;
}

// ---- The table: every picture, its size and its colours at the defining points ----

struct Point {
    int x, y;
    QRgb colour;
    const char *what;
};

struct PictureCase {
    const char *name;
    Paint paint;
    QSize size;
    std::vector<Point> points;

    const QImage &picture() const { return Painted(paint); }
};

std::vector<Point> ButtonPoints(quint32 top, quint32 mid, quint32 bottom)
{
    std::vector<Point> points;
    for (int x : {2, 151}) {   // left and right of the word
        points.push_back({x, 0, Bgr(top), "top row"});
        points.push_back({x, 29, Bgr(bottom), "bottom row"});
        // Mid-height lies between rows 14 and 15.
        points.push_back({x, 14, Bgr(mid), "mid-height (row 14)"});
        points.push_back({x, 15, Bgr(mid), "mid-height (row 15)"});
    }
    return points;
}

QRgb Average(quint32 a, quint32 b)
{
    return Mix(Bgr(a), Bgr(b), 0.5);
}

std::vector<Point> LampPoints(quint32 centre, quint32 halfway, quint32 ends)
{
    // 395 x 64: the centre lies in column 197 between rows 31 and 32; the ends are columns 0 and 394,
    // 197 columns from the centre; halfway is 98.5 columns from it.
    return {
        {197, 31, Bgr(centre), "centre"},
        {197, 32, Bgr(centre), "centre"},
        {99, 31, Bgr(halfway), "halfway to the left end"},
        {295, 32, Bgr(halfway), "halfway to the right end"},
        {0, 31, Bgr(ends), "left end"},
        {394, 32, Bgr(ends), "right end"},
        {0, 0, Bgr(ends), "top-left corner"},
        {394, 0, Bgr(ends), "top-right corner"},
        {0, 63, Bgr(ends), "bottom-left corner"},
        {394, 63, Bgr(ends), "bottom-right corner"},
    };
}

// The background's circular gradient, from the description: even with the distance from the
// centre, light cyan there, deep blue at the corner pixels.
QRgb BackgroundGradientAt(int x, int y)
{
    const double d = std::hypot(x - 311.0, y - 239.0);
    return Mix(Bgr(0x00FFFF80), Bgr(0x00C00000), std::min(1.0, d / std::hypot(311.0, 239.0)));
}

std::vector<Point> BackgroundPoints()
{
    std::vector<Point> points = {
        {311, 239, Bgr(0x00FFFF80), "centre"},
        {0, 0, Bgr(0x00C00000), "top-left corner"},
        {622, 0, Bgr(0x00C00000), "top-right corner"},
        {0, 478, Bgr(0x00C00000), "bottom-left corner"},
        {622, 478, Bgr(0x00C00000), "bottom-right corner"},
    };
    // Evenly with the distance: halfway along each diagonal is halfway between the colours, and
    // the same distance in any direction gives the same colour.
    const QRgb half = Average(0x00FFFF80, 0x00C00000);
    points.push_back({311 - 155, 239 - 119, half, "halfway to the top-left corner"});
    points.push_back({311 + 155, 239 + 120, half, "halfway to the bottom-right corner"});
    points.push_back({311 - 200, 239, BackgroundGradientAt(111, 239), "200 px left of the centre"});
    points.push_back({311, 239 + 200, BackgroundGradientAt(311, 439), "200 px below the centre"});
    return points;
}

const std::vector<PictureCase> &Cases()
{
    static const std::vector<PictureCase> cases = {
        {"Background", art::painting::Background, {623, 479}, BackgroundPoints()},
        {"Start", art::painting::StartButton, {154, 30}, ButtonPoints(0x00C10602, 0, 0x00F3B445)},
        {"Stop", art::painting::StopButton, {154, 30}, ButtonPoints(0x001414B0, 0x001919E5, 0x004C4CEC)},
        {"Settings", art::painting::SettingsButton, {154, 30}, ButtonPoints(0x00B01452, 0x00E5196B, 0x00EC4C8C)},
        {"Exit", art::painting::ExitButton, {154, 30}, ButtonPoints(0x004C4CEC, 0x001919E3, 0x001313AD)},
        {"GreenLamp", art::painting::GreenLamp, {395, 64}, LampPoints(0x004AEC8B, 0x0019E36A, 0x0013AD51)},
        {"YellowLamp", art::painting::YellowLamp, {395, 64}, LampPoints(0x004ADBEC, 0x0019CEE3, 0x00139DAD)},
        {"RedLamp", art::painting::RedLamp, {395, 64}, LampPoints(0x004A4AEC, 0x001919E3, 0x001313AD)},
        {"GreyBar", art::painting::GreyBar, {395, 64}, LampPoints(0x00BDBDBD, 0x00A8A8A8, 0x00808080)},
    };
    return cases;
}

// Names the case in test listings instead of dumping its bytes.
void PrintTo(const PictureCase &c, std::ostream *os)
{
    *os << c.name;
}

class PictureTest : public ::testing::TestWithParam<PictureCase> {};

constexpr int kTolerance = 3;

TEST_P(PictureTest, HasItsSizeAndItsColoursAtTheDefiningPoints)
{
    PictureCase c = GetParam();
    if (c.points.size() > 2 && c.points[2].colour == Bgr(0)) {
        // Start has no mid-height stop: there it is halfway between top and bottom.
        for (Point &p : c.points)
            if (p.y == 14 || p.y == 15)
                p.colour = Average(0x00C10602, 0x00F3B445);
    }
    const QImage &image = c.picture();
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(image.size(), c.size);
    EXPECT_FALSE(image.hasAlphaChannel());
    for (const Point &p : c.points) {
        const QRgb got = image.pixel(p.x, p.y);
        EXPECT_LE(Distance(got, p.colour), kTolerance)
            << c.name << " " << p.what << " (" << p.x << ", " << p.y << "): got " << Hex(got)
            << ", want " << Hex(p.colour);
    }
}

std::string CaseName(const ::testing::TestParamInfo<PictureCase> &param)
{
    return param.param.name;
}

INSTANTIATE_TEST_SUITE_P(art, PictureTest, ::testing::ValuesIn(Cases()), CaseName);

// ---- The lamps: a glow along the bar, top and bottom edges only a little darker ----

TEST(artLamps, TopAndBottomEdgesAreOnlyALittleDarkerThanTheCentre)
{
    for (const PictureCase &c : Cases()) {
        if (c.size != QSize(395, 64))
            continue;
        const QImage &image = c.picture();
        const QRgb centre = image.pixel(197, 31);
        const QRgb halfway = image.pixel(99, 31);
        for (int y : {0, 63}) {
            const QRgb edge = image.pixel(197, y);
            EXPECT_GT(Distance(edge, centre), 0) << c.name << " row " << y;
            EXPECT_LT(Distance(edge, centre), Distance(halfway, centre) / 2) << c.name << " row " << y;
            EXPECT_LE(qGray(edge), qGray(centre)) << c.name << " row " << y;
        }
        // The colour depends mainly on the distance along the bar: darker towards both ends.
        for (int y : {0, 31, 63})
            for (int x = 1; x <= 197; ++x) {
                ASSERT_LE(qGray(image.pixel(x - 1, y)), qGray(image.pixel(x, y))) << c.name << " " << x;
                ASSERT_LE(qGray(image.pixel(394 - x + 1, y)), qGray(image.pixel(394 - x, y))) << c.name;
            }
    }
}

// ---- The background: the gradient everywhere but the title, the title where it belongs ----

TEST(artBackground, ShowsNothingButTheGradientOutsideTheTitle)
{
    const QImage &image = Painted(art::painting::Background);
    int top = image.height(), bottom = -1, left = image.width(), right = -1;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const int d = Distance(image.pixel(x, y), BackgroundGradientAt(x, y));
            if (d > 1) {
                top = std::min(top, y);
                bottom = std::max(bottom, y);
                left = std::min(left, x);
                right = std::max(right, x);
            }
        }
    // The title's ink, including its soft edge, runs from row 22 to row 69 and nowhere else.
    EXPECT_EQ(top, 22);
    EXPECT_EQ(bottom, 69);
    EXPECT_NEAR((left + right) / 2.0, 311.0, 1.0) << "ink columns " << left << " to " << right;
    EXPECT_GT(right - left, 300) << "one line of title across the top";
    EXPECT_GE(left, 10);
    EXPECT_LE(right, 612);
}

TEST(artBackground, TitleIsWhiteLettersCentredInRows22To69)
{
    const QImage &image = Painted(art::painting::Background);
    int top = image.height(), bottom = -1, left = image.width(), right = -1, count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (IsWhite(image.pixel(x, y))) {
                ++count;
                top = std::min(top, y);
                bottom = std::max(bottom, y);
                left = std::min(left, x);
                right = std::max(right, x);
            }
    ASSERT_GT(count, 2000) << "white letters";
    EXPECT_GE(top, 22);
    EXPECT_LE(bottom, 69);
    EXPECT_GE(bottom - top + 1, 40) << "the white letters fill the rows but for their thin edge";
    EXPECT_NEAR((left + right) / 2.0, 311.0, 1.5) << "white columns " << left << " to " << right;
    // The edge is darker than the picture around it: just above the top of the white, the rows
    // hold pixels darker than the gradient.
    int darker = 0;
    for (int x = left; x <= right; ++x)
        for (int y = top - 2; y <= top; ++y)
            if (qGray(image.pixel(x, y)) + 8 < qGray(BackgroundGradientAt(x, y)))
                ++darker;
    EXPECT_GT(darker, 10) << "a darker edge around the letters";
}

// ---- The buttons: the word white, centred, crisp, inside the middle ----

struct WordBox {
    int top, bottom, left, right, count;
};

WordBox WhiteBox(const QImage &image)
{
    WordBox box{image.height(), -1, image.width(), -1, 0};
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (IsWhite(image.pixel(x, y))) {
                ++box.count;
                box.top = std::min(box.top, y);
                box.bottom = std::max(box.bottom, y);
                box.left = std::min(box.left, x);
                box.right = std::max(box.right, x);
            }
    return box;
}

struct ButtonCase {
    const char *word;
    Paint paint;
    bool descender;
};

const ButtonCase kButtons[] = {
    {"Start", art::painting::StartButton, false},
    {"Stop", art::painting::StopButton, true},
    {"Settings", art::painting::SettingsButton, true},
    {"Exit", art::painting::ExitButton, false},
};

TEST(artButtons, WordIsWhiteAndCentredInTheMiddle)
{
    std::vector<int> baselines;
    for (const ButtonCase &b : kButtons) {
        const QImage &image = Painted(b.paint);
        const WordBox box = WhiteBox(image);
        ASSERT_GT(box.count, 60) << b.word;
        EXPECT_NEAR((box.left + box.right) / 2.0, 76.5, 1.0) << b.word << " columns " << box.left << "-" << box.right;
        EXPECT_GE(box.left, 20) << b.word;
        EXPECT_LE(box.right, 133) << b.word;
        EXPECT_GE(box.top, 3) << b.word;
        EXPECT_LE(box.bottom, 26) << b.word;
        EXPECT_GE(box.bottom - box.top + 1, 11) << b.word << ": letters large enough to read";
        if (!b.descender) {
            // Capitals centred vertically: as much room above as below them.
            EXPECT_NEAR((box.top + box.bottom) / 2.0, 14.5, 1.0) << b.word;
            baselines.push_back(box.bottom);
        }
        // A thin dark outline: next to the white there are dark pixels.
        int dark = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (qGray(image.pixel(x, y)) < 60)
                    ++dark;
        EXPECT_GT(dark, box.count / 4) << b.word;
    }
    ASSERT_EQ(baselines.size(), 2u);
    EXPECT_EQ(baselines[0], baselines[1]) << "one baseline for all the words";
}

TEST(artButtons, OnlyTheGradientAwayFromTheWord)
{
    for (const ButtonCase &b : kButtons) {
        const QImage &image = Painted(b.paint);
        for (int y = 0; y < image.height(); ++y) {
            const QRgb row = image.pixel(0, y);
            for (int x : {1, 5, 10, 143, 148, 153})
                EXPECT_EQ(image.pixel(x, y), row) << b.word << " row " << y << " column " << x;
            // Nothing of the word on the top and bottom rows.
            for (int x = 0; x < image.width(); ++x) {
                if (y == 0 || y == image.height() - 1) {
                    ASSERT_EQ(image.pixel(x, y), row) << b.word << " row " << y << " column " << x;
                }
            }
        }
        // The gradient runs evenly down: no row is out of order between its stops.
        EXPECT_NE(image.pixel(0, 0), image.pixel(0, 29)) << b.word;
    }
}

// ---- The hourglass icon ----

TEST(artHourglass, IsA48PixelTransparentPicture)
{
    const QImage image = art::painting::Hourglass();
    EXPECT_EQ(image.size(), QSize(48, 48));
    EXPECT_TRUE(image.hasAlphaChannel());
    for (QPoint corner : {QPoint(0, 0), QPoint(47, 0), QPoint(0, 47), QPoint(47, 47), QPoint(9, 20), QPoint(37, 20)})
        EXPECT_EQ(qAlpha(image.pixel(corner)), 0) << corner.x() << ", " << corner.y();
}

TEST(artHourglass, Stands29WideAnd38TallInTheMiddle)
{
    const QImage image = art::painting::Hourglass();
    int top = 48, bottom = -1, left = 48, right = -1;
    for (int y = 0; y < 48; ++y)
        for (int x = 0; x < 48; ++x)
            if (qAlpha(image.pixel(x, y)) > 0) {
                top = std::min(top, y);
                bottom = std::max(bottom, y);
                left = std::min(left, x);
                right = std::max(right, x);
            }
    EXPECT_EQ(right - left + 1, 29);
    EXPECT_EQ(bottom - top + 1, 38);
    EXPECT_NEAR((left + right) / 2.0, 23.5, 0.5);
    EXPECT_EQ(top, 5);
    EXPECT_EQ(bottom, 42);
}

TEST(artHourglass, HasOpaqueGreenCapsThreePixelsThick)
{
    const QImage image = art::painting::Hourglass();
    const QRgb green = Bgr(0x0018D865);
    for (int y : {5, 6, 7, 40, 41, 42})
        for (int x = 9; x <= 37; ++x) {
            const QRgb c = image.pixel(x, y);
            ASSERT_EQ(qAlpha(c), 255) << x << ", " << y;
            ASSERT_LE(Distance(c, green), 1) << x << ", " << y << ": " << Hex(c);
        }
    // Three pixels thick: the row inside each cap is glass, not green.
    for (int y : {8, 39})
        EXPECT_GT(Distance(image.pixel(30, y), green), 60) << y;
}

TEST(artHourglass, GlassIsDarkestBlueAtTheCapsAndLightestAtTheWaist)
{
    const QImage image = art::painting::Hourglass();
    const QRgb darkest = Bgr(0x00DA6024);
    const QRgb lightest = Bgr(0x00F0AB41);
    for (QPoint p : {QPoint(23, 23), QPoint(23, 24)}) {
        const QRgb c = image.pixel(p);
        EXPECT_EQ(qAlpha(c), 255) << "the waist is glass";
        EXPECT_LE(Distance(c, lightest), 8) << p.x() << ", " << p.y() << ": " << Hex(c);
    }
    for (QPoint p : {QPoint(30, 8), QPoint(23, 8), QPoint(30, 39), QPoint(23, 39)}) {
        const QRgb c = image.pixel(p);
        EXPECT_EQ(qAlpha(c), 255);
        EXPECT_LE(Distance(c, darkest), 8) << p.x() << ", " << p.y() << ": " << Hex(c);
    }
    // The waist is narrow: a few pixels of glass, transparent beside it.
    EXPECT_EQ(qAlpha(image.pixel(18, 24)), 0);
    EXPECT_EQ(qAlpha(image.pixel(29, 24)), 0);
    // No sand: every glass pixel is blue.
    for (int y = 8; y <= 39; ++y)
        for (int x = 0; x < 48; ++x) {
            const QRgb c = image.pixel(x, y);
            if (qAlpha(c) == 255) {
                ASSERT_GT(qBlue(c), std::max(qRed(c), qGreen(c))) << x << ", " << y << ": " << Hex(c);
            }
        }
}

// Desktops ask for the icon at these sizes; each is the drawing painted at that size, not the
// 48-pixel picture stretched.
class HourglassSizeTest : public ::testing::TestWithParam<int> {};

TEST_P(HourglassSizeTest, IsTheDrawingAtThatSize)
{
    const int size = GetParam();
    const QImage image = art::painting::Hourglass(size);
    ASSERT_EQ(image.size(), QSize(size, size));
    const double scale = size / 48.0;
    // The ink stands where the 48-pixel drawing's does, scaled: columns 9..37, rows 5..42.
    int top = size, bottom = -1, left = size, right = -1;
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x)
            if (qAlpha(image.pixel(x, y)) > 0) {
                top = std::min(top, y);
                bottom = std::max(bottom, y);
                left = std::min(left, x);
                right = std::max(right, x);
            }
    EXPECT_NEAR(left, 9 * scale, 1.0);
    EXPECT_NEAR(right + 1, 38 * scale, 1.0);
    EXPECT_NEAR(top, 5 * scale, 1.0);
    EXPECT_NEAR(bottom + 1, 43 * scale, 1.0);
    for (QPoint corner : {QPoint(0, 0), QPoint(size - 1, 0), QPoint(0, size - 1), QPoint(size - 1, size - 1)})
        EXPECT_EQ(qAlpha(image.pixel(corner)), 0) << corner.x() << ", " << corner.y();

    // Green caps, blue glass at the waist.
    const int axis = int(23.5 * scale);
    const QRgb capColour = image.pixel(axis, int(6.5 * scale));
    EXPECT_EQ(qAlpha(capColour), 255);
    EXPECT_LE(Distance(capColour, Bgr(0x0018D865)), 1) << Hex(capColour);
    // At 16 pixels the waist is narrower than a pixel, so it is mostly, not wholly, covered.
    const QRgb waist = image.pixel(axis, int(24 * scale));
    EXPECT_GT(qAlpha(waist), 200);
    EXPECT_GT(qBlue(waist), std::max(qRed(waist), qGreen(waist))) << Hex(waist);

    // Crisp edges at every size: the top of the cap goes from clear to opaque within one row, where a
    // stretched small picture would fade over several.
    int partial = 0;
    for (int y = 0; y < size / 2; ++y) {
        const int alpha = qAlpha(image.pixel(axis, y));
        partial += alpha > 0 && alpha < 255 ? 1 : 0;
    }
    EXPECT_LE(partial, 1);
}

INSTANTIATE_TEST_SUITE_P(artHourglass, HourglassSizeTest, ::testing::Values(16, 22, 24, 32, 48, 64, 128, 256));

// ---- The lettering face ----

TEST(artLettering, IsComicNeueBoldFromItsFile)
{
    const QRawFont face(art::painting::LetteringFaceFile(), 20);
    ASSERT_TRUE(face.isValid()) << art::painting::LetteringFaceFile().toStdString();
    EXPECT_EQ(face.familyName(), QStringLiteral("Comic Neue"));
    EXPECT_EQ(face.weight(), QFont::Bold);
    // The word's outline is the face's glyphs at the size asked for: cap height to the em.
    const QRectF h = art::painting::Lettered(QStringLiteral("H"), 20).boundingRect();
    EXPECT_NEAR(-h.top(), face.capHeight(), 0.5);
    EXPECT_NEAR(h.bottom(), 0, 0.25) << "on the baseline";
}

TEST(artLettering, AWordTheFaceCannotLetterIsAnErrorNamingWordAndCharacter)
{
    const struct
    {
        QString word;
        const char *named;
    } rows[] = {
        {QStringLiteral("Start\u4E2D"), "\"\u4E2D\" (U+4E2D) in the word \"Start\u4E2D\""},
        {QStringLiteral("\U0001F570 Timer"), "(U+1F570) in the word"},
    };
    for (const auto &row : rows) {
        try {
            art::painting::Lettered(row.word, 20);
            ADD_FAILURE() << "no error for " << row.word.toStdString();
        } catch (const art::painting::LetteringError &error) {
            EXPECT_NE(std::string(error.what()).find(row.named), std::string::npos) << error.what();
        }
    }
}

} // namespace
