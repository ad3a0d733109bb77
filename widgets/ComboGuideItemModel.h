#pragma once

#include "ComboGuideItem.h"

#include <QStandardItemModel>

// The combo guide's items, with the rule of its drop boxes: the choices (type 8) under a
// drop box (type 7) are exclusive, one stays on, and the drop box's caption names it.
class CComboGuideItemModel : public QStandardItemModel
{
    Q_OBJECT

public:
    explicit CComboGuideItemModel(QObject* parent = nullptr);
    ~CComboGuideItemModel() override;

    void addItem(int row, int column, SCBGItemData& data, bool state);
    // A top-level item and its children; child onChild is switched on. Type 0 adds nothing.
    void addItem(int row, int column, SCBGItemData& data, int childCount, SCBGItemData* children, int onChild);
    // Children are updated in place where they exist, else appended.
    void addChildren(QStandardItem* parent, int count, SCBGItemData* data, int onChild);
    // One item per cell, the descriptions taken row by row.
    void addItems(SCBGItemData* data, int rows, int columns);

    // Rewrite existing items without announcing it; updateItems stops at the first missing cell
    // of the half-open ranges.
    void updateItem(SCBGItemData* data, int row, int column);
    void updateItems(SCBGItemData* data, int firstRow, int rowEnd, int firstColumn, int columnEnd);

    // The first child that is on; 0 when none is or the item is missing.
    int getDropBoxItemIndex(int row, int column) const;
    bool getCheckBoxState(int row, int column) const;
    void setItemChecked(int row, int column, bool checked);
    void setDropBoxItemIndex(int row, int column, int index);

    void switchDropBoxItemChecked(QStandardItem* dropBox, int row, bool keep);
    void updateDropBoxCaption(QStandardItem* dropBox, QStandardItem* child);

public slots:
    void onItemChanged(QStandardItem* item);

private:
    static CComboGuideItem* guideItem(QStandardItem* item);
};
