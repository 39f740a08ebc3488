#include "export/ListOrderMoves.h"

void MoveSelectedUp(QList<OrderedList>& entries) {
    for (qsizetype i = 1; i < entries.size(); ++i)
        if (entries[i].Selected && !entries[i - 1].Selected)
            entries.swapItemsAt(i, i - 1);
}

void MoveSelectedDown(QList<OrderedList>& entries) {
    for (qsizetype i = entries.size() - 2; i >= 0; --i)
        if (entries[i].Selected && !entries[i + 1].Selected)
            entries.swapItemsAt(i, i + 1);
}
