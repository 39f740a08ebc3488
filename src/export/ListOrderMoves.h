#pragma once

#include "formats/ContentKind.h"

#include <QList>

struct OrderedList {
    ContentKind Kind;
    bool Selected = false;

    bool operator==(const OrderedList&) const = default;
};

// Every selected entry changes place with the unselected one above it, so a block of
// adjacent selected entries moves up one place as a whole; a block at the top stays.
void MoveSelectedUp(QList<OrderedList>& entries);

// The same downwards.
void MoveSelectedDown(QList<OrderedList>& entries);
