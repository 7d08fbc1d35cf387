#include "data/FieldText.h"

#include "data/Cp1252.h"

#include <QStringList>

namespace FieldText {

namespace {

bool isLineBreak(char32_t c)
{
    return c == U'\n' || c == U'\r' || c == U'\v' || c == U'\f' || c == 0x85 || c == 0x2028 || c == 0x2029;
}

bool isControl(char32_t c)
{
    return c < 0x20 || (c >= 0x7F && c <= 0x9F);
}

// The character starting at i and the number of UTF-16 units it takes; a
// lone surrogate is a character of its own (and one no code page holds).
std::pair<char32_t, qsizetype> characterAt(QStringView text, qsizetype i)
{
    const QChar unit = text[i];
    if (unit.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate())
        return {QChar::surrogateToUcs4(unit, text[i + 1]), 2};
    return {unit.unicode(), 1};
}

qsizetype storedWidth(char32_t c, Lines lines)
{
    return lines == Lines::Many && c == U'\n' ? 2 : 1;
}

} // namespace

qsizetype storedLength(QStringView shown, Lines lines)
{
    qsizetype length = 0;
    for (qsizetype i = 0; i < shown.size();) {
        const auto [c, units] = characterAt(shown, i);
        length += storedWidth(c, lines);
        i += units;
    }
    return length;
}

Admitted admit(QStringView before, const Typing &typing, Box box)
{
    Admitted result;
    QString &kept = result.kept.text;
    qsizetype cursor = 0;
    const QStringView text = typing.text;
    kept.reserve(text.size());
    for (qsizetype i = 0; i < text.size();) {
        auto [c, units] = characterAt(text, i);
        const bool beforeCursor = i < typing.cursor;
        i += units;
        if (box.lines == Lines::One && c == U'\r' && i < text.size() && text[i] == u'\n')
            continue; // CR LF is one line break: the LF stands for both
        if (box.lines == Lines::One && isLineBreak(c))
            c = U' ';
        const bool keep = Cp1252::canEncode(c) && !(box.lines == Lines::One && isControl(c));
        if (!keep) {
            const QString character = QString::fromUcs4(&c, 1);
            if (!isControl(c) && !result.refused.contains(character))
                result.refused += character;
            continue;
        }
        kept += QChar(char16_t(c)); // every character of the code page is one unit
        if (beforeCursor)
            cursor = kept.size();
    }

    // Leave out what does not fit, from the end of what was just typed.
    qsizetype excess = storedLength(kept, box.lines) - std::max<qsizetype>(box.limit, storedLength(before, box.lines));
    while (excess > 0 && !kept.isEmpty()) {
        const qsizetype at = cursor > 0 ? cursor - 1 : kept.size() - 1;
        excess -= storedWidth(kept[at].unicode(), box.lines);
        kept.remove(at, 1);
        if (cursor > at)
            cursor = at;
        result.cut = true;
    }
    result.kept.cursor = cursor;
    return result;
}

QString note(const Admitted &admitted, Box box)
{
    QStringList parts;
    if (!admitted.refused.isEmpty())
        parts << QStringLiteral("Not taken: %1. The data files hold only the letters and signs of the "
                                "Windows-1252 character set (Western European languages).")
                     .arg(admitted.refused);
    if (admitted.cut)
        parts << (box.lines == Lines::Many
                      ? QStringLiteral("These notes hold at most %1 characters; a line break takes two.").arg(box.limit)
                      : QStringLiteral("This box holds at most %1 characters.").arg(box.limit));
    return parts.join(QLatin1Char('\n'));
}

} // namespace FieldText
