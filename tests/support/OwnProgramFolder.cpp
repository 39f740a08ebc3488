#include "support/OwnProgramFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSettings>

namespace {
std::optional<QByteArray> Redirect(const char* name, const QString& value) {
    std::optional<QByteArray> old;
    if (qEnvironmentVariableIsSet(name))
        old = qgetenv(name);
    qputenv(name, QFile::encodeName(value));
    return old;
}

void Restore(const char* name, const std::optional<QByteArray>& old) {
    if (old)
        qputenv(name, *old);
    else
        qunsetenv(name);
}
} // namespace

OwnProgramFolderTest::OwnProgramFolderTest()
    : FOldHome(Redirect("PACKWRIGHT_HOME", FFolder.Path(QStringLiteral("home")))),
      FOldSettings(Redirect("PACKWRIGHT_SETTINGS", FFolder.Path(QStringLiteral("settings.ini")))) {
    QDir().mkpath(FFolder.Path(QStringLiteral("home")));
}

OwnProgramFolderTest::~OwnProgramFolderTest() {
    Restore("PACKWRIGHT_HOME", FOldHome);
    Restore("PACKWRIGHT_SETTINGS", FOldSettings);
}

QString OwnProgramFolderTest::ShippedFolder() const {
    return FOldHome ? QFile::decodeName(*FOldHome) : QCoreApplication::applicationDirPath();
}

QString OwnProgramFolderTest::StoredSetting(const QString& key) const {
    return QSettings(FFolder.Path(QStringLiteral("settings.ini")), QSettings::IniFormat)
        .value(key)
        .toString();
}
