#pragma once

#include "common/ExpansionFlags.h"
#include "formats/ContentKind.h"

#include <QChar>

#include <optional>
#include <span>

// The 26 kinds intake sorts files into, in the order the tree is built and the install
// walks them. Every kind list is keyed by its ContentKind, the value the install records.
std::span<const ContentKind> InstallKindOrder();

// The position of a kind in InstallKindOrder, or -1 for a kind intake never uses.
int InstallKindIndex(ContentKind kind);

// Whether the installed expansion packs let files of the kind be installed at all.
bool PacksAllow(ContentKind kind, const PackFlags& packs);

// The skin category a letter code names ("b" regular skin, "c" head, "f" formal, "l"
// pyjamas, "s" swimsuit, "w" winter, "h" high fashion); nothing for any other letter.
std::optional<ContentKind> SkinKindOfLetter(QChar letter);
