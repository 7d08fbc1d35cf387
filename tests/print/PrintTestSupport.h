#pragma once

#include <QDir>
#include <QString>
#include <QTemporaryDir>
#include <QTest>

#include <cmath>

// In the recording device's metric a character of a 10-point font is 1/12
// inch wide and a line 1/6 inch high.
inline constexpr double CharWidth10 = 1.0 / 12.0;
inline constexpr double Line10 = 1.0 / 6.0;

inline bool nearly(double actual, double expected)
{
    return std::fabs(actual - expected) < 1e-9;
}

#define COMPARE_INCHES(actual, expected)                                                                    \
    QVERIFY2(nearly((actual), (expected)),                                                                  \
             qPrintable(QStringLiteral("%1 is %2, expected %3").arg(QStringLiteral(#actual)).arg(actual).arg(expected)))

// While it exists, the passing files of printouts for a printer are made in
// a temporary folder of the test's own (other tests print at the same time),
// so that the files left behind can be counted.
class PassingFilesFolder
{
public:
    PassingFilesFolder() { qputenv("TMPDIR", folder.path().toLocal8Bit()); }
    ~PassingFilesFolder()
    {
        if (before.isEmpty())
            qunsetenv("TMPDIR");
        else
            qputenv("TMPDIR", before);
    }
    PassingFilesFolder(const PassingFilesFolder &) = delete;
    PassingFilesFolder &operator=(const PassingFilesFolder &) = delete;

    QStringList files() const { return QDir(folder.path()).entryList(QDir::Files); }

private:
    QByteArray before = qgetenv("TMPDIR");
    QTemporaryDir folder;
};
