#pragma once

#include "app/location/WinePrefix.h"

#include <QStringList>

// The folders the drive search starts from, "/" separators with a trailing separator, in
// search order. On Windows the roots of the fixed and network drives A: to Z:. Elsewhere
// the Wine prefix's drives (from $WINEPREFIX, else ~/.wine) except any that leads to the
// root of the whole file system, then the home folder.
QStringList VocksSearchRoots();

// The language key of the question that offers the search, naming the folders it covers on
// this system: the drives on Windows, the Wine prefix's drives and the home folder elsewhere.
QString SearchQuestionKey();

// The roots outside Windows for a given prefix and home folder; a folder already listed
// (two letters leading to one folder, or a letter leading to home) is listed once.
QStringList WineSearchRoots(const WinePrefix& prefix, const QString& homeFolder);
