#include "art/picturefile.h"

#include <array>
#include <cstring>

namespace art {

namespace {

using Header = std::array<quint32, 4>;  // width, height, format, bytes per line
constexpr qsizetype kHeaderBytes = sizeof(Header);

} // namespace

QByteArray PictureFile(const QImage &image)
{
    const Header header{quint32(image.width()), quint32(image.height()), quint32(image.format()),
                        quint32(image.bytesPerLine())};
    QByteArray file(reinterpret_cast<const char *>(header.data()), kHeaderBytes);
    file.append(reinterpret_cast<const char *>(image.constBits()), image.sizeInBytes());
    return file;
}

QImage FromPictureFile(const uchar *data, qsizetype size)
{
    if (!data || size < kHeaderBytes)
        return {};
    Header header;
    std::memcpy(header.data(), data, kHeaderBytes);
    const auto [width, height, format, bytesPerLine] = header;
    if (width == 0 || height == 0 || format == QImage::Format_Invalid || format >= QImage::NImageFormats)
        return {};
    // The rows must be those a QImage of this size and format holds, and nothing more.
    const QImage::Format imageFormat = QImage::Format(format);
    if (qsizetype(bytesPerLine) < (qsizetype(width) * QImage::toPixelFormat(imageFormat).bitsPerPixel() + 7) / 8
        || size != kHeaderBytes + qsizetype(bytesPerLine) * qsizetype(height))
        return {};
    // QImage reads rows in place only from 32-bit aligned data; resource data is, as every entry's
    // length prefix and every picture file are multiples of four bytes.
    if (reinterpret_cast<quintptr>(data + kHeaderBytes) % alignof(quint32) != 0 || bytesPerLine % 4 != 0)
        return {};
    return QImage(data + kHeaderBytes, int(width), int(height), qsizetype(bytesPerLine), imageFormat);
}

} // namespace art
