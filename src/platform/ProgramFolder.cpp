#include "platform/ProgramFolder.h"

#include "common/PathRules.h"

#include <QCoreApplication>
#include <QDir>

QString ProgramFolder() {
    const QString home = qEnvironmentVariable("PACKWRIGHT_HOME");
    const QString folder = home.isEmpty() ? QCoreApplication::applicationDirPath() : home;
    return WithTrailingSeparator(QDir::fromNativeSeparators(folder));
}
