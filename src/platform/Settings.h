#pragma once

#include <QString>

#include <memory>

class QSettings;

// The per-user settings store: organisation and application "Torqal",
// section "Defaults", every value a text. The keys the program keeps are below.
// "Last Ride Viewed" follows the data folder: with another folder than the
// usual one (DataFolder::choose) it has a section of that folder's own.
class Settings
{
public:
    static inline const QString FadeStatusKey = QStringLiteral("FadeStatus");
    static inline const QString NewUserKey = QStringLiteral("New User");
    static inline const QString LastRideViewedKey = QStringLiteral("Last Ride Viewed");
    // Whether the overdue reminders are listed at start.
    static inline const QString OverdueAtStartKey = QStringLiteral("Overdue Reminders");
    // "New User" and "Overdue Reminders" hold this once the user asked not to
    // see the window again.
    static inline const QString NoShow = QStringLiteral("No Show");

    // The folder the file dialogs last used for files of a type ("csv"):
    // "Last CSV Folder".
    static QString lastFolderKey(const QString &fileType)
    {
        return QStringLiteral("Last %1 Folder").arg(fileType.toUpper());
    }

    static QString value(const QString &key, const QString &defaultValue = {});
    static void setValue(const QString &key, const QString &value);

    // "FadeStatus" holds the text of a boolean ("True" or "False"); absent or
    // unreadable counts as false.
    static bool fadeStatus();
    static void setFadeStatus(bool on);

    // Test seam: keep the settings in the given INI file instead of the user's
    // store (an empty path goes back to the user's store).
    static void useFile(const QString &path);

private:
    static QSettings &store();
    static std::unique_ptr<QSettings> &instance();
};

// The text form of a boolean as the settings store keeps it.
inline QString booleanText(bool value) { return value ? QStringLiteral("True") : QStringLiteral("False"); }
