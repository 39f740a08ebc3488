#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// Splits text into lines ending in CR LF, CR or LF; a final line break adds no empty line.
QStringList SplitTextLines(QStringView text);

// Reads a whole 8-bit text file (see Decode8BitText) as lines; nothing when the file
// cannot be opened or read.
std::optional<QStringList> ReadTextFileLines(const QString& path);
