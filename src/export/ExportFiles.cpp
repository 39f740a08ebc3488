#include "export/ExportFiles.h"

#include "common/TextDecoding.h"
#include "common/TextFile.h"
#include "formats/FileOpenError.h"

#include <QFile>
#include <QSaveFile>

namespace {
const QString LineEnd = QStringLiteral("\r\n");

QString JoinLines(const QStringList& lines) {
    QString text;
    for (const QString& line : lines)
        text += line + LineEnd;
    return text;
}
} // namespace

QString TrimControls(const QString& text) {
    const auto isTrimmed = [](QChar c) { return c.unicode() <= u' '; };
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && isTrimmed(text[first]))
        ++first;
    while (last > first && isTrimmed(text[last - 1]))
        --last;
    return text.sliced(first, last - first);
}

QString ReadTemplateFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw EFileOpenError(file);
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        throw EFileOpenError(file);
    return TrimControls(JoinLines(SplitTextLines(Decode8BitText(bytes))));
}

void WriteExportFile(const QString& path, const QString& document, const OutputEncoding& encoding) {
    const QByteArray bytes = encoding.Encode(JoinLines(SplitTextLines(TrimControls(document))));
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        throw EFileOpenError(file);
}
