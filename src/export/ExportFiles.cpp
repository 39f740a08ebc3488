#include "export/ExportFiles.h"

#include "common/TextDecoding.h"
#include "export/CrLfLines.h"
#include "export/ExportTextWriter.h"
#include "export/LinkMaker.h"
#include "formats/FileOpenError.h"

#include <QFile>

namespace {
QStringView ControlsTrimmed(QStringView text) {
    const auto isTrimmed = [](QChar c) { return c.unicode() <= u' '; };
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && isTrimmed(text[first]))
        ++first;
    while (last > first && isTrimmed(text[last - 1]))
        --last;
    return text.sliced(first, last - first);
}
} // namespace

QString TrimControls(const QString& text) {
    return ControlsTrimmed(text).toString();
}

QString ReadTemplateFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw EFileOpenError(file);
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        throw EFileOpenError(file);
    QString lines;
    bool afterCr = false;
    AppendWithCrLf(lines, Decode8BitText(bytes), afterCr);
    return TrimControls(lines);
}

void WriteExportFile(const QString& path, const QString& document, const OutputEncoding& encoding,
                     AddressesIn addresses) {
    WriteExportText(path, encoding, addresses == AddressesIn::Links,
                    [&](ExportTextWriter& writer, bool links) {
                        if (links)
                            DocumentLinker([&](QStringView piece) {
                                writer.Append(piece);
                            }).Take(document, true);
                        else
                            writer.Append(document);
                    });
}
