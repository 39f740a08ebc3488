#pragma once

#include <QList>

// The neighbourhood the chooser offers first: the one chosen last, kept in the settings
// store, when it is among the existing ones; else the first existing one; 0 when the
// game has none.
int PreferredHood(const QList<int>& existing);

// Remembers the neighbourhood houses and areas were last installed to.
void RememberHood(int number);
