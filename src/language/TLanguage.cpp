#include "language/TLanguage.h"

#include "common/TextFile.h"
#include "language/LanguageFileSyntax.h"

#include <QFileInfo>

QString TrimLanguageLine(const QString& line) {
    qsizetype begin = 0;
    qsizetype end = line.size();
    while (begin < end && line[begin].unicode() <= u' ')
        ++begin;
    while (end > begin && line[end - 1].unicode() <= u' ')
        --end;
    return line.mid(begin, end - begin);
}

QString DecodeLanguageEscapes(QString value) {
    if (!value.contains(QLatin1Char('\\')))
        return value;
    value.replace(QStringLiteral("\\\\"), QStringLiteral("\\"));
    value.replace(QStringLiteral("\\t"), QStringLiteral("\t"), Qt::CaseInsensitive);
    value.replace(QStringLiteral("\\r\\n"), QStringLiteral("\r\n"), Qt::CaseInsensitive);
    value.replace(QStringLiteral("\\n"), QStringLiteral("\r\n"), Qt::CaseInsensitive);
    return value;
}

TLanguage::TLanguage(QObject* owner) : QObject(owner) {}

int TLanguage::LoadFile(const QString& fileName) {
    FFileName = fileName;
    FLoaded.Clear();
    if (fileName.isEmpty() || !QFileInfo(fileName).isFile())
        return 0;
    const std::optional<QStringList> lines = ReadTextFileLines(fileName);
    if (!lines)
        return 0;
    return LoadStrings(*lines);
}

int TLanguage::LoadStrings(const QStringList& lines) {
    const int taken =
        ParseLanguageLines(lines, FLoaded, [this](const QString& name) { FLanguageName = name; });
    Q_EMIT OnLanguageLoaded(this);
    return taken;
}

void TLanguage::SetDefaultLanguage(const QStringList& lines) {
    ParseLanguageLines(lines, FBuiltIn, [this](const QString& name) { FDefaultLangName = name; });
    Q_EMIT OnLanguageLoaded(this);
}

void TLanguage::SetString(const QString& key, const QString& value, bool toBuiltIn) {
    (toBuiltIn ? FBuiltIn : FLoaded).Set(key, value);
}

bool TLanguage::StringSet(const QString& key) const {
    return !key.isEmpty() && FLoaded.Contains(key);
}

QString TLanguage::GetString(const QString& key) const {
    if (key.isEmpty())
        return {};
    if (std::optional<QString> loaded = FLoaded.Find(key))
        return DecodeLanguageEscapes(*loaded);
    return GetDefaultString(key);
}

QString TLanguage::GetDefaultString(const QString& key) const {
    if (key.isEmpty())
        return {};
    if (std::optional<QString> builtIn = FBuiltIn.Find(key))
        return DecodeLanguageEscapes(*builtIn);
    if (FMissingTextName.isEmpty())
        return DecodeLanguageEscapes(FDefaultMissingText);
    std::optional<QString> missing = FLoaded.Find(FMissingTextName);
    if (!missing)
        missing = FBuiltIn.Find(FMissingTextName);
    return DecodeLanguageEscapes(missing.value_or(FDefaultMissingText));
}

void TLanguage::CopyTo(TLanguage& target) const {
    target.FDefaultMissingText = FDefaultMissingText;
    target.FMissingTextName = FMissingTextName;
    target.FDefaultLangName = FDefaultLangName;
    target.SetDefaultLanguage(FBuiltIn.Lines());
    QStringList lines{QLatin1Char('[') + FLanguageName + QLatin1Char(']')};
    lines.append(FLoaded.Lines());
    target.LoadStrings(lines);
}
