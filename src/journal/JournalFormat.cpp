#include "journal/JournalFormat.h"

#include "common/TsvField.h"

#include <QDir>

#include <array>
#include <climits>
#include <utility>

namespace {
const QString Magic = QStringLiteral("packwright-journal");
const QString FormatVersion = QStringLiteral("1");
const QString CommitWord = QStringLiteral("commit");
const QString UndoWord = QStringLiteral("undo");
const QString WrittenWord = QStringLiteral("wrote");
constexpr qsizetype HashBytes = 32;

struct Word {
    const char16_t* Text;
    int Value;
};

constexpr std::array OperationWords{
    Word{u"install", int(OperationKind::Install)},
    Word{u"delete", int(OperationKind::Delete)},
    Word{u"far-pack", int(OperationKind::FarPack)},
};

constexpr std::array StepWords{
    Word{u"create", int(StepKind::Create)},   Word{u"folder", int(StepKind::Folder)},
    Word{u"replace", int(StepKind::Replace)}, Word{u"remove", int(StepKind::Remove)},
    Word{u"rewrite", int(StepKind::Rewrite)}, Word{u"move", int(StepKind::Move)},
};

template <size_t N> QString WordOf(const std::array<Word, N>& words, int value) {
    for (const Word& word : words) {
        if (word.Value == value)
            return QString::fromUtf16(word.Text);
    }
    return {};
}

template <size_t N> std::optional<int> ValueOf(const std::array<Word, N>& words, QStringView text) {
    for (const Word& word : words) {
        if (text == QStringView(word.Text))
            return word.Value;
    }
    return std::nullopt;
}

QByteArray Line(const QStringList& fields) {
    QStringList escaped;
    for (const QString& field : fields)
        escaped.append(TsvField(field));
    return escaped.join(QLatin1Char('\t')).toUtf8() + '\n';
}

std::optional<JournalHeader> ParseHeader(const QStringList& fields) {
    if (fields.size() != 5 || fields[0] != Magic || fields[1] != FormatVersion)
        return std::nullopt;
    const std::optional<int> kind = ValueOf(OperationWords, fields[2]);
    const std::optional<QString> comment = TsvFieldText(fields[4]);
    if (!kind || !comment)
        return std::nullopt;
    return JournalHeader{.Kind = OperationKind(*kind),
                         .Time = QDateTime::fromString(fields[3], Qt::ISODate),
                         .Comment = *comment};
}

std::optional<QString> AbsolutePath(const QString& field) {
    const std::optional<QString> path = TsvFieldText(field);
    return path && QDir::isAbsolutePath(*path) ? path : std::nullopt;
}

// Only absolute paths: a step never reaches a file relative to wherever recovery runs. A
// move has a target field after its path; no other kind has one.
std::optional<JournalStep> ParseStep(const QStringList& fields) {
    const std::optional<int> kind = ValueOf(StepWords, fields[0]);
    if (!kind || fields.size() != (StepKind(*kind) == StepKind::Move ? 4 : 3))
        return std::nullopt;
    bool isNumber = false;
    const int number = fields[1].toInt(&isNumber);
    const std::optional<QString> path = AbsolutePath(fields[2]);
    const std::optional<QString> target =
        fields.size() == 4 ? AbsolutePath(fields[3]) : std::optional(QString());
    if (!isNumber || number <= 0 || !path || !target)
        return std::nullopt;
    return JournalStep{.Kind = StepKind(*kind), .Number = number, .Path = *path, .Target = *target};
}
std::optional<qint64> NonNegative(const QString& field) {
    bool isNumber = false;
    const qint64 number = field.toLongLong(&isNumber);
    return isNumber && number >= 0 ? std::optional(number) : std::nullopt;
}

std::optional<std::pair<int, FileState>> ParseWritten(const QStringList& fields) {
    if (fields.size() != 5 || fields[0] != WrittenWord)
        return std::nullopt;
    const std::optional<qint64> step = NonNegative(fields[1]);
    const std::optional<qint64> size = NonNegative(fields[2]);
    bool isTime = false;
    const qint64 modified = fields[3].toLongLong(&isTime);
    const QByteArray hash = QByteArray::fromHex(fields[4].toLatin1());
    if (!step || *step <= 0 || *step > INT_MAX || !size || !isTime || hash.size() != HashBytes ||
        hash.toHex() != fields[4].toLatin1())
        return std::nullopt;
    return std::pair(int(*step), FileState{.Size = *size, .ModifiedMs = modified, .Hash = hash});
}
} // namespace

QString OperationKindWord(OperationKind kind) {
    return WordOf(OperationWords, int(kind));
}

QByteArray HeaderLine(const JournalHeader& header) {
    return Line({Magic, FormatVersion, OperationKindWord(header.Kind),
                 header.Time.toString(Qt::ISODate), header.Comment});
}

const QString& ResultPath(const JournalStep& step) {
    return step.Kind == StepKind::Move ? step.Target : step.Path;
}

QStringList ChangedPaths(const JournalStep& step) {
    if (step.Kind == StepKind::Move)
        return {step.Path, step.Target};
    return {step.Path};
}

QByteArray StepLine(const JournalStep& step) {
    QStringList fields{WordOf(StepWords, int(step.Kind)), QString::number(step.Number), step.Path};
    if (step.Kind == StepKind::Move)
        fields.append(step.Target);
    return Line(fields);
}

QByteArray WrittenLine(int stepNumber, const FileState& state) {
    return Line({WrittenWord, QString::number(stepNumber), QString::number(state.Size),
                 QString::number(state.ModifiedMs), QString::fromLatin1(state.Hash.toHex())});
}

QByteArray CommitLine() {
    return Line({CommitWord});
}

QByteArray UndoLine() {
    return Line({UndoWord});
}

JournalContents ParseJournal(const QByteArray& bytes) {
    JournalContents contents;
    QList<QByteArray> lines = bytes.split('\n');
    // What follows the last line break was cut short.
    lines.removeLast();
    if (lines.isEmpty() ||
        !(contents.Header = ParseHeader(QString::fromUtf8(lines.takeFirst()).split(u'\t'))))
        return contents;
    bool undoBegun = false;
    for (const QByteArray& line : lines) {
        const QStringList fields = QString::fromUtf8(line).split(u'\t');
        if (fields == QStringList{CommitWord})
            contents.Committed = true;
        else if (fields == QStringList{UndoWord})
            undoBegun = true;
        else if (const std::optional<JournalStep> step = ParseStep(fields))
            contents.Steps.append(*step);
        else if (const auto written = ParseWritten(fields))
            contents.Written.insert(written->first, written->second);
    }
    contents.Committed = contents.Committed && !undoBegun;
    return contents;
}
