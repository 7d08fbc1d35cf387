#pragma once

#include "backup/BackupManifest.h"

#include <QDialog>

// What a checked backup holds, shown before a restore replaces anything: its
// date, the rides by name, the entries of each log and the reminders, with
// the commands to restore it or to leave everything as it is (the default).
class RestorePreview : public QDialog
{
    Q_OBJECT

public:
    RestorePreview(const QString &archive, const BackupManifest &manifest, QWidget *parent);
};
