#include "WineSandbox.h"

#include "support/FileFixtures.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

const QString WineSandbox::GameKey = QStringLiteral("Software\\Quarn\\The Vocks");

WineSandbox::WineSandbox() : FOldPrefix(qgetenv("WINEPREFIX")), FOldHome(qgetenv("HOME")) {
    EXPECT_TRUE(QDir().mkpath(DriveC()));
    EXPECT_TRUE(QDir().mkpath(Home()));
    EXPECT_TRUE(QDir().mkpath(Prefix() + QStringLiteral("/dosdevices")));
    LinkDrive(QStringLiteral("c:"), QStringLiteral("../drive_c"));
    LinkDrive(QStringLiteral("z:"), QStringLiteral("/"));
    qputenv("WINEPREFIX", QFile::encodeName(Prefix()));
    qputenv("HOME", QFile::encodeName(Home()));
}

WineSandbox::~WineSandbox() {
    qputenv("WINEPREFIX", FOldPrefix);
    qputenv("HOME", FOldHome);
}

void WineSandbox::LinkDrive(const QString& drive, const QString& target) const {
    EXPECT_TRUE(QFile::link(target, Prefix() + QStringLiteral("/dosdevices/") + drive));
}

void WineSandbox::WriteSystemReg(const QByteArray& body) const {
    EXPECT_TRUE(WriteFixtureFile(Prefix() + QStringLiteral("/system.reg"),
                                 "WINE REGISTRY Version 2\n;; All keys relative to "
                                 "\\\\Machine\n\n#arch=win32\n\n" +
                                     body));
}

void WineSandbox::RegisterGame(const QString& windowsPath, const QString& keyPath) const {
    WriteSystemReg('[' + RegEscaped(keyPath) + "] 1700000000\n#time=1da0000000000\n" +
                   "\"EPInstalled\"=\"1\"\n\"VOCKS_DATA\"=\"" + RegEscaped(windowsPath) + "\"\n");
}

void WineSandbox::PlaceGame(const QString& folder, const QString& fileName) const {
    EXPECT_TRUE(WriteFixtureFile(folder + u'/' + fileName, "MZ"));
}

QByteArray RegEscaped(const QString& text) {
    QString escaped = text;
    escaped.replace(u'\\', QStringLiteral("\\\\")).replace(u'"', QStringLiteral("\\\""));
    return escaped.toUtf8();
}
