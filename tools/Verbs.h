#pragma once

#include "Verb.h"

// Every command of torqal-data, in the order its help lists them; the history
// and export commands where the build has the print code and the charts.
QList<Verb> torqalDataVerbs();
