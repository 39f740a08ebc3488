#pragma once

#include "widgets/TickTreeModel.h"

#include <QTreeView>

class QAction;
class QMenu;

// The view of a TickTreeModel: state images before the node texts, a popup menu to tick
// and untick, Space and Enter tick the selected node, Delete unticks it, a double click
// opens or closes the node and flips its tick. The commands keep the selection and the
// scroll position.
class TTickTree : public QTreeView {
    Q_OBJECT

public:
    explicit TTickTree(QWidget* parent = nullptr);

    void SetTickModel(TickTreeModel* model);
    TickTreeModel* TickModel() const { return FModel; }

    // The popup menu's captions, from the owner's language.
    void SetMenuCaptions(const QString& select, const QString& deselect, const QString& selectAll,
                         const QString& deselectAll);

    // Long node texts make the tree scroll sideways rather than being cut short.
    void ScrollLongTextsSideways();

    // The menu's commands.
    void TickSelected(TickState state);
    void TickAll(TickState state);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    void CreateMenu();

    TickTreeModel* FModel = nullptr;
    QMenu* FMenu = nullptr;
    QAction* FSelect = nullptr;
    QAction* FDeselect = nullptr;
    QAction* FSelectAll = nullptr;
    QAction* FDeselectAll = nullptr;
};
