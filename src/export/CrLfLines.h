#pragma once

#include <QString>

// Appends the text with every line break in it (CR LF, CR or LF) made CR LF. afterCr says
// that the text before ended in a CR, so that an LF starting this text ends no line of its
// own; it is set for the text after.
void AppendWithCrLf(QString& out, QStringView text, bool& afterCr);
