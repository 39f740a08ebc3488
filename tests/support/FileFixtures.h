#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>

// Writes bytes to path, making missing folders; false when that fails.
bool WriteFixtureFile(const QString& path, const QByteArray& bytes);

// The file's bytes; empty when it cannot be read.
QByteArray ReadFixtureFile(const QString& path);

// Sets the file's modification time; false when that fails.
bool SetFileModified(const QString& path, const QDateTime& stamp);
