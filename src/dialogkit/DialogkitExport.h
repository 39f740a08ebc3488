#pragma once

#include <QtGlobal>

// Dialogkit is its own shared library: its classes are exported when it is built and
// imported by the programs that use it.
#ifdef DIALOGKIT_LIBRARY
#define DIALOGKIT_EXPORT Q_DECL_EXPORT
#else
#define DIALOGKIT_EXPORT Q_DECL_IMPORT
#endif
