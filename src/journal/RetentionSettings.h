#pragma once

#include "journal/OperationsFolder.h"

class QSettings;

// The space is set and stored in whole MiB.
constexpr int MebibyteShift = 20;

// The retention as the settings store keeps it, beside the other options: the number of
// committed operations and the space of their kept files in MiB. A value that is missing,
// negative or not a number reads as the default.
Retention ReadRetention(const QSettings& store);
void WriteRetention(QSettings& store, const Retention& retention);

// The retention of the program's settings store, which every operation applies after its
// commit, in the window and on the command line alike.
Retention StoredRetention();
