// The lettering of the title and the button words: one face, read from the font file the build
// found, shaped with the face's own kerning. Neither the machine's font configuration nor its
// installed fonts take part, so the pictures come out the same wherever they are painted.
#pragma once

#include <QPainterPath>
#include <QString>

#include <stdexcept>

namespace art::painting {

// The face's file does not load, or lacks a glyph of a word to be lettered.
class LetteringError : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};

// The file the lettering face is read from.
QString LetteringFaceFile();

// The outline of `word` in the lettering face at `pixelSize` pixels to the em, its pen starting at
// x = 0 on the baseline y = 0. Throws LetteringError naming the word and the character when the
// face has no glyph for one of its characters.
QPainterPath Lettered(const QString &word, qreal pixelSize);

} // namespace art::painting
