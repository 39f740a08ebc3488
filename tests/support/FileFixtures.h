#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>

// Writes bytes to path, making missing folders; false when that fails.
bool WriteFixtureFile(const QString& path, const QByteArray& bytes);

// Sets the file's modification time; false when that fails.
bool SetFileModified(const QString& path, const QDateTime& stamp);
