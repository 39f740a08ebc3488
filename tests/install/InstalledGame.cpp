#include "InstalledGame.h"

#include "formats/InstalledFilesDb.h"

#include <QFileInfo>

using namespace Qt::StringLiterals;

QMap<QString, QByteArray> FilesBelow(const TempFolder& folder, const QString& below) {
    QMap<QString, QByteArray> files;
    for (const QString& entry : folder.Contents()) {
        if (entry.startsWith(below) && QFileInfo(folder.Path(entry)).isFile())
            files.insert(entry.mid(below.size()), folder.Read(entry));
    }
    return files;
}

QStringList RecordLines(const QString& database, const QString& game) {
    const InstalledFilesDb db(database);
    QStringList records;
    for (const ContentKindInfo& info : AllContentKinds()) {
        for (int i = 0; i < db.Count(info.Kind); ++i) {
            const InstalledFileRecord record = db.Get(info.Kind, i);
            const QString path = record.FileName.startsWith(game) ? record.FileName.mid(game.size())
                                                                  : record.FileName;
            records.append(
                u"%1 %2 %3"_s.arg(ContentKindValue(info.Kind)).arg(path, record.Comment).trimmed());
        }
    }
    return records;
}
