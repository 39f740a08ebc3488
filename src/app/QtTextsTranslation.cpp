#include "app/QtTextsTranslation.h"

#include <QCoreApplication>

QtTextsTranslation::QtTextsTranslation(QString folder) : FFolder(std::move(folder)) {}

bool QtTextsTranslation::Install(const std::optional<QLocale>& locale) {
    // Destroying a translator also takes it out of the application.
    FTranslator.reset();
    if (!locale)
        return false;
    auto translator = std::make_unique<QTranslator>();
    // Tries the locale's names from the most to the least specific, such as qtbase_de.qm.
    if (!translator->load(*locale, QStringLiteral("qtbase"), QStringLiteral("_"), FFolder))
        return false;
    QCoreApplication::installTranslator(translator.get());
    FTranslator = std::move(translator);
    return true;
}

QString QtTextsTranslation::InstalledFile() const {
    return FTranslator ? FTranslator->filePath() : QString();
}
