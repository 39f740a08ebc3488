#pragma once

#include <QByteArray>
#include <QString>

// Texts inside IFF files. The game writes its own code page; what we write is UTF-8, which
// reads back unchanged whatever characters a path holds.
QString DecodeIffText(QByteArrayView bytes);
QByteArray EncodeIffText(const QString& text);
