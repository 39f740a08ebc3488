#include "platform/ProgramFolder.h"

#include <QCoreApplication>
#include <QDir>

QString ProgramFolder() {
    const QString home = qEnvironmentVariable("PACKWRIGHT_HOME");
    QString folder =
        QDir::fromNativeSeparators(home.isEmpty() ? QCoreApplication::applicationDirPath() : home);
    // An empty text stays empty rather than naming the root folder.
    if (!folder.isEmpty() && !folder.endsWith(u'/'))
        folder += u'/';
    return folder;
}
