#include "art/lettering.h"

#include <QFile>
#include <QRawFont>
#include <QTransform>

#include <hb.h>

#include <memory>

namespace art::painting {

namespace {

template <class T, void (*Destroy)(T *)>
struct HbDeleter
{
    void operator()(T *object) const { Destroy(object); }
};
using HbBlob = std::unique_ptr<hb_blob_t, HbDeleter<hb_blob_t, hb_blob_destroy>>;
using HbFace = std::unique_ptr<hb_face_t, HbDeleter<hb_face_t, hb_face_destroy>>;
using HbFont = std::unique_ptr<hb_font_t, HbDeleter<hb_font_t, hb_font_destroy>>;
using HbBuffer = std::unique_ptr<hb_buffer_t, HbDeleter<hb_buffer_t, hb_buffer_destroy>>;

// The face, loaded once: HarfBuzz places the glyphs (kerning is in the face's positioning table,
// which Qt's raw fonts do not apply), Qt's raw font gives their outlines. Both work in font units,
// the outlines being scaled to the wanted size afterwards.
class Face
{
public:
    explicit Face(const QString &file)
        : m_file(file)
    {
        QFile input(file);
        if (!input.open(QIODevice::ReadOnly))
            throw LetteringError("cannot read the lettering face " + file.toStdString());
        m_bytes = input.readAll();
        m_blob.reset(hb_blob_create(m_bytes.constData(), static_cast<unsigned>(m_bytes.size()),
                                    HB_MEMORY_MODE_READONLY, nullptr, nullptr));
        m_face.reset(hb_face_create(m_blob.get(), 0));
        m_unitsPerEm = static_cast<int>(hb_face_get_upem(m_face.get()));
        m_font.reset(hb_font_create(m_face.get()));
        hb_font_set_scale(m_font.get(), m_unitsPerEm, m_unitsPerEm);
        m_outlines = QRawFont(m_bytes, m_unitsPerEm, QFont::PreferNoHinting);
        if (!m_outlines.isValid() || hb_face_get_glyph_count(m_face.get()) == 0)
            throw LetteringError("the lettering face " + file.toStdString() + " is not a font file");
    }

    QPainterPath word(const QString &word, qreal pixelSize) const
    {
        const HbBuffer buffer(hb_buffer_create());
        hb_buffer_add_utf16(buffer.get(), reinterpret_cast<const uint16_t *>(word.utf16()), int(word.size()), 0,
                            int(word.size()));
        hb_buffer_guess_segment_properties(buffer.get());
        hb_shape(m_font.get(), buffer.get(), nullptr, 0);
        unsigned count = 0;
        const hb_glyph_info_t *glyphs = hb_buffer_get_glyph_infos(buffer.get(), &count);
        const hb_glyph_position_t *places = hb_buffer_get_glyph_positions(buffer.get(), &count);

        QPainterPath path;
        qreal pen = 0;
        for (unsigned i = 0; i < count; ++i) {
            // Glyph 0 is the face's "missing" glyph; the cluster is the character's index in the word.
            if (glyphs[i].codepoint == 0)
                throw LetteringError(Missing(word, glyphs[i].cluster));
            path.addPath(m_outlines.pathForGlyph(glyphs[i].codepoint).translated(pen + places[i].x_offset, -places[i].y_offset));
            pen += places[i].x_advance;
        }
        const qreal scale = pixelSize / m_unitsPerEm;
        return QTransform::fromScale(scale, scale).map(path);
    }

private:
    std::string Missing(const QString &word, unsigned index) const
    {
        const char32_t character = QStringView(word).mid(index).toUcs4().value(0);
        return QStringLiteral("the lettering face %1 has no glyph for \"%2\" (U+%3) in the word \"%4\"")
            .arg(m_file, QString::fromUcs4(&character, 1),
                 QStringLiteral("%1").arg(uint(character), 4, 16, QLatin1Char('0')).toUpper(), word)
            .toStdString();
    }

    QString m_file;
    QByteArray m_bytes;  // HarfBuzz reads the face from these bytes in place
    HbBlob m_blob;
    HbFace m_face;
    HbFont m_font;
    QRawFont m_outlines;
    int m_unitsPerEm = 0;
};

const Face &TheFace()
{
    static const Face face(LetteringFaceFile());
    return face;
}

} // namespace

QString LetteringFaceFile()
{
    return QStringLiteral(TAVRIN_LETTERING_FACE);
}

QPainterPath Lettered(const QString &word, qreal pixelSize)
{
    return TheFace().word(word, pixelSize);
}

} // namespace art::painting
