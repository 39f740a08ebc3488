#include "cli/IntakeCliOptions.h"

#include "app/StoredSettings.h"

#include <QStringList>

std::optional<PackFlags> ParsePacks(const QString& list) {
    static const QStringList Names = {QStringLiteral("tevarin"), QStringLiteral("ossery"),
                                      QStringLiteral("fennick"), QStringLiteral("glimmet"),
                                      QStringLiteral("wendle")};
    PackFlags packs{};
    for (const QString& name : list.toLower().split(u',', Qt::SkipEmptyParts)) {
        if (name == u"all")
            packs.fill(true);
        else if (const qsizetype at = Names.indexOf(name); at >= 0)
            packs[static_cast<size_t>(at)] = true;
        else
            return std::nullopt;
    }
    return packs;
}

PackFlags StoredPacks() {
    const std::optional<StoredSettings> stored = ReadStoredSettings();
    return stored && stored->Expansion ? stored->Packs : PackFlags{};
}

MessageAnswer BitmapAnswerInteraction::ShowMessage(MessageKind kind, const QString& text,
                                                   MessageButtons buttons) {
    if (buttons != MessageButtons::YesNo)
        return ConsoleInteraction::ShowMessage(kind, text, buttons);
    FErr << QString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")) << ' '
         << (FBitmapsYes ? "yes" : "no") << '\n';
    return FBitmapsYes ? MessageAnswer::Yes : MessageAnswer::No;
}
