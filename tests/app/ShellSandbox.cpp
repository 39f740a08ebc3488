#include "ShellSandbox.h"

#include "language/BuiltInEnglish.h"
#include "support/FileFixtures.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QSettings>

ShellSandbox::ShellSandbox() {
    for (const char* folder : {"program", "game", "tmp", "home", "wine"})
        QDir(FRoot.path()).mkpath(QLatin1String(folder));
    Redirect("PACKWRIGHT_SETTINGS", SettingsFile());
    Redirect("PACKWRIGHT_HOME", ProgramFolder());
    Redirect("TMPDIR", TempRoot());
    Redirect("HOME", Path(QStringLiteral("home")));
    Redirect("WINEPREFIX", WinePrefix());
    WriteFile(QStringLiteral("program/English.lng"),
              BuiltInEnglishLines().join(QLatin1Char('\n')).toUtf8());
    WriteFile(QStringLiteral("program/Readme.txt"), "Welcome to the sandbox.\r\nSecond line.\r\n");
    WritePicture(QStringLiteral("program/dropimg.jpg"), 384, 384);
    WriteFile(QStringLiteral("game/Vocks.exe"), "MZ");
}

ShellSandbox::~ShellSandbox() {
    for (const auto& [name, value] : FSavedEnvironment) {
        if (value)
            qputenv(name.constData(), *value);
        else
            qunsetenv(name.constData());
    }
}

void ShellSandbox::Redirect(const char* name, const QString& value) {
    const QByteArray old = qgetenv(name);
    FSavedEnvironment.append({QByteArray(name), qEnvironmentVariableIsSet(name)
                                                    ? std::optional<QByteArray>(old)
                                                    : std::nullopt});
    qputenv(name, QFile::encodeName(value));
}

void ShellSandbox::WriteSettings(const QHash<QString, QString>& changes) const {
    QHash<QString, QString> values = {
        {QStringLiteral("FileAction"), QStringLiteral("0")},
        {QStringLiteral("InstallBMP"), ProgramFolder() + QStringLiteral("dropimg.jpg")},
        {QStringLiteral("Language"), ProgramFolder() + QStringLiteral("English.lng")},
        {QStringLiteral("VocksPath"), GameFolder()},
        {QStringLiteral("Expansion"), QStringLiteral("0")},
        {QStringLiteral("OnTop"), QStringLiteral("0")},
        {QStringLiteral("ScrollingText"), QStringLiteral("1")},
    };
    values.insert(changes);
    QSettings store(SettingsFile(), QSettings::IniFormat);
    for (auto it = values.cbegin(); it != values.cend(); ++it)
        store.setValue(it.key(), it.value());
}

QString ShellSandbox::StoredValue(const QString& name) const {
    return QSettings(SettingsFile(), QSettings::IniFormat).value(name).toString();
}

QString ShellSandbox::WritePicture(const QString& relative, int width, int height) const {
    QImage picture(width, height, QImage::Format_RGB32);
    picture.fill(Qt::darkGreen);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    const bool bitmap = relative.endsWith(QLatin1String(".bmp"), Qt::CaseInsensitive);
    picture.save(&buffer, bitmap ? "BMP" : "JPEG");
    return WriteFile(relative, bytes);
}

QString ShellSandbox::WriteFile(const QString& relative, const QByteArray& bytes) const {
    WriteFixtureFile(Path(relative), bytes);
    return Path(relative);
}

void ShellSandbox::WriteGameKey(const QHash<QString, QString>& values) const {
    QDir(WinePrefix()).mkpath(QStringLiteral("dosdevices"));
    QDir(FRoot.path()).mkpath(QStringLiteral("drive_c"));
    QFile::link(Path(QStringLiteral("drive_c")), WinePrefix() + QStringLiteral("/dosdevices/c:"));
    QByteArray registry = "WINE REGISTRY Version 2\n;; All keys relative to \\\\Machine\n\n"
                          "[Software\\\\Quarn\\\\The Vocks] 1700000000\n";
    for (auto it = values.cbegin(); it != values.cend(); ++it) {
        QString value = it.value();
        value.replace(QLatin1String("\\"), QLatin1String("\\\\"));
        registry += QStringLiteral("\"%1\"=\"%2\"\n").arg(it.key(), value).toUtf8();
    }
    WriteFile(QStringLiteral("wine/system.reg"), registry);
}
