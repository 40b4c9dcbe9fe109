// A picture file gives back the picture it was written from, in place where its bytes are aligned
// for it, and nothing for bytes that are not exactly one picture file: the build's check relies on
// that to catch a bad picture.
#include "art/picturefile.h"

#include <QDir>
#include <QResource>

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

namespace {

// Bytes at a 32-bit aligned address, as resource data is, or `offset` bytes past one.
class Bytes {
public:
    Bytes(const QByteArray &bytes, int offset = 0)
        : m_words((bytes.size() + offset) / 4 + 1), m_offset(offset), m_size(bytes.size())
    {
        if (!bytes.isEmpty())
            std::memcpy(data(), bytes.constData(), bytes.size());
    }
    uchar *data() { return reinterpret_cast<uchar *>(m_words.data()) + m_offset; }
    qsizetype size() const { return m_size; }

private:
    std::vector<quint32> m_words;
    int m_offset;
    qsizetype m_size;
};

QImage Sample(QImage::Format format)
{
    // Five pixels wide, so a grey picture's rows are padded.
    QImage image(5, 3, format);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(x, y, qRgb(40 * x, 80 * y, 200));
    return image;
}

TEST(artPictureFile, GivesBackThePictureInEveryFormatTheArtUses)
{
    for (QImage::Format format :
         {QImage::Format_RGB32, QImage::Format_Grayscale8, QImage::Format_ARGB32_Premultiplied}) {
        const QImage image = Sample(format);
        Bytes bytes(art::PictureFile(image));
        const QImage loaded = art::FromPictureFile(bytes.data(), bytes.size());
        EXPECT_EQ(loaded, image) << "format " << format;
        EXPECT_EQ(loaded.format(), format);
        EXPECT_EQ(loaded.constBits(), bytes.data() + 16) << "read in place, format " << format;
    }
}

// The build is repeatable: whatever the memory held past a row's pixels, the file is the same.
TEST(artPictureFile, RowPaddingIsWrittenAsZeros)
{
    QImage image = Sample(QImage::Format_Grayscale8);   // 5 pixels in rows of 8 bytes
    ASSERT_GT(image.bytesPerLine(), image.width());
    for (int y = 0; y < image.height(); ++y)
        std::memset(image.scanLine(y) + image.width(), 0xAB, image.bytesPerLine() - image.width());
    const QByteArray file = art::PictureFile(image);
    for (int y = 0; y < image.height(); ++y) {
        for (qsizetype x = image.width(); x < image.bytesPerLine(); ++x)
            EXPECT_EQ(file[16 + y * image.bytesPerLine() + x], '\0') << "row " << y << ", byte " << x;
    }
    Bytes bytes(file);
    EXPECT_EQ(art::FromPictureFile(bytes.data(), bytes.size()), image);
}

// Resource data need not be aligned (a byte array is aligned to one byte on aarch64): each embedded
// picture, read from a copy of its bytes that is not aligned for its format, is copied out whole.
TEST(artPictureFile, EmbeddedPicturesReadFromMisalignedBytesAreTheAlignedOnes)
{
    const QStringList names = QDir(QStringLiteral(":/art")).entryList(QDir::Files);
    ASSERT_EQ(names.size(), 10) << names.join(QLatin1Char(' ')).toStdString();
    for (const QString &name : names) {
        const QResource resource(QStringLiteral(":/art/") + name);
        const QByteArray file(reinterpret_cast<const char *>(resource.data()), resource.size());
        Bytes aligned(file);
        const QImage inPlace = art::FromPictureFile(aligned.data(), aligned.size());
        ASSERT_FALSE(inPlace.isNull()) << name.toStdString();
        ASSERT_EQ(inPlace.constBits(), aligned.data() + 16) << name.toStdString() << " is not read in place";
        for (int offset : {1, 2, 3}) {
            Bytes misaligned(file, offset);
            const QImage copied = art::FromPictureFile(misaligned.data(), misaligned.size());
            ASSERT_FALSE(copied.isNull()) << name.toStdString() << ", " << offset << " bytes off";
            EXPECT_EQ(copied.format(), inPlace.format()) << name.toStdString();
            EXPECT_EQ(copied, inPlace) << name.toStdString() << ", " << offset << " bytes off";
        }
    }
}

TEST(artPictureFile, GivesNothingForBytesThatAreNotOnePictureFile)
{
    const QByteArray file = art::PictureFile(Sample(QImage::Format_RGB32));
    QByteArray badFormat = file;
    badFormat[8] = char(QImage::NImageFormats);
    QByteArray narrowRows = file;
    narrowRows[12] = 4;   // bytes per line less than five pixels need
    struct Case {
        const char *what;
        QByteArray bytes;
        int offset;
    };
    const Case cases[] = {
        {"nothing", QByteArray(), 0},
        {"the header alone", file.left(16), 0},
        {"one byte short", file.chopped(1), 0},
        {"one byte more", file + '\0', 0},
        {"an unknown format", badFormat, 0},
        {"rows narrower than the width", narrowRows, 0},
    };
    for (const Case &c : cases) {
        Bytes bytes(c.bytes, c.offset);
        EXPECT_TRUE(art::FromPictureFile(bytes.data(), bytes.size()).isNull()) << c.what;
    }
    Bytes whole(file);
    EXPECT_FALSE(art::FromPictureFile(whole.data(), whole.size()).isNull());
}

} // namespace
