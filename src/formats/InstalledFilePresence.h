#pragma once

#include "formats/ContentKind.h"

#include <QString>

// Whether a recorded file is still there. A packed file counts as there while the FAR
// archive that holds it exists: the nearest file found by walking up from the name's
// folder part.
bool InstalledFileStillThere(ContentKind kind, const QString& fileName);
