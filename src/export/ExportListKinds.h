#pragma once

#include "formats/ContentKind.h"

#include <QList>
#include <QString>

#include <span>

// One exportable list: its kind, which is also its code in the stored selection, and the
// language key of its title.
struct ExportListKind {
    ContentKind Kind;
    const char16_t* TitleKey;
};

// The exportable lists in their default order.
std::span<const ExportListKind> ExportListKinds();

// The exported lists named by a stored selection ("100;105;130;"), in its order; the final
// ";" may be missing, codes that name no list and repeats are passed over. An empty
// selection exports every list.
QList<ContentKind> ParseListSelection(const QString& selection);

// The selection as stored: each code followed by ";".
QString FormatListSelection(const QList<ContentKind>& kinds);

// The lists not exported, in default order.
QList<ContentKind> AvailableListKinds(const QList<ContentKind>& exported);
