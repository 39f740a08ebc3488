#pragma once

#include "cli/ConsoleInteraction.h"
#include "common/ExpansionFlags.h"

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

    MessageAnswer ShowMessage(MessageKind kind, const QString& text,
                              MessageButtons buttons) override;

private:
    QTextStream& FErr;
    bool FBitmapsYes;
};
