#include "export/ExportTextWriter.h"

#include "export/CrLfLines.h"
#include "export/TemplateRegex.h"
#include "formats/FileOpenError.h"

namespace {
// Characters of encoded text handed to the file at once: a long document never stands
// whole in memory a second time.
constexpr qsizetype WriteChunk = 1 << 16;
const QString LineEnd = QStringLiteral("\r\n");

bool IsTrimmed(QChar c) {
    return c.unicode() <= u' ';
}
} // namespace

ExportTextWriter::ExportTextWriter(const QString& path, const OutputEncoding& encoding)
    : FFile(path), FEncoding(encoding) {
    const QByteArray start = FEncoding.Start();
    if (!FFile.open(QIODevice::WriteOnly) || FFile.write(start) != start.size())
        throw EFileOpenError(FFile);
}

void ExportTextWriter::Append(QStringView text) {
    if (!FStarted) {
        qsizetype first = 0;
        while (first < text.size() && IsTrimmed(text[first]))
            ++first;
        text = text.sliced(first);
        FStarted = !text.isEmpty();
    }
    qsizetype kept = text.size();
    while (kept > 0 && IsTrimmed(text[kept - 1]))
        --kept;
    if (kept == 0) {
        FHeldBack += text;
        return;
    }
    AppendWithCrLf(FLines, FHeldBack, FAfterCr);
    AppendWithCrLf(FLines, text.first(kept), FAfterCr);
    FHeldBack.resize(0);
    FHeldBack += text.sliced(kept);
    if (FLines.size() >= WriteChunk)
        WriteLines(FLines.lastIndexOf(u'\n') + 1);
}

void ExportTextWriter::Commit() {
    if (FStarted)
        FLines += LineEnd;
    WriteLines(FLines.size());
    if (!FFile.commit())
        throw EFileOpenError(FFile);
}

// Only whole lines are encoded, as the encoding takes a line apart when it lacks one of
// its characters.
void ExportTextWriter::WriteLines(qsizetype size) {
    const QByteArray bytes = FEncoding.Encode(QStringView(FLines).first(size));
    if (FFile.write(bytes) != bytes.size())
        throw EFileOpenError(FFile);
    FLines.remove(0, size);
}

void WriteExportText(const QString& path, const OutputEncoding& encoding, bool links,
                     const ExportTextFeed& feed) {
    if (links) {
        try {
            ExportTextWriter writer(path, encoding);
            feed(writer, true);
            writer.Commit();
            return;
        } catch (const ERegexGaveUp&) {
        }
    }
    ExportTextWriter writer(path, encoding);
    feed(writer, false);
    writer.Commit();
}
