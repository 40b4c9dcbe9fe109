// A picture file: a QImage's pixel rows exactly as it holds them, after a header of four 32-bit
// numbers (width, height, QImage::Format, bytes per line) in the machine's byte order. The pictures
// are painted at build time and read by a program built on the same machine, so loading one is
// wrapping its bytes, with no decoding and no conversion; only bytes that are not aligned as the
// image format needs are copied.
#pragma once

#include <QByteArray>
#include <QImage>

namespace art {

QByteArray PictureFile(const QImage &image);

// The picture held by `size` bytes at `data`, read in place where they are aligned for it: the bytes
// must then stay valid while the image or a copy of it is in use (resource data does). Null when
// the bytes are not a picture file.
QImage FromPictureFile(const uchar *data, qsizetype size);

} // namespace art
