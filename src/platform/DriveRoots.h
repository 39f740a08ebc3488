#pragma once

#include <QStringList>

#include <optional>

// On a system with drive letters, the roots of its fixed and network drives A: to Z: in
// letter order, "/" separators ("C:/"). Nothing elsewhere: the drives the game sees there
// are those of its Wine prefix.
std::optional<QStringList> SystemDriveRoots();
