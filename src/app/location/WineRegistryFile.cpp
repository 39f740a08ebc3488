#include "app/location/WineRegistryFile.h"

#include "common/PathRules.h"
#include "common/TextDecoding.h"

#include <QFile>
#include <QFileInfo>

namespace {
const QByteArray RegistryHeader = QByteArrayLiteral("WINE REGISTRY Version 2");
// Key names and string values are far shorter; a longer line is damage or binary junk.
constexpr qint64 LongestLine = 64 * 1024;

// The file's lines, one at a time, with overlong lines passed over.
class RegistryLines {
public:
    explicit RegistryLines(QFile& file) : FFile(file) {}

    std::optional<QByteArray> Next() {
        while (!FFile.atEnd()) {
            QByteArray line = FFile.readLine(LongestLine);
            if (line.isEmpty())
                return std::nullopt; // a read error
            if (line.endsWith('\n') || FFile.atEnd())
                return line.trimmed();
            SkipRestOfLine();
        }
        return std::nullopt;
    }

private:
    void SkipRestOfLine() {
        while (!FFile.atEnd()) {
            const QByteArray part = FFile.readLine(LongestLine);
            if (part.isEmpty() || part.endsWith('\n'))
                return;
        }
    }

    QFile& FFile;
};

int DigitValue(QChar c, int base) {
    const char16_t u = c.toLower().unicode();
    const int value = u >= u'0' && u <= u'9'   ? u - u'0'
                      : u >= u'a' && u <= u'z' ? u - u'a' + 10
                                               : -1;
    return value < base ? value : -1;
}

// The number after an escape: up to maxDigits digits of base; nothing when none follows.
std::optional<char16_t> ReadEscapedNumber(QStringView text, qsizetype& pos, int base,
                                          int maxDigits) {
    int value = 0;
    int digits = 0;
    for (; digits < maxDigits && pos < text.size(); ++digits, ++pos) {
        const int digit = DigitValue(text[pos], base);
        if (digit < 0)
            break;
        value = value * base + digit;
    }
    if (digits == 0)
        return std::nullopt;
    return static_cast<char16_t>(value);
}

// The character a backslash escape stands for; pos is just after the backslash and ends
// after the escape. Wine writes \x with up to four hex digits and \0 with up to three octal
// ones; any other escaped character stands for itself (\\, \", \[, \]).
QChar ReadEscape(QStringView text, qsizetype& pos) {
    const QChar c = text[pos++];
    switch (c.unicode()) {
    case u'a':
        return QChar(u'\a');
    case u'b':
        return QChar(u'\b');
    case u'e':
        return QChar(u'\x1b');
    case u'f':
        return QChar(u'\f');
    case u'n':
        return QChar(u'\n');
    case u'r':
        return QChar(u'\r');
    case u't':
        return QChar(u'\t');
    case u'v':
        return QChar(u'\v');
    case u'x':
        return QChar(ReadEscapedNumber(text, pos, 16, 4).value_or(u'x'));
    default:
        if (DigitValue(c, 8) >= 0) {
            --pos;
            return QChar(*ReadEscapedNumber(text, pos, 8, 3));
        }
        return c;
    }
}

// The escaped text from pos up to the unescaped end mark; pos ends after the mark. Nothing
// when the line ends first.
std::optional<QString> ReadEscapedText(QStringView line, qsizetype& pos, QChar endMark) {
    QString text;
    while (pos < line.size()) {
        const QChar c = line[pos++];
        if (c == endMark)
            return text;
        if (c == u'\\' && pos < line.size())
            text += ReadEscape(line, pos);
        else if (c != u'\\')
            text += c;
    }
    return std::nullopt;
}

// "[Software\\Quarn\\The Vocks] 1234567890" names the key Software\Quarn\The Vocks.
std::optional<QString> KeyPathOf(QStringView line) {
    qsizetype pos = 1;
    return ReadEscapedText(line, pos, QLatin1Char(']'));
}

struct NamedString {
    QString Name;
    QString Value;
};

// The name of a value line: "Name"=... or @=... (the key's default value, named "").
std::optional<QString> ValueNameOf(QStringView line, qsizetype& pos) {
    pos = 1;
    if (line.startsWith(u'@'))
        return QString();
    if (!line.startsWith(u'"'))
        return std::nullopt;
    return ReadEscapedText(line, pos, QLatin1Char('"'));
}

// A string value line: "Name"="text", or "Name"=str(2):"text" for the other string types.
// Nothing for values of other types and for damaged lines.
std::optional<NamedString> StringValueOf(QStringView line) {
    qsizetype pos = 0;
    const std::optional<QString> name = ValueNameOf(line, pos);
    if (!name || !line.mid(pos).startsWith(u'='))
        return std::nullopt;
    ++pos;
    if (line.mid(pos).startsWith(u"str(")) {
        const qsizetype typeEnd = line.indexOf(u"):", pos);
        if (typeEnd < 0)
            return std::nullopt;
        pos = typeEnd + 2;
    }
    if (!line.mid(pos).startsWith(u'"'))
        return std::nullopt;
    ++pos;
    const std::optional<QString> value = ReadEscapedText(line, pos, QLatin1Char('"'));
    if (!value)
        return std::nullopt;
    return NamedString{*name, *value};
}

// Collects the string values of every section of the key (a damaged file may repeat it).
std::optional<RegistryKeyValues> ReadKey(RegistryLines& lines, const QString& keyPath) {
    std::optional<RegistryKeyValues> values;
    bool inKey = false;
    while (const std::optional<QByteArray> bytes = lines.Next()) {
        if (bytes->startsWith('[')) {
            const std::optional<QString> path = KeyPathOf(Decode8BitText(*bytes));
            inKey = path && SameName(*path, keyPath);
            if (inKey && !values)
                values.emplace();
        } else if (inKey) {
            if (const std::optional<NamedString> value = StringValueOf(Decode8BitText(*bytes)))
                values->Set(value->Name, value->Value);
        }
    }
    return values;
}
} // namespace

std::optional<RegistryKeyValues> ReadWineRegistryKey(const QString& registryFile,
                                                     const QString& keyPath) {
    // Only a regular file: a device or a pipe in its place could block for ever.
    if (!QFileInfo(registryFile).isFile())
        return std::nullopt;
    QFile file(registryFile);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    RegistryLines lines(file);
    const std::optional<QByteArray> header = lines.Next();
    if (!header || !header->startsWith(RegistryHeader))
        return std::nullopt;
    return ReadKey(lines, keyPath);
}
