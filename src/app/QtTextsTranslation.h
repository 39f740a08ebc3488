#pragma once

#include <QLibraryInfo>
#include <QLocale>
#include <QString>
#include <QTranslator>

#include <memory>
#include <optional>

// Qt's own texts (the buttons of message boxes, the labels of file dialogs) in the language
// of the loaded language file, from Qt's translations where the system has them.
class QtTextsTranslation {
public:
    explicit QtTextsTranslation(
        QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath));

    // Replaces the installed translation with Qt's for the locale. Without a locale, or
    // without a translation for it on this system, Qt's texts stay English. True when a
    // translation was installed.
    bool Install(const std::optional<QLocale>& locale);
    // The installed translation file; empty when Qt's texts are English.
    QString InstalledFile() const;

private:
    QString FFolder;
    std::unique_ptr<QTranslator> FTranslator;
};
