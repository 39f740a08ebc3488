#pragma once

#include <QByteArray>
#include <QString>

// Writes bytes to path, making missing folders; false when that fails.
bool WriteFixtureFile(const QString& path, const QByteArray& bytes);
