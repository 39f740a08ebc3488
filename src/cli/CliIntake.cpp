#include "cli/CliIntake.h"

#include "app/StoredSettings.h"
#include "language/BuiltInEnglish.h"

#include <QDir>
#include <QFileInfo>
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
                                                   MessageButtons buttons,
                                                   MessageAnswer defaultAnswer) {
    if (buttons != MessageButtons::YesNo)
        return ConsoleInteraction::ShowMessage(kind, text, buttons, defaultAnswer);
    FErr << QString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")) << ' '
         << (FBitmapsYes ? "yes" : "no") << '\n';
    return FBitmapsYes ? MessageAnswer::Yes : MessageAnswer::No;
}

CliIntake::CliIntake(CliIo& io, const PackFlags& packs, bool bitmapsYes, const QString& tempParent)
    : FIo(io), FTempParent(tempParent),
      FTemp(QDir(tempParent).filePath(QStringLiteral("PKWR-cli-XXXXXX"))),
      FUser(io.Err, bitmapsYes) {
    FLanguage.SetDefaultLanguage(BuiltInEnglishLines());
    FIntake = std::make_unique<FileIntake>(FUser, FLanguage, packs, FTemp.path());
}

bool CliIntake::Read(const QStringList& paths) {
    for (const QString& path : paths) {
        if (!QFileInfo::exists(path)) {
            FIo.Fail(QStringLiteral("no such file or folder: %1").arg(path));
            return false;
        }
    }
    if (!FTemp.isValid()) {
        FIo.Fail(QStringLiteral("cannot create a temporary folder in %1").arg(FTempParent));
        return false;
    }
    FIntake->SelectFiles(paths);
    return true;
}
