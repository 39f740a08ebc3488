#pragma once

#include <QFileDevice>

#include <filesystem>
#include <vector>

// Flushes the file's buffer and waits until the system has put its bytes on the disk, so
// that writes made before it survive a power cut or system crash ahead of writes made after.
bool SyncToDisk(QFileDevice& file);

// Asks the system to start putting the file's written bytes on the disk without waiting for
// it, so that a large write and its final SyncToDisk overlap instead of following each other.
// Guarantees nothing; where the system has no such call it does nothing.
void StartWritingToDisk(QFileDevice& file);

// Waits until the folder's entries (files created, renamed or removed in it) are on the disk.
// Where the system keeps no such record apart from the files it does nothing and succeeds.
bool SyncFolderToDisk(const QString& folder);

// Waits until the bytes and entries of these files, written through any handle, are on the
// disk. On Linux one syncfs per file system the files lie on, which is far cheaper for
// thousands of files than a flush of each; elsewhere each file is flushed. A file that is
// not there is passed over: nothing of it needs to last.
bool SyncFilesToDisk(const std::vector<std::filesystem::path>& files);
