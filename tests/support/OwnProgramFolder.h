#pragma once

#include "support/TempFolder.h"

#include <QByteArray>
#include <QString>

#include <optional>

// A test whose program folder (home/) and settings file (settings.ini) lie in its own
// folder: the environment points there while the test runs, so programs it starts use them
// too, and is restored afterwards.
class OwnProgramFolderTest : public TempFolderTest {
protected:
    OwnProgramFolderTest();
    ~OwnProgramFolderTest() override;

    // The program folder the tests were started with, where the shipped files lie.
    QString ShippedFolder() const;
    // The text stored under key in settings.ini.
    QString StoredSetting(const QString& key) const;

private:
    std::optional<QByteArray> FOldHome;
    std::optional<QByteArray> FOldSettings;
};
