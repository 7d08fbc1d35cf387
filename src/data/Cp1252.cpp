#include "data/Cp1252.h"

#include <array>
#include <cstring>

namespace Cp1252 {

namespace {

// Characters of the bytes 0x80 to 0x9F; every other byte is the Latin-1
// character of the same number.
constexpr std::array<char16_t, 32> HighControls = {
    u'\u20AC', u'\u0081', u'\u201A', u'\u0192', u'\u201E', u'\u2026', u'\u2020', u'\u2021',
    u'\u02C6', u'\u2030', u'\u0160', u'\u2039', u'\u0152', u'\u008D', u'\u017D', u'\u008F',
    u'\u0090', u'\u2018', u'\u2019', u'\u201C', u'\u201D', u'\u2022', u'\u2013', u'\u2014',
    u'\u02DC', u'\u2122', u'\u0161', u'\u203A', u'\u0153', u'\u009D', u'\u017E', u'\u0178',
};

constexpr bool isHighControlByte(unsigned char byte) { return (byte & 0xE0) == 0x80; }

// Whether any byte lies in 0x80..0x9F, looked at eight bytes at a time: such
// a byte has its top bit set and the two below it clear.
bool anyHighControlByte(const char *bytes, qsizetype length)
{
    constexpr quint64 TopBits = 0x8080808080808080ULL;
    qsizetype i = 0;
    for (; i + 8 <= length; i += 8) {
        quint64 word;
        std::memcpy(&word, bytes + i, sizeof word);
        if ((word & ~(word << 1) & ~(word << 2) & TopBits) != 0)
            return true;
    }
    for (; i < length; ++i) {
        if (isHighControlByte(static_cast<unsigned char>(bytes[i])))
            return true;
    }
    return false;
}

} // namespace

QString decode(const char *bytes, qsizetype length)
{
    // Most text is plain Latin-1, which Qt converts quickly; the few bytes
    // 0x80 to 0x9F are put right afterwards.
    QString text = QString::fromLatin1(bytes, length);
    if (anyHighControlByte(bytes, length)) {
        QChar *characters = text.data();
        for (qsizetype i = 0; i < length; ++i) {
            const auto byte = static_cast<unsigned char>(bytes[i]);
            if (isHighControlByte(byte))
                characters[i] = QChar(HighControls[byte - 0x80]);
        }
    }
    return text;
}

char encodeChar(char32_t character)
{
    if (character < 0x80 || (character >= 0xA0 && character <= 0xFF))
        return static_cast<char>(character);
    for (std::size_t i = 0; i < HighControls.size(); ++i) {
        if (HighControls[i] == character)
            return static_cast<char>(0x80 + i);
    }
    return '?';
}

bool canEncode(char32_t character)
{
    return character == U'?' || encodeChar(character) != '?';
}

void encodeField(QStringView text, char *field, qsizetype width)
{
    qsizetype written = 0;
    const qsizetype units = text.size();
    for (qsizetype i = 0; i < units && written < width; ++i) {
        const char16_t unit = text[i].unicode();
        if (unit < 0x80) {
            field[written++] = static_cast<char>(unit);
        } else if (QChar::isHighSurrogate(unit) && i + 1 < units && QChar::isLowSurrogate(text[i + 1].unicode())) {
            ++i;
            field[written++] = '?';
        } else if (QChar::isSurrogate(unit)) {
            field[written++] = '?';
        } else {
            field[written++] = encodeChar(unit);
        }
    }
    std::memset(field + written, ' ', static_cast<std::size_t>(width - written));
}

} // namespace Cp1252
