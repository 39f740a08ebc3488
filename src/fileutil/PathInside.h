#pragma once

#include <QString>

// Whether path lies inside folder once every link on the way to either is followed, so that
// a link cannot carry work meant for the folder out of it. A path that cannot be resolved
// (missing, or pointing nowhere) does not.
bool LiesInside(const QString& path, const QString& folder);
