#include "content/datapath.h"

QString DataPath;

QString dataPathFor(const QString &reportedFolder)
{
    if (reportedFolder.endsWith(QLatin1Char('/')))
        return reportedFolder.chopped(1);
    return reportedFolder;
}
