#include "data/rules.h"

#include "data/datamodule.h"

void InstallRecordRules(TDatabaseModule& dm)
{
    (void)dm;
}
