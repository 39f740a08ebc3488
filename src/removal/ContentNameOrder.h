#pragma once

#include <QStringView>

// The order in which found content is shown: by name, without regard to letter case, so
// that the lists read the same whatever order the file system lists a folder in.
bool ComesBeforeByName(QStringView name, QStringView other);
