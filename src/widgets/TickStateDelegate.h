#pragma once

#include "widgets/TickState.h"

#include <QIcon>
#include <QStyledItemDelegate>

#include <array>

// Draws each node's state image where an icon would go, and knows where that is.
class TickStateDelegate : public QStyledItemDelegate {
public:
    explicit TickStateDelegate(QObject* parent = nullptr);

    // Where the node's state image lies within the item laid out by option; empty for a
    // node without one.
    QRect ImageRect(const QStyleOptionViewItem& option, const QModelIndex& index) const;

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override;

private:
    const QIcon* ImageOf(const QModelIndex& index) const;

    // Drawn once: a view asks for them for every row it measures or paints.
    std::array<QIcon, 3> FImages;
    QSize FImageSize;
};
