#include "ShellSandbox.h"

#include "language/BuiltInEnglish.h"
#include "support/FileFixtures.h"
#include "support/WineRegistryFixtures.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QSettings>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

const QString ShellSandbox::GameKey = u"Software\\Quarn\\The Vocks"_s;

ShellSandbox::ShellSandbox() {
    for (const char* folder : {"program", "game", "tmp", "home", "wine/drive_c", "wine/dosdevices"})
        EXPECT_TRUE(QDir(FRoot.Path()).mkpath(QLatin1String(folder)));
    LinkDrive(u"c:"_s, u"../drive_c"_s);
    LinkDrive(u"z:"_s, u"/"_s);
    Redirect("PACKWRIGHT_SETTINGS", SettingsFile());
    Redirect("PACKWRIGHT_HOME", ProgramFolder());
    Redirect("TMPDIR", TempRoot());
    Redirect("HOME", Home());
    Redirect("WINEPREFIX", Prefix());
    WriteFile(u"program/English.lng"_s, BuiltInEnglishLines().join(QLatin1Char('\n')).toUtf8());
    WriteFile(u"program/Readme.txt"_s, "Welcome to the sandbox.\r\nSecond line.\r\n");
    WritePicture(u"program/dropimg.jpg"_s, 384, 384);
    PlaceGame(Path(u"game"_s));
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
        {u"FileAction"_s, u"0"_s},
        {u"InstallBMP"_s, ProgramFolder() + u"dropimg.jpg"_s},
        {u"Language"_s, ProgramFolder() + u"English.lng"_s},
        {u"VocksPath"_s, GameFolder()},
        {u"Expansion"_s, u"0"_s},
        {u"OnTop"_s, u"0"_s},
        {u"ScrollingText"_s, u"1"_s},
    };
    values.insert(changes);
    QSettings store(SettingsFile(), QSettings::IniFormat);
    for (auto it = values.cbegin(); it != values.cend(); ++it)
        store.setValue(it.key(), it.value());
}

QString ShellSandbox::StoredValue(const QString& name) const {
    return QSettings(SettingsFile(), QSettings::IniFormat).value(name).toString();
}

QMap<QString, QString> ShellSandbox::StoredValues() const {
    const QSettings store(SettingsFile(), QSettings::IniFormat);
    QMap<QString, QString> values;
    for (const QString& key : store.allKeys())
        values.insert(key, store.value(key).toString());
    return values;
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

void ShellSandbox::LinkDrive(const QString& drive, const QString& target) const {
    EXPECT_TRUE(QFile::link(target, Prefix() + u"/dosdevices/"_s + drive));
}

void ShellSandbox::WriteGameKey(const std::vector<std::pair<QString, QString>>& values,
                                const QString& keyPath) const {
    WriteFile(u"wine/system.reg"_s, BuildWineRegistryFile({{keyPath, values, {}}}));
}

void ShellSandbox::PlaceGame(const QString& folder, const QString& fileName) const {
    EXPECT_TRUE(WriteFixtureFile(folder + u'/' + fileName, "MZ"));
}
