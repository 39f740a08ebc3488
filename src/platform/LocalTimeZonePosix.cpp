#include "platform/LocalTimeZone.h"

#include <QFileInfo>
#include <QtGlobal>

void ReadLocalTimeZoneOnce() {
    const QString zoneFile = QStringLiteral("/etc/localtime");
    if (!qEnvironmentVariableIsSet("TZ") && QFileInfo::exists(zoneFile))
        qputenv("TZ", ':' + zoneFile.toLocal8Bit());
}
