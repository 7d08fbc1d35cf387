#pragma once

#include "ui/ButtonColor.h"
#include "ui/ButtonPicture.h"

#include <QFont>
#include <QJsonValue>
#include <QList>
#include <QPair>
#include <QString>

// One button's stored key/value set, in the order it was written. Values are
// JSON values: numbers, booleans, texts; colours as "0x00BBGGRR" hex texts
// (numbers are read too); a font as an object with name, size, bold, italic,
// underline, weight and charset; a picture as the name it was made from.
class ButtonPropertyBag
{
public:
    using Entry = QPair<QString, QJsonValue>;

    const QList<Entry> &entries() const { return m_entries; }
    bool contains(const QString &key) const;
    QJsonValue value(const QString &key) const;
    void write(const QString &key, const QJsonValue &value);

    // Typed reads, each with the default used when the key is missing or its
    // value has the wrong type.
    ButtonColor::Value readColour(const QString &key, ButtonColor::Value fallback) const;
    int readInt(const QString &key, int fallback) const;
    bool readBool(const QString &key, bool fallback) const;
    QString readString(const QString &key, const QString &fallback) const;
    QFont readFont(const QString &key, const QFont &fallback) const;
    ButtonPicture readPicture(const QString &key) const;

    void writeColour(const QString &key, ButtonColor::Value colour);
    void writeFont(const QString &key, const QFont &font);
    // A picture that is none is left out.
    void writePicture(const QString &key, const ButtonPicture &picture);

private:
    QList<Entry> m_entries;
};
