#pragma once

#include <QString>

// The outcome of an operation on a data file. A failure names the file and
// says in plain words what went wrong, ready to be shown to the user, e.g.
// "Could not write Maint.Dat: No space left on device".
class [[nodiscard]] FileStatus
{
public:
    FileStatus() = default; // success

    static FileStatus failure(QString fileName, QString message);
    // "Could not <action> <fileName>: <the system's text for error>"
    static FileStatus systemFailure(const QString &action, QString fileName, int error);

    bool ok() const { return m_message.isEmpty(); }
    explicit operator bool() const { return ok(); }

    const QString &fileName() const { return m_fileName; }
    const QString &message() const { return m_message; }

private:
    FileStatus(QString fileName, QString message);

    QString m_fileName;
    QString m_message;
};
