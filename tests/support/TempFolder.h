#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <gtest/gtest.h>

// A folder of a test's own, removed with it.
class TempFolder {
public:
    TempFolder() = default;
    // A folder below parent rather than below the system's temporary folder.
    explicit TempFolder(const QString& parent)
        : FRoot(parent + QStringLiteral("/packwright-XXXXXX")) {}

    // The path of name below the folder; the folder itself for "".
    QString Path(const QString& name = QString()) const { return FRoot.filePath(name); }
    // Writes bytes to the named file, making missing folders, and returns its path; the test
    // fails when that is impossible.
    QString Write(const QString& name, const QByteArray& bytes) const;
    // The named file's bytes; empty when it cannot be read.
    QByteArray Read(const QString& name) const;
    // Every file and folder below, as relative paths, sorted.
    QStringList Contents() const;

private:
    QTemporaryDir FRoot;
};

// A test with a folder of its own.
class TempFolderTest : public ::testing::Test {
protected:
    TempFolder FFolder;
};
