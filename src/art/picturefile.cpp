#include "art/picturefile.h"

#include <algorithm>
#include <array>
#include <cstring>

namespace art {

namespace {

using Header = std::array<quint32, 4>;  // width, height, format, bytes per line
constexpr qsizetype kHeaderBytes = sizeof(Header);

// What QImage needs of rows it reads in place: 32-bit aligned, and pixels wider than that aligned to
// their own width.
quintptr RowAlignment(QImage::Format format)
{
    return QImage::toPixelFormat(format).bitsPerPixel() > 32 ? alignof(quint64) : alignof(quint32);
}

} // namespace

QByteArray PictureFile(const QImage &image)
{
    const Header header{quint32(image.width()), quint32(image.height()), quint32(image.format()),
                        quint32(image.bytesPerLine())};
    QByteArray file(reinterpret_cast<const char *>(header.data()), kHeaderBytes);
    // Row by row: the padding at a row's end holds whatever the memory held, and is written as zeros
    // so that the same picture always makes the same file.
    const qsizetype used = (qsizetype(image.width()) * image.depth() + 7) / 8;
    file.reserve(kHeaderBytes + image.sizeInBytes());
    for (int y = 0; y < image.height(); ++y) {
        file.append(reinterpret_cast<const char *>(image.constScanLine(y)), used);
        file.append(image.bytesPerLine() - used, '\0');
    }
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
    const uchar *rows = data + kHeaderBytes;
    const quintptr alignment = RowAlignment(imageFormat);
    if (reinterpret_cast<quintptr>(rows) % alignment == 0 && bytesPerLine % alignment == 0)
        return QImage(rows, int(width), int(height), qsizetype(bytesPerLine), imageFormat);
    // Nothing promises the resource data's alignment (on aarch64 it is a byte array aligned to one
    // byte): such rows are copied once into an image of their own.
    QImage copy(int(width), int(height), imageFormat);
    if (copy.isNull())
        return {};
    const qsizetype rowBytes = std::min<qsizetype>(bytesPerLine, copy.bytesPerLine());
    for (int y = 0; y < copy.height(); ++y)
        std::memcpy(copy.scanLine(y), rows + qsizetype(y) * bytesPerLine, rowBytes);
    return copy;
}

} // namespace art
