#include "ShellSandbox.h"

#include "language/BuiltInEnglish.h"
#include "support/FileFixtures.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QSettings>

#include <gtest/gtest.h>

namespace {
// A registry text as Wine writes it: backslashes and quotes escaped.
QByteArray RegEscaped(const QString& text) {
    QString escaped = text;
    escaped.replace(u'\\', QStringLiteral("\\\\")).replace(u'"', QStringLiteral("\\\""));
    return escaped.toUtf8();
}
} // namespace

const QString ShellSandbox::GameKey = QStringLiteral("Software\\Quarn\\The Vocks");

ShellSandbox::ShellSandbox() {
    for (const char* folder : {"program", "game", "tmp", "home", "wine/drive_c", "wine/dosdevices"})
        EXPECT_TRUE(QDir(FRoot.path()).mkpath(QLatin1String(folder)));
    LinkDrive(QStringLiteral("c:"), QStringLiteral("../drive_c"));
    LinkDrive(QStringLiteral("z:"), QStringLiteral("/"));
    Redirect("PACKWRIGHT_SETTINGS", SettingsFile());
    Redirect("PACKWRIGHT_HOME", ProgramFolder());
    Redirect("TMPDIR", TempRoot());
    Redirect("HOME", Home());
    Redirect("WINEPREFIX", Prefix());
    WriteFile(QStringLiteral("program/English.lng"),
              BuiltInEnglishLines().join(QLatin1Char('\n')).toUtf8());
    WriteFile(QStringLiteral("program/Readme.txt"), "Welcome to the sandbox.\r\nSecond line.\r\n");
    WritePicture(QStringLiteral("program/dropimg.jpg"), 384, 384);
    PlaceGame(Path(QStringLiteral("game")));
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

QString ShellSandbox::WriteFile(const QString& relative, const QByteArray& bytes) const {
    EXPECT_TRUE(WriteFixtureFile(Path(relative), bytes));
    return Path(relative);
}

void ShellSandbox::LinkDrive(const QString& drive, const QString& target) const {
    EXPECT_TRUE(QFile::link(target, Prefix() + QStringLiteral("/dosdevices/") + drive));
}

void ShellSandbox::WriteSystemReg(const QByteArray& body) const {
    WriteFile(QStringLiteral("wine/system.reg"),
              "WINE REGISTRY Version 2\n;; All keys relative to \\\\Machine\n\n#arch=win32\n\n" +
                  body);
}

void ShellSandbox::WriteGameKey(const QHash<QString, QString>& values,
                                const QString& keyPath) const {
    QByteArray key = '[' + RegEscaped(keyPath) + "] 1700000000\n#time=1da0000000000\n";
    for (auto it = values.cbegin(); it != values.cend(); ++it)
        key += '"' + RegEscaped(it.key()) + "\"=\"" + RegEscaped(it.value()) + "\"\n";
    WriteSystemReg(key);
}

void ShellSandbox::PlaceGame(const QString& folder, const QString& fileName) const {
    EXPECT_TRUE(WriteFixtureFile(folder + u'/' + fileName, "MZ"));
}
