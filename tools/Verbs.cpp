#include "Verbs.h"

#include "BackupCommands.h"
#include "CheckCommand.h"
#include "DueCommand.h"
#include "DumpCommand.h"
#include "RepairCommand.h"
#ifdef TORQAL_DATA_HISTORY
#include "ExportCommand.h"
#include "HistoryCommand.h"
#include "ImportCommand.h"
#endif

QList<Verb> torqalDataVerbs()
{
    QList<Verb> verbs{checkVerb(), dumpVerb(), repairVerb(), dueVerb(), backupVerb(), verifyVerb(), restoreVerb()};
#ifdef TORQAL_DATA_HISTORY
    verbs << historyVerb() << exportVerb() << importVerb();
#endif
    return verbs;
}
