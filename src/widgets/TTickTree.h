#pragma once

#include "widgets/TickTreeModel.h"

#include <QTreeView>

class QAction;
class QMenu;
class TickStateDelegate;

// The view of a TickTreeModel: state images before the node texts, a popup menu to tick
// and untick, a click on the state image or Space flips the node's tick, Enter ticks the
// selected node, Delete unticks it, a double click elsewhere opens or closes the node and
// flips its tick. The commands keep the selection and the scroll position.
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
    void ToggleSelected();
    // The node whose state image is at the point of the viewport, if any.
    QModelIndex TickImageAt(const QPoint& at) const;
    // Widens the texts' column to its contents once the current events are handled:
    // measuring is costly, so it follows changes of rows, not of ticks.
    void FitTextsLater();

    TickTreeModel* FModel = nullptr;
    TickStateDelegate* FDelegate;
    QMenu* FMenu = nullptr;
    QAction* FSelect = nullptr;
    QAction* FDeselect = nullptr;
    QAction* FSelectAll = nullptr;
    QAction* FDeselectAll = nullptr;
    bool FFitsTexts = false;
    bool FFitPending = false;
};
