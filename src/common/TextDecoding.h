#pragma once

#include <QByteArray>
#include <QString>

// Text files from players' disks come in whatever 8-bit code page their editor used.
// Valid UTF-8 is read as UTF-8; anything else as the system's 8-bit code page, which
// outside Windows means Windows-1252, the code page these files are written in.
QString Decode8BitText(const QByteArray& bytes);

QString DecodeWindows1252(const QByteArray& bytes);
