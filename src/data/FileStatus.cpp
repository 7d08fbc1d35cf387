#include "data/FileStatus.h"

#include <cstring>

FileStatus::FileStatus(QString fileName, QString message)
    : m_fileName(std::move(fileName)), m_message(std::move(message))
{
}

FileStatus FileStatus::failure(QString fileName, QString message)
{
    return FileStatus(std::move(fileName), std::move(message));
}

FileStatus FileStatus::systemFailure(const QString &action, QString fileName, int error)
{
    QString message = QStringLiteral("Could not %1 %2: %3").arg(action, fileName, QString::fromLocal8Bit(std::strerror(error)));
    return FileStatus(std::move(fileName), std::move(message));
}
