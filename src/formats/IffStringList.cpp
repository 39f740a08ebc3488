#include "formats/IffStringList.h"

#include "formats/ByteOrder.h"
#include "formats/ChunkDataReader.h"
#include "formats/IffText.h"

namespace {
// Format codes of the first two data bytes.
enum class ListFormat { Values, ValueComments, LanguageValueComments, LengthPrefixed };

ListFormat FormatOf(QByteArrayView data) {
    if (data.size() < 2 || data[1] != '\xFF')
        return ListFormat::LengthPrefixed;
    switch (static_cast<quint8>(data[0])) {
    case 0xFF:
        return ListFormat::Values;
    case 0xFE:
        return ListFormat::ValueComments;
    case 0xFD:
        return ListFormat::LanguageValueComments;
    default:
        return ListFormat::LengthPrefixed;
    }
}

IffStringEntryBytes ReadEntry(ListFormat format, ChunkDataReader& reader) {
    IffStringEntryBytes entry;
    if (format == ListFormat::LengthPrefixed) {
        const quint8 length = reader.U8();
        entry.Value = reader.Bytes(length);
        return entry;
    }
    if (format == ListFormat::LanguageValueComments)
        entry.LanguageCode = reader.U8();
    entry.Value = reader.Terminated();
    if (format != ListFormat::Values)
        entry.Comment = reader.Terminated();
    return entry;
}
} // namespace

QList<IffStringEntry> ParseStringList(const IffChunkInfo& info) {
    QList<IffStringEntry> entries;
    ForEachStringListEntry(info.Data, [&](const IffStringEntryBytes& entry) {
        entries.append(
            {entry.LanguageCode, DecodeIffText(entry.Value), DecodeIffText(entry.Comment)});
    });
    return entries;
}

void ForEachStringListEntry(QByteArrayView data,
                            const std::function<void(const IffStringEntryBytes&)>& visit) {
    const ListFormat format = FormatOf(data);
    ChunkDataReader reader(data);
    qint64 count = 0;
    if (format == ListFormat::LengthPrefixed) {
        count = BeToInt(data, 2);
        reader.Skip(2);
    } else {
        reader.Skip(2);
        count = reader.U16();
    }
    for (qint64 index = 0; index < count && !reader.AtEnd(); ++index)
        visit(ReadEntry(format, reader));
}

namespace {
// A NUL inside a text would end it early and shift every entry after it. Looked for before
// it is taken out, as a list of thousands of texts rarely holds one.
void AppendTerminated(QByteArray& entries, const QString& text) {
    QByteArray bytes = EncodeIffText(text);
    if (bytes.contains('\0'))
        bytes.replace('\0', QByteArrayView());
    entries += bytes;
    entries += '\0';
}
} // namespace

bool IsValueCommentList(const QByteArray& data) {
    return FormatOf(data) == ListFormat::ValueComments;
}

void ValueCommentListWriter::Add(const QString& value, const QString& comment) {
    AppendTerminated(FEntries, value);
    AppendTerminated(FEntries, comment);
    ++FCount;
}

std::optional<QByteArray> ValueCommentListWriter::Finish() const {
    if (FCount > MaxStringListEntries)
        return std::nullopt;
    return QByteArray("\xFE\xFF", 2) + IntToBytes4(static_cast<quint32>(FCount), true).first(2) +
           FEntries;
}
