#pragma once

#include <QString>

// Makes this run's temporary folder in tempRoot: "PKWR" followed by the first number not yet
// taken, readable only by its owner. Returns its path with a trailing separator. When it
// cannot be made the path of the first free name is returned all the same; whoever uses
// the folder then reports the failure.
QString CreateRunTempFolder(const QString& tempRoot);
