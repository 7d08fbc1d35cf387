#include "ui/ButtonPropertyBag.h"

#include <QJsonObject>

bool ButtonPropertyBag::contains(const QString &key) const
{
    for (const Entry &entry : m_entries)
        if (entry.first == key)
            return true;
    return false;
}

QJsonValue ButtonPropertyBag::value(const QString &key) const
{
    for (const Entry &entry : m_entries)
        if (entry.first == key)
            return entry.second;
    return QJsonValue(QJsonValue::Undefined);
}

void ButtonPropertyBag::write(const QString &key, const QJsonValue &value)
{
    for (Entry &entry : m_entries) {
        if (entry.first == key) {
            entry.second = value;
            return;
        }
    }
    m_entries.append({key, value});
}

ButtonColor::Value ButtonPropertyBag::readColour(const QString &key, ButtonColor::Value fallback) const
{
    const QJsonValue v = value(key);
    if (v.isDouble()) {
        const double number = v.toDouble();
        if (number >= 0 && number <= 4294967295.0)
            return static_cast<ButtonColor::Value>(number);
        return fallback;
    }
    if (v.isString()) {
        QString text = v.toString().trimmed();
        if (text.startsWith(QLatin1String("0x"), Qt::CaseInsensitive))
            text = text.mid(2);
        else if (text.startsWith(QLatin1String("&H"), Qt::CaseInsensitive))
            text = text.mid(2).remove(QLatin1Char('&'));
        else
            return fallback;
        bool ok = false;
        const uint colour = text.toUInt(&ok, 16);
        return ok ? colour : fallback;
    }
    return fallback;
}

int ButtonPropertyBag::readInt(const QString &key, int fallback) const
{
    const QJsonValue v = value(key);
    return v.isDouble() ? v.toInt(fallback) : fallback;
}

bool ButtonPropertyBag::readBool(const QString &key, bool fallback) const
{
    const QJsonValue v = value(key);
    return v.isBool() ? v.toBool() : fallback;
}

QString ButtonPropertyBag::readString(const QString &key, const QString &fallback) const
{
    const QJsonValue v = value(key);
    return v.isString() ? v.toString() : fallback;
}

QFont ButtonPropertyBag::readFont(const QString &key, const QFont &fallback) const
{
    const QJsonValue v = value(key);
    if (!v.isObject())
        return fallback;
    const QJsonObject o = v.toObject();
    QFont font = fallback;
    if (o.contains(QLatin1String("name")))
        font.setFamily(o.value(QLatin1String("name")).toString());
    const double size = o.value(QLatin1String("size")).toDouble(0);
    if (size > 0)
        font.setPointSizeF(size);
    if (o.contains(QLatin1String("bold")))
        font.setBold(o.value(QLatin1String("bold")).toBool());
    else if (o.contains(QLatin1String("weight")))
        font.setBold(o.value(QLatin1String("weight")).toInt() >= 600);
    font.setItalic(o.value(QLatin1String("italic")).toBool(font.italic()));
    font.setUnderline(o.value(QLatin1String("underline")).toBool(font.underline()));
    return font;
}

ButtonPicture ButtonPropertyBag::readPicture(const QString &key) const
{
    return ButtonPicture::fromSource(readString(key, {}));
}

void ButtonPropertyBag::writeColour(const QString &key, ButtonColor::Value colour)
{
    write(key, QStringLiteral("0x") + QString::number(colour, 16).toUpper().rightJustified(6, QLatin1Char('0')));
}

void ButtonPropertyBag::writeFont(const QString &key, const QFont &font)
{
    QJsonObject o;
    o.insert(QLatin1String("name"), font.family());
    o.insert(QLatin1String("size"), font.pointSizeF());
    o.insert(QLatin1String("bold"), font.bold());
    o.insert(QLatin1String("italic"), font.italic());
    o.insert(QLatin1String("underline"), font.underline());
    o.insert(QLatin1String("weight"), font.bold() ? 700 : 400);
    o.insert(QLatin1String("charset"), 0);
    write(key, o);
}

void ButtonPropertyBag::writePicture(const QString &key, const ButtonPicture &picture)
{
    if (!picture.isNone())
        write(key, picture.source());
}
