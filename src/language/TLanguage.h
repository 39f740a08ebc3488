#pragma once

#include "language/LanguageTable.h"

#include <QObject>
#include <QString>
#include <QStringList>

// The keyed text table of one window: the built-in table, the table loaded from a language
// file on top of it, and the fallback text for keys found in neither. Every window owns
// one; the main window's master is copied into the others after each load.
class TLanguage : public QObject {
    Q_OBJECT

public:
    explicit TLanguage(QObject* owner = nullptr);

    // Empties the loaded table and reads the file into it; 0 and no event when the name
    // is empty or the file cannot be read.
    int LoadFile(const QString& fileName);
    // Parses lines of a language file into the loaded table, then fires OnLanguageLoaded.
    int LoadStrings(const QStringList& lines);
    // Parses lines into the built-in table (a header names it), then fires OnLanguageLoaded.
    void SetDefaultLanguage(const QStringList& lines);
    void SetString(const QString& key, const QString& value, bool toBuiltIn);
    bool StringSet(const QString& key) const;
    QString GetString(const QString& key) const;
    QString GetDefaultString(const QString& key) const;
    // Gives the target this component's fallbacks and both tables, without emptying the
    // target's tables first.
    void CopyTo(TLanguage& target) const;

    const QString& FileName() const { return FFileName; }
    void SetFileName(const QString& fileName) { LoadFile(fileName); }
    QStringList DefaultLanguage() const { return FBuiltIn.Lines(); }
    QStringList LoadedLines() const { return FLoaded.Lines(); }
    const QString& DefaultMissingText() const { return FDefaultMissingText; }
    void SetDefaultMissingText(const QString& text) { FDefaultMissingText = text; }
    const QString& MissingTextName() const { return FMissingTextName; }
    void SetMissingTextName(const QString& key) { FMissingTextName = key; }
    const QString& DefaultLangName() const { return FDefaultLangName; }
    void SetDefaultLangName(const QString& name) { FDefaultLangName = name; }
    const QString& LanguageName() const { return FLanguageName; }

Q_SIGNALS:
    void OnLanguageLoaded(TLanguage* sender);

private:
    QString FFileName;
    LanguageTable FLoaded;
    LanguageTable FBuiltIn;
    QString FDefaultMissingText = QStringLiteral("Missing Translation!");
    QString FMissingTextName = QStringLiteral("MissingText");
    QString FDefaultLangName = QStringLiteral("English");
    QString FLanguageName;
};
