#include "support/FarFixtures.h"

#include <QtEndian>

namespace {
void AppendLe32(QByteArray& bytes, quint32 value) {
    bytes.append(QByteArray(4, '\0'));
    PatchLe32(bytes, bytes.size() - 4, value);
}
} // namespace

QByteArray BuildFarArchive(const std::vector<FarFixtureEntry>& entries) {
    QByteArray archive("FAR!byAZ");
    AppendLe32(archive, 1);
    AppendLe32(archive, 0);
    QByteArray directory;
    AppendLe32(directory, quint32(entries.size()));
    for (const FarFixtureEntry& entry : entries) {
        AppendLe32(directory, quint32(entry.Data.size()));
        AppendLe32(directory, quint32(entry.Data.size()));
        AppendLe32(directory, quint32(archive.size()));
        AppendLe32(directory, quint32(entry.Name.size()));
        directory.append(entry.Name);
        archive.append(entry.Data);
    }
    PatchLe32(archive, 12, quint32(archive.size()));
    return archive + directory;
}

quint32 FarDirectoryOffsetOf(const QByteArray& archive) {
    return qFromLittleEndian<quint32>(archive.constData() + 12);
}

void PatchLe32(QByteArray& bytes, qsizetype position, quint32 value) {
    qToLittleEndian(value, bytes.data() + position);
}
