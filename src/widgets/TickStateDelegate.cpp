#include "widgets/TickStateDelegate.h"

#include "widgets/TickStateImages.h"
#include "widgets/TickTreeModel.h"

#include <QApplication>
#include <QStyle>

namespace {
constexpr std::array<TickState, 3> States = {TickState::Unticked, TickState::Partly,
                                             TickState::Ticked};
} // namespace

TickStateDelegate::TickStateDelegate(QObject* parent) : QStyledItemDelegate(parent) {
    for (std::size_t i = 0; i < States.size(); ++i) {
        const QPixmap image = TickStateImage(States[i]);
        FImages[i] = QIcon(image);
        FImageSize = image.size();
    }
}

const QIcon* TickStateDelegate::ImageOf(const QModelIndex& index) const {
    const QVariant state = index.data(TickTreeModel::TickRole);
    for (std::size_t i = 0; state.isValid() && i < States.size(); ++i) {
        if (static_cast<TickState>(state.toInt()) == States[i])
            return &FImages[i];
    }
    return nullptr;
}

void TickStateDelegate::initStyleOption(QStyleOptionViewItem* option,
                                        const QModelIndex& index) const {
    QStyledItemDelegate::initStyleOption(option, index);
    if (const QIcon* image = ImageOf(index)) {
        option->icon = *image;
        option->features |= QStyleOptionViewItem::HasDecoration;
        option->decorationSize = FImageSize;
    }
}

QRect TickStateDelegate::ImageRect(const QStyleOptionViewItem& option,
                                   const QModelIndex& index) const {
    if (!ImageOf(index))
        return {};
    QStyleOptionViewItem laidOut = option;
    initStyleOption(&laidOut, index);
    const QStyle* style = laidOut.widget ? laidOut.widget->style() : QApplication::style();
    return style->subElementRect(QStyle::SE_ItemViewItemDecoration, &laidOut, laidOut.widget);
}
