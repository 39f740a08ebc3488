#pragma once

#include <QString>

// Whether the file is a RAR 5 archive with encrypted headers or an encrypted file entry.
// libarchive 3.6 reads neither for what it is: it fails on encrypted headers as on damage,
// and hands out an encrypted entry's ciphertext as the file's contents. False for any other
// file, and where the headers stop making sense (libarchive then reports the damage).
bool IsEncryptedRar5(const QString& path);
