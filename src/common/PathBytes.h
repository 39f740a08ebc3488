#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <optional>

// A path whose bytes on the disk are not valid UTF-8 (a name written under another code
// page) is held as text with each stray byte as one lone surrogate, U+DC80 to U+DCFF, so
// that the text names those very bytes again. Valid UTF-8 reads as usual: the text of any
// other path is the one Qt would give it.

QString PathOfBytes(QByteArrayView bytes);
QByteArray BytesOfPath(const QString& path);

// The stray byte that the character at index stands for; nothing for a character that is
// text, the low half of a surrogate pair included.
std::optional<uchar> StrayByteAt(const QString& path, qsizetype index);
QChar StrayByteCharacter(uchar byte);
