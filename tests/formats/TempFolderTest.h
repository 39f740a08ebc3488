#pragma once

#include "support/FileFixtures.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

// A test with a temporary folder of its own, removed afterwards.
class TempFolderTest : public ::testing::Test {
protected:
    QString PathOf(const QString& name) const { return FFolder.filePath(name); }

    QString Write(const QString& name, const QByteArray& bytes) {
        const QString path = PathOf(name);
        EXPECT_TRUE(WriteFixtureFile(path, bytes)) << path.toStdString();
        return path;
    }

    QTemporaryDir FFolder;
};
