#pragma once

#include "language/TLanguage.h"

#include <QStringList>

// The credits of the about box as lines, in the language given: sections with framed
// headings, entries separated by empty lines, the thanks at the very end.
QStringList CreditsLines(const TLanguage& language);

// The position at which the scrolling credits rest longer, so that their end stays
// readable: the scroll length less half the component's height less a margin.
int CreditsRestPosition(int scrollLength, int componentHeight);
