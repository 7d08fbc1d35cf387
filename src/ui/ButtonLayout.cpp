#include "ui/ButtonLayout.h"

#include <QFile>
#include <QHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>

#include <mutex>

QString buttonLayoutPath(const QString &layoutName)
{
    return QStringLiteral(":/layouts/%1.json").arg(layoutName);
}

bool readButtonLayout(const QString &path, ButtonLayout &layout, QString *error)
{
    auto fail = [&](const QString &reason) {
        if (error)
            *error = QStringLiteral("%1: %2").arg(path, reason);
        return false;
    };
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return fail(file.errorString());
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(file.readAll(), &parseError);
    if (parseError.error != QJsonParseError::NoError)
        return fail(parseError.errorString());
    if (!document.isObject())
        return fail(QStringLiteral("not a button layout"));
    layout.clear();
    const QJsonObject buttons = document.object();
    for (auto it = buttons.begin(); it != buttons.end(); ++it) {
        if (!it.value().isObject())
            return fail(QStringLiteral("the entry of %1 is not a key/value set").arg(it.key()));
        ButtonLayoutEntry entry{it.key(), {}};
        const QJsonObject keys = it.value().toObject();
        for (auto key = keys.begin(); key != keys.end(); ++key)
            entry.properties.write(key.key(), key.value());
        layout.append(entry);
    }
    return true;
}

namespace {
QByteArray jsonText(const QJsonValue &value)
{
    // A single value in compact form: the array's brackets stripped off.
    const QByteArray wrapped = QJsonDocument(QJsonArray{value}).toJson(QJsonDocument::Compact);
    return wrapped.mid(1, wrapped.size() - 2);
}
} // namespace

QByteArray buttonLayoutJson(const ButtonLayout &layout)
{
    QByteArray text = "{\n";
    for (qsizetype b = 0; b < layout.size(); ++b) {
        const ButtonLayoutEntry &entry = layout.at(b);
        text += "  " + jsonText(entry.name) + ": {\n";
        const auto &keys = entry.properties.entries();
        for (qsizetype k = 0; k < keys.size(); ++k) {
            text += "    " + jsonText(keys.at(k).first) + ": " + jsonText(keys.at(k).second);
            text += k + 1 < keys.size() ? ",\n" : "\n";
        }
        text += b + 1 < layout.size() ? "  },\n" : "  }\n";
    }
    text += "}\n";
    return text;
}

bool writeButtonLayout(const QString &path, const ButtonLayout &layout, QString *error)
{
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly)) {
        const QByteArray text = buttonLayoutJson(layout);
        if (file.write(text) == text.size() && file.commit())
            return true;
    }
    if (error)
        *error = QStringLiteral("%1: %2").arg(path, file.errorString());
    return false;
}

bool programButtonLayout(const QString &layoutName, ButtonLayout &layout, QString *error)
{
    // A std::mutex, whose order the thread checker's build follows.
    static std::mutex guard;
    static QHash<QString, ButtonLayout> read;
    const std::lock_guard locked(guard);
    if (const auto found = read.constFind(layoutName); found != read.constEnd()) {
        layout = *found;
        return true;
    }
    if (!readButtonLayout(buttonLayoutPath(layoutName), layout, error))
        return false;
    read.insert(layoutName, layout);
    return true;
}

QStringList programPictures(const ButtonLayout &layout)
{
    QStringList sources;
    for (const ButtonLayoutEntry &entry : layout) {
        for (const ButtonPropertyBag::Entry &property : entry.properties.entries()) {
            const QString value = property.second.toString();
            if (value.startsWith(QLatin1String("icon:")) || value.startsWith(QLatin1String("cursor:")))
                sources << value;
        }
    }
    return sources;
}

std::future<void> PaintButtonPicturesAhead(const QStringList &layoutNames)
{
    return std::async(std::launch::async, [layoutNames] {
        for (const QString &name : layoutNames) {
            ButtonLayout layout;
            if (!programButtonLayout(name, layout))
                continue; // reported when the window loads it
            for (const QString &source : programPictures(layout))
                ButtonPicture::fromSource(source);
        }
    });
}
