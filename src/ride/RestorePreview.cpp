#include "ride/RestorePreview.h"

#include "model/LogKindInfo.h"
#include "store/LogKind.h"

#include <QDialogButtonBox>
#include <QFileInfo>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

RestorePreview::RestorePreview(const QString &archive, const BackupManifest &manifest, QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("RestorePreview"));
    setWindowTitle(QStringLiteral("Restore %1").arg(QFileInfo(archive).fileName()));
    auto *layout = new QVBoxLayout(this);

    auto *made = new QLabel(QStringLiteral("This backup was made on %1 by Torqal %2.")
                                .arg(QLocale().toString(manifest.made.toLocalTime(), QLocale::LongFormat), manifest.programVersion),
                            this);
    made->setObjectName(QStringLiteral("lblMade"));
    layout->addWidget(made);

    auto *ridesCaption = new QLabel(QStringLiteral("Ri&des in it (%1):").arg(manifest.rides.size()), this);
    auto *rides = new QListWidget(this);
    rides->setObjectName(QStringLiteral("lstRides"));
    rides->addItems(manifest.rides);
    ridesCaption->setBuddy(rides);
    rides->setAccessibleName(QStringLiteral("Rides in the backup"));
    layout->addWidget(ridesCaption);
    layout->addWidget(rides, 1);

    QStringList counts;
    for (LogKind kind : AllLogKinds)
        counts << QStringLiteral("%1: %2").arg(logKindInfo(kind).tabCaption).arg(manifest.entries[std::size_t(logIndex(kind) - 1)]);
    counts << QStringLiteral("Reminders: %1").arg(manifest.reminders);
    auto *entries = new QLabel(counts.join(QLatin1Char('\n')), this);
    entries->setObjectName(QStringLiteral("lblEntries"));
    layout->addWidget(entries);

    auto *warning = new QLabel(QStringLiteral("Restoring replaces every ride, entry, reminder and picture now in Torqal with "
                                              "those of the backup. What is there now is kept first in a backup of its own "
                                              "in the Backups folder of your data folder."),
                               this);
    warning->setWordWrap(true);
    layout->addWidget(warning);

    auto *buttons = new QDialogButtonBox(this);
    QPushButton *restore = buttons->addButton(QStringLiteral("&Restore"), QDialogButtonBox::AcceptRole);
    restore->setObjectName(QStringLiteral("cmdRestoreBackup"));
    restore->setAccessibleName(QStringLiteral("Restore this backup"));
    QPushButton *cancel = buttons->addButton(QDialogButtonBox::Cancel);
    cancel->setAccessibleName(QStringLiteral("Leave the records as they are"));
    cancel->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    cancel->setFocus();
}
