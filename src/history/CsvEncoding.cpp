#include "history/CsvEncoding.h"

#include "data/Cp1252.h"

#include <algorithm>
#include <optional>

namespace {

const QByteArray Utf8Mark("\xEF\xBB\xBF");
const QByteArray Utf16LEMark("\xFF\xFE");
const QByteArray Utf16BEMark("\xFE\xFF");

// What a look through bytes meant as UTF-8 finds.
struct Utf8Scan
{
    qsizetype invalidAt = -1; // the first byte of the first invalid sequence
    qsizetype longCharacters = 0; // valid sequences of two bytes or more
};

// The length of the sequence starting at `at` when it is valid UTF-8 (no
// overlong forms, no surrogates, nothing past U+10FFFF), else 0.
int utf8Length(const QByteArray &bytes, qsizetype at)
{
    const auto byte = [&](qsizetype i) { return i < bytes.size() ? static_cast<unsigned char>(bytes[i]) : 0u; };
    const unsigned lead = byte(at);
    if (lead < 0x80)
        return 1;
    int length = 0;
    unsigned low = 0x80, high = 0xBF; // the range of the second byte
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        low = lead == 0xE0 ? 0xA0 : 0x80;
        high = lead == 0xED ? 0x9F : 0xBF;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        low = lead == 0xF0 ? 0x90 : 0x80;
        high = lead == 0xF4 ? 0x8F : 0xBF;
    } else {
        return 0;
    }
    if (byte(at + 1) < low || byte(at + 1) > high)
        return 0;
    for (int i = 2; i < length; ++i) {
        if ((byte(at + i) & 0xC0) != 0x80)
            return 0;
    }
    return length;
}

Utf8Scan scanUtf8(const QByteArray &bytes, qsizetype from)
{
    Utf8Scan scan;
    for (qsizetype at = from; at < bytes.size();) {
        const int length = utf8Length(bytes, at);
        if (length == 0) {
            if (scan.invalidAt < 0)
                scan.invalidAt = at;
            ++at;
            continue;
        }
        if (length > 1)
            ++scan.longCharacters;
        at += length;
    }
    return scan;
}

int lineAt(const QByteArray &bytes, qsizetype at)
{
    return 1 + int(std::count(bytes.begin(), bytes.begin() + at, '\n'));
}

// UTF-16 without a byte-order mark shows as a NUL beside nearly every
// character of a Western text: at odd places for little-endian.
std::optional<CsvEncoding> utf16ByNuls(const QByteArray &bytes)
{
    const qsizetype pairs = std::min<qsizetype>(bytes.size(), 4096) / 2;
    qsizetype odd = 0, even = 0;
    for (qsizetype i = 0; i < pairs; ++i) {
        even += bytes[2 * i] == '\0';
        odd += bytes[2 * i + 1] == '\0';
    }
    if (pairs == 0 || std::max(odd, even) * 2 <= pairs || std::min(odd, even) * 10 > pairs)
        return std::nullopt;
    return odd > even ? CsvEncoding::Utf16LE : CsvEncoding::Utf16BE;
}

CsvText decodeUtf16(const QByteArray &bytes, bool littleEndian)
{
    const qsizetype from = bytes.startsWith(littleEndian ? Utf16LEMark : Utf16BEMark) ? 2 : 0;
    QString text(qsizetype((bytes.size() - from) / 2), Qt::Uninitialized);
    int line = 1;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const auto first = static_cast<unsigned char>(bytes[from + 2 * i]);
        const auto second = static_cast<unsigned char>(bytes[from + 2 * i + 1]);
        text[i] = QChar(littleEndian ? char16_t(first | second << 8) : char16_t(second | first << 8));
    }
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) {
            ++i;
            continue;
        }
        if (c.isSurrogate())
            return {{}, line};
        line += c == u'\n';
    }
    if ((bytes.size() - from) % 2 != 0)
        return {{}, line};
    return {text, 0};
}

} // namespace

QString csvEncodingName(CsvEncoding encoding)
{
    switch (encoding) {
    case CsvEncoding::Utf8:
        return QStringLiteral("UTF-8");
    case CsvEncoding::Utf16LE:
        return QStringLiteral("UTF-16 LE");
    case CsvEncoding::Utf16BE:
        return QStringLiteral("UTF-16 BE");
    case CsvEncoding::Windows1252:
        break;
    }
    return QStringLiteral("Windows-1252");
}

CsvEncoding detectCsvEncoding(const QByteArray &bytes)
{
    if (bytes.startsWith(Utf8Mark))
        return CsvEncoding::Utf8;
    if (bytes.startsWith(Utf16LEMark))
        return CsvEncoding::Utf16LE;
    if (bytes.startsWith(Utf16BEMark))
        return CsvEncoding::Utf16BE;
    if (const std::optional<CsvEncoding> utf16 = utf16ByNuls(bytes))
        return *utf16;
    const Utf8Scan scan = scanUtf8(bytes, 0);
    return scan.invalidAt < 0 || scan.longCharacters > 0 ? CsvEncoding::Utf8 : CsvEncoding::Windows1252;
}

CsvText decodeCsv(const QByteArray &bytes, CsvEncoding encoding)
{
    switch (encoding) {
    case CsvEncoding::Utf8: {
        const qsizetype from = bytes.startsWith(Utf8Mark) ? Utf8Mark.size() : 0;
        const Utf8Scan scan = scanUtf8(bytes, from);
        if (scan.invalidAt >= 0)
            return {{}, lineAt(bytes, scan.invalidAt)};
        return {QString::fromUtf8(bytes.constData() + from, bytes.size() - from), 0};
    }
    case CsvEncoding::Utf16LE:
        return decodeUtf16(bytes, true);
    case CsvEncoding::Utf16BE:
        return decodeUtf16(bytes, false);
    case CsvEncoding::Windows1252:
        break;
    }
    return {Cp1252::decode(bytes.constData(), bytes.size()), 0};
}
