#pragma once

#include "journal/JournalFormat.h"

#include <QString>
#include <QStringList>

class TLanguage;

// The operation's kind as a sentence names it: "installation", "deletion", "FAR packing".
QString OperationKindText(OperationKind kind, const TLanguage& language);

// The text with its marks {{Kind}} and {{Time}} filled in with the operation's kind
// ("installation") and the local time it began.
QString DescribeOperation(const QString& text, const JournalHeader& header,
                          const TLanguage& language);

// A path of the journal as the user reads it: names with stray bytes decoded as the
// content list decodes them.
QString ShownPath(const QString& path);

// The paths in the system's notation, as the user reads them, one a line.
QString NativePathLines(const QStringList& paths);
