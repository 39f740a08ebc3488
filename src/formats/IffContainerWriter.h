#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

class QIODevice;

// One chunk for the writer. Type is four ASCII characters; a label longer than 64 bytes
// is cut.
struct IffChunkToWrite {
    QByteArray Type;
    int Id = 0;
    int Flags = 0;
    QString Label;
    QByteArray Data;
};

// Writes the header, the chunks in order and a resource map listing them. False when the
// device fails or a chunk is too large for its size field.
bool WriteIffContainer(QIODevice& device, const QList<IffChunkToWrite>& chunks);

// Writes the container beside fileName and renames it over the old file, so that a crash
// or a full disk leaves the old file whole. False when anything fails.
bool SaveIffContainer(const QString& fileName, const QList<IffChunkToWrite>& chunks);
