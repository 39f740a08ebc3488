#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

// Fixed places in every IFF file.
constexpr qint64 IffHeaderSize = 64;
constexpr qint64 IffChunkHeaderSize = 76;
constexpr int IffLabelSize = 64;

// One chunk of an IFF file. The fields keep their not-found values (-1 and empty) when no
// chunk was found.
struct IffChunkInfo {
    QString Type;
    qint64 Offset = -1;
    // The whole chunk's size as its header gives it.
    qint64 Size = -1;
    QString Label;
    int Id = -1;
    int Flags = -1;
    qint64 DataOffset = -1;
    // The number of data bytes held in Data: Size - 76, or less when the chunk runs past
    // the end of the file, so a damaged size never costs more memory than the file has.
    qint64 DataSize = -1;
    QByteArray Data;

    bool Found() const { return Offset >= 0; }
};

// True when the file starts as every IFF file does ("IFF FILE"); false when it does not or
// cannot be read.
bool HasIffSignature(const QString& fileName);

// These open the file for each call and throw EFileOpenError when it cannot be opened.
// Scans start at offset 64 and stop at a chunk whose header is cut off or whose size
// cannot hold its own header: nothing after a damaged chunk can be found reliably.

// The first chunk in file order whose type (case-sensitive) and id match.
IffChunkInfo FindIffChunk(const QString& fileName, QStringView type, int id);

// Every chunk of the type in file order, with its data.
QList<IffChunkInfo> ListIffChunks(const QString& fileName, QStringView type);

// Every chunk whatever its type, in file order, with its data.
QList<IffChunkInfo> ListAllIffChunks(const QString& fileName);
