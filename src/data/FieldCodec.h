#pragma once

#include "data/Cp1252.h"

#include <QString>
#include <QtEndian>

#include <algorithm>
#include <array>
#include <bit>
#include <cstring>
#include <vector>

// Packing of the field kinds of a record: numbers little-endian, text in the
// Windows-1252 code page, blank-padded and cut to its width. A record type
// lists its fields once, in layout order, as calls on a field visitor:
//   visitor.key(name, value), .date(...), .money(...), .single(...),
//   .long32(...), .text(name, value, width)
// FieldEncoder and FieldDecoder are two such visitors; each field starts
// where the one before it ends.
namespace FieldCodec {

template<class Value, class Bits>
void store(char *at, Value value)
{
    const Bits bits = qToLittleEndian(std::bit_cast<Bits>(value));
    std::memcpy(at, &bits, sizeof bits);
}

template<class Value, class Bits>
Value load(const char *at)
{
    Bits bits;
    std::memcpy(&bits, at, sizeof bits);
    return std::bit_cast<Value>(qFromLittleEndian(bits));
}

inline void storeDouble(char *at, double value) { store<double, quint64>(at, value); }
inline double loadDouble(const char *at) { return load<double, quint64>(at); }
inline void storeFloat(char *at, float value) { store<float, quint32>(at, value); }
inline float loadFloat(const char *at) { return load<float, quint32>(at); }
inline void storeInt64(char *at, qint64 value) { store<qint64, quint64>(at, value); }
inline qint64 loadInt64(const char *at) { return load<qint64, quint64>(at); }
inline void storeInt32(char *at, qint32 value) { store<qint32, quint32>(at, value); }
inline qint32 loadInt32(const char *at) { return load<qint32, quint32>(at); }

class FieldEncoder
{
public:
    explicit FieldEncoder(char *record) : m_at(record) {}

    void key(const char *, double value) { storeDouble(advance(8), value); }
    void date(const char *, double value) { storeDouble(advance(8), value); }
    void money(const char *, qint64 value) { storeInt64(advance(8), value); }
    void single(const char *, float value) { storeFloat(advance(4), value); }
    void long32(const char *, qint32 value) { storeInt32(advance(4), value); }
    void text(const char *, const QString &value, int width) { Cp1252::encodeField(value, advance(width), width); }

private:
    char *advance(int width)
    {
        char *field = m_at;
        m_at += width;
        return field;
    }

    char *m_at;
};

// The length of a text field's bytes without the blanks that pad it. A long
// notes field is mostly padding, so it is passed over a block at a time.
inline int lengthWithoutTrailingBlanks(const char *field, int width)
{
    constexpr int Block = 64;
    static const std::array<char, Block> blanks = [] {
        std::array<char, Block> block;
        block.fill(' ');
        return block;
    }();
    while (width >= Block && std::memcmp(field + width - Block, blanks.data(), Block) == 0)
        width -= Block;
    while (width > 0 && field[width - 1] == ' ')
        --width;
    return width;
}

class FieldDecoder
{
public:
    explicit FieldDecoder(const char *record) : m_at(record) {}
    // Decodes only the text fields at the given addresses (members of the
    // record being decoded); all numbers are decoded.
    FieldDecoder(const char *record, const std::vector<const QString *> &textFields) : m_at(record), m_only(&textFields) {}
    // Decodes every field, the text field at the given address without its
    // trailing blanks (a long notes field is mostly blanks).
    FieldDecoder(const char *record, const QString *withoutTrailingBlanks) : m_at(record), m_trimmed(withoutTrailingBlanks) {}

    void key(const char *, double &value) { value = loadDouble(advance(8)); }
    void date(const char *, double &value) { value = loadDouble(advance(8)); }
    void money(const char *, qint64 &value) { value = loadInt64(advance(8)); }
    void single(const char *, float &value) { value = loadFloat(advance(4)); }
    void long32(const char *, qint32 &value) { value = loadInt32(advance(4)); }
    void text(const char *, QString &value, int width)
    {
        const char *field = advance(width);
        if (&value == m_trimmed) {
            value = Cp1252::decode(field, lengthWithoutTrailingBlanks(field, width));
        } else if (!m_only || std::find(m_only->begin(), m_only->end(), &value) != m_only->end()) {
            value = Cp1252::decode(field, width);
        }
    }

private:
    const char *advance(int width)
    {
        const char *field = m_at;
        m_at += width;
        return field;
    }

    const char *m_at;
    const std::vector<const QString *> *m_only = nullptr;
    const QString *m_trimmed = nullptr;
};

// Walks over a record's fields, counting their bytes: `m_at` is where the
// next field starts. The visitors below add what they do at a text field.
class FieldWalk
{
public:
    void key(const char *, double) { m_at += 8; }
    void date(const char *, double) { m_at += 8; }
    void money(const char *, qint64) { m_at += 8; }
    void single(const char *, float) { m_at += 4; }
    void long32(const char *, qint32) { m_at += 4; }

protected:
    int m_at = 0;
};

// Where the last of some text fields of a record ends: the bytes from the
// record's start that a reader of those fields needs.
class FieldsEnd : public FieldWalk
{
public:
    explicit FieldsEnd(const std::vector<const QString *> &textFields) : m_fields(textFields) {}

    void text(const char *, const QString &value, int width)
    {
        m_at += width;
        if (std::find(m_fields.begin(), m_fields.end(), &value) != m_fields.end())
            m_end = m_at;
    }
    int end() const { return m_end; }

private:
    const std::vector<const QString *> &m_fields;
    int m_end = 0;
};

// Where one text field of a record lies in its bytes, e.g.
// FieldPlace notes(&record.Notes); Record::visitFields(record, notes): what
// a reader of that field alone needs.
class FieldPlace : public FieldWalk
{
public:
    explicit FieldPlace(const QString *field) : m_field(field) {}

    void text(const char *, const QString &value, int width)
    {
        if (&value == m_field) {
            m_offset = m_at;
            m_width = width;
        }
        m_at += width;
    }
    int offset() const { return m_offset; }
    int width() const { return m_width; }

private:
    const QString *m_field;
    int m_offset = 0;
    int m_width = 0;
};

// Sums the widths of a record's fields (to check a layout against its length).
class LayoutMeasure : public FieldWalk
{
public:
    void text(const char *, const QString &, int width) { m_at += width; }
    int length() const { return m_at; }
};

} // namespace FieldCodec
