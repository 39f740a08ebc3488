#pragma once

#include "cli/CliIo.h"
#include "cli/ConsoleInteraction.h"
#include "common/ExpansionFlags.h"
#include "install/FileIntake.h"
#include "language/TLanguage.h"

#include <QTemporaryDir>

#include <memory>
#include <optional>

// What the scan and install commands share for reading downloads as the install tab does.

// The packs a comma-separated list names (tevarin, ossery, fennick, glimmet, wendle, all);
// nothing for an unknown name.
std::optional<PackFlags> ParsePacks(const QString& list);

// The installed packs as the options tab stores them; none before the first run.
PackFlags StoredPacks();

// Answers the questions about doubtful bitmaps as --bitmaps says, echoing each on standard
// error; everything else as the console does.
class BitmapAnswerInteraction : public ConsoleInteraction {
public:
    BitmapAnswerInteraction(QTextStream& err, bool bitmapsYes)
        : ConsoleInteraction(err), FErr(err), FBitmapsYes(bitmapsYes) {}

    MessageAnswer ShowMessage(MessageKind kind, const QString& text, MessageButtons buttons,
                              MessageAnswer defaultAnswer) override;

private:
    QTextStream& FErr;
    bool FBitmapsYes;
};

// Reads downloads as the install tab does, with the built-in English texts, opening
// archives in a temporary folder inside tempParent that lives as long as this object.
class CliIntake {
public:
    CliIntake(CliIo& io, const PackFlags& packs, bool bitmapsYes, const QString& tempParent);

    // The whole intake; false, once the reason is shown, when a path does not exist or no
    // temporary folder could be made.
    bool Read(const QStringList& paths);

    const FileIntake& Intake() const { return *FIntake; }
    const TLanguage& Language() const { return FLanguage; }

private:
    CliIo& FIo;
    QString FTempParent;
    QTemporaryDir FTemp;
    TLanguage FLanguage;
    BitmapAnswerInteraction FUser;
    std::unique_ptr<FileIntake> FIntake;
};
