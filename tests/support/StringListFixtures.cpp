#include "support/StringListFixtures.h"

#include "support/IffFixtures.h"

namespace {
QByteArray FormatCode(FixtureListFormat format) {
    switch (format) {
    case FixtureListFormat::Values:
        return QByteArray("\xFF\xFF", 2);
    case FixtureListFormat::ValueComments:
        return QByteArray("\xFE\xFF", 2);
    case FixtureListFormat::LanguageValueComments:
        return QByteArray("\xFD\xFF", 2);
    case FixtureListFormat::LengthPrefixed:
        break;
    }
    return {};
}

QByteArray Entry(FixtureListFormat format, const FixtureString& entry) {
    if (format == FixtureListFormat::LengthPrefixed)
        return static_cast<char>(entry.Value.size()) + entry.Value;
    QByteArray bytes;
    if (format == FixtureListFormat::LanguageValueComments)
        bytes += static_cast<char>(entry.LanguageCode);
    bytes += entry.Value + '\0';
    if (format != FixtureListFormat::Values)
        bytes += entry.Comment + '\0';
    return bytes;
}
} // namespace

QByteArray BuildStringList(FixtureListFormat format, const QList<FixtureString>& entries,
                           int declaredCount) {
    const int count = declaredCount >= 0 ? declaredCount : static_cast<int>(entries.size());
    QByteArray data = format == FixtureListFormat::LengthPrefixed
                          ? FixtureBe16(count)
                          : FormatCode(format) + FixtureLe16(count);
    for (const FixtureString& entry : entries)
        data += Entry(format, entry);
    return data;
}

QByteArray BuildStringChunksFile(const QList<QPair<int, QByteArray>>& idsAndValues) {
    QList<FixtureChunk> chunks;
    for (const auto& [id, value] : idsAndValues)
        chunks.append({.Type = "STR#",
                       .Id = id,
                       .Data = BuildStringList(FixtureListFormat::Values, {{.Value = value}})});
    return BuildIffFile(chunks);
}
