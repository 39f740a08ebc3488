#pragma once

#include "cli/CliIo.h"

// Undoes the operations on the data folder that a killed or crashed run left
// unfinished, saying on standard error what it did. False, once the reason is shown, when
// the game folder and files.iff may still disagree: the command must not go on.
bool RecoverFirst(CliIo& io);
