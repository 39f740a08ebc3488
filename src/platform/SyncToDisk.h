#pragma once

#include <QFileDevice>

// Flushes the file's buffer and waits until the system has put its bytes on the disk, so
// that writes made before it survive a power cut or system crash ahead of writes made after.
bool SyncToDisk(QFileDevice& file);
