#include "export/ExportFiles.h"

#include "common/TextDecoding.h"
#include "formats/FileOpenError.h"

#include <QFile>
#include <QSaveFile>

namespace {
const QString LineEnd = QStringLiteral("\r\n");

// Every line ended by CR LF, whatever ended it (CR LF, CR or LF), the last one too; a final
// line break adds no empty line. One pass: a document is many thousand lines long.
QString EndLinesWithCrLf(QStringView text) {
    QString ended;
    ended.reserve(text.size() + text.size() / 32 + LineEnd.size());
    qsizetype start = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c != QLatin1Char('\r') && c != QLatin1Char('\n'))
            continue;
        ended += text.sliced(start, i - start);
        ended += LineEnd;
        if (c == QLatin1Char('\r') && i + 1 < text.size() && text[i + 1] == QLatin1Char('\n'))
            ++i;
        start = i + 1;
    }
    if (start < text.size()) {
        ended += text.sliced(start);
        ended += LineEnd;
    }
    return ended;
}

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

// Whether a line ends in a CR or an LF alone.
bool HasLoneLineBreak(QStringView text) {
    qsizetype lineFeeds = 0;
    for (qsizetype at = text.indexOf(u'\n'); at >= 0; at = text.indexOf(u'\n', at + 1)) {
        if (at == 0 || text[at - 1] != QLatin1Char('\r'))
            return true;
        ++lineFeeds;
    }
    return text.count(u'\r') != lineFeeds;
}

// The document trimmed at both ends as lines each ended by CR LF. A rendered document's
// lines end so already: it is then trimmed and ended in place rather than copied.
QString WrittenLines(QString document) {
    const QStringView trimmed = ControlsTrimmed(document);
    if (HasLoneLineBreak(trimmed))
        return EndLinesWithCrLf(trimmed);
    const qsizetype start = trimmed.data() - document.constData();
    const qsizetype size = trimmed.size();
    document.truncate(start + size);
    document.remove(0, start);
    if (size > 0)
        document += LineEnd;
    return document;
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
    return TrimControls(EndLinesWithCrLf(Decode8BitText(bytes)));
}

void WriteExportFile(const QString& path, QString document, const OutputEncoding& encoding) {
    const QByteArray bytes = encoding.Encode(WrittenLines(std::move(document)));
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        throw EFileOpenError(file);
}
