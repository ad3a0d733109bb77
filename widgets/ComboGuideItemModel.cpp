#include "ComboGuideItemModel.h"

#include <QSignalBlocker>

CComboGuideItemModel::CComboGuideItemModel(QObject* parent) : QStandardItemModel(parent)
{
    connect(this, SIGNAL(itemChanged(QStandardItem*)), this, SLOT(onItemChanged(QStandardItem*)));
}

CComboGuideItemModel::~CComboGuideItemModel() = default;

CComboGuideItem* CComboGuideItemModel::guideItem(QStandardItem* item)
{
    // Every item of this model is a guide item; a foreign one is treated as missing.
    return dynamic_cast<CComboGuideItem*>(item);
}

void CComboGuideItemModel::addItem(int row, int column, SCBGItemData& data, bool state)
{
    auto* item = new CComboGuideItem;
    item->setItemData(data);
    item->setToggleState(state ? CBGITEM_TOGGLE_ON : CBGITEM_TOGGLE_OFF);
    setItem(row, column, item);
}

void CComboGuideItemModel::addItem(int row, int column, SCBGItemData& data, int childCount, SCBGItemData* children,
                                   int onChild)
{
    if (data.type == CComboGuideItem::TYPE_NONE)
        return;
    auto* item = new CComboGuideItem;
    item->setItemData(data);
    addChildren(item, childCount, children, onChild);
    setItem(row, column, item);
}

void CComboGuideItemModel::addChildren(QStandardItem* parent, int count, SCBGItemData* data, int onChild)
{
    if (!parent || !data)
        return;
    for (int i = 0; i < count; ++i) {
        CComboGuideItem* child = guideItem(parent->child(i));
        if (child) {
            child->setItemData(data[i]);
        } else {
            child = new CComboGuideItem;
            child->setItemData(data[i]);
            parent->appendRow(child);
        }
        if (i == onChild)
            child->setToggleState(CBGITEM_TOGGLE_ON);
    }
}

void CComboGuideItemModel::addItems(SCBGItemData* data, int rows, int columns)
{
    if (!data)
        return;
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < columns; ++c)
            addItem(r, c, data[r * columns + c], false);
}

void CComboGuideItemModel::updateItem(SCBGItemData* data, int row, int column)
{
    CComboGuideItem* target = guideItem(item(row, column));
    if (!data || !target)
        return;
    const QSignalBlocker blocker(this);
    target->setItemData(*data);
}

void CComboGuideItemModel::updateItems(SCBGItemData* data, int firstRow, int rowEnd, int firstColumn, int columnEnd)
{
    if (!data)
        return;
    const QSignalBlocker blocker(this);
    for (int r = firstRow; r < rowEnd; ++r) {
        for (int c = firstColumn; c < columnEnd; ++c) {
            CComboGuideItem* target = guideItem(item(r, c));
            if (!target)
                return;
            target->setItemData(*data++);
        }
    }
}

int CComboGuideItemModel::getDropBoxItemIndex(int row, int column) const
{
    const QStandardItem* dropBox = item(row, column);
    if (!dropBox)
        return 0;
    for (int i = 0; i < dropBox->rowCount(); ++i)
        if (CComboGuideItem::toggleState(dropBox->child(i)) == CBGITEM_TOGGLE_ON)
            return i;
    return 0;
}

bool CComboGuideItemModel::getCheckBoxState(int row, int column) const
{
    return CComboGuideItem::toggleState(item(row, column)) == CBGITEM_TOGGLE_ON;
}

void CComboGuideItemModel::setItemChecked(int row, int column, bool checked)
{
    if (CComboGuideItem* target = guideItem(item(row, column)))
        target->setToggleState(checked ? CBGITEM_TOGGLE_ON : CBGITEM_TOGGLE_OFF);
}

void CComboGuideItemModel::setDropBoxItemIndex(int row, int column, int index)
{
    QStandardItem* dropBox = item(row, column);
    if (!dropBox)
        return;
    for (int i = 0; i < dropBox->rowCount(); ++i) {
        CComboGuideItem* child = guideItem(dropBox->child(i));
        if (!child)
            continue;
        child->setToggleState(i == index ? CBGITEM_TOGGLE_ON : CBGITEM_TOGGLE_OFF);
        updateDropBoxCaption(dropBox, child);
    }
}

void CComboGuideItemModel::switchDropBoxItemChecked(QStandardItem* dropBox, int row, bool keep)
{
    if (!dropBox)
        return;
    if (keep) {
        for (int i = 0; i < dropBox->rowCount(); ++i)
            if (CComboGuideItem::toggleState(dropBox->child(i)) == CBGITEM_TOGGLE_ON)
                return;
    }
    // Each change re-enters onItemChanged; unchanged values are not announced, so it settles.
    for (int i = 0; i < dropBox->rowCount(); ++i)
        if (CComboGuideItem* child = guideItem(dropBox->child(i)))
            child->setToggleState(i == row ? CBGITEM_TOGGLE_ON : CBGITEM_TOGGLE_OFF);
}

void CComboGuideItemModel::updateDropBoxCaption(QStandardItem* dropBox, QStandardItem* child)
{
    CComboGuideItem* box = guideItem(dropBox);
    if (box && child && CComboGuideItem::toggleState(child) == CBGITEM_TOGGLE_ON)
        box->setCaption(child->data(CComboGuideItem::ROLE_NAME).toString());
}

void CComboGuideItemModel::onItemChanged(QStandardItem* item)
{
    const int type = CComboGuideItem::itemType(item);
    if (type == CComboGuideItem::TYPE_CHOICE) {
        const bool on = CComboGuideItem::toggleState(item) == CBGITEM_TOGGLE_ON;
        switchDropBoxItemChecked(item->parent(), item->row(), !on);
        if (on)
            updateDropBoxCaption(item->parent(), item);
    } else if (type == CComboGuideItem::TYPE_DROP_BOX) {
        for (int i = 0; i < item->rowCount(); ++i)
            updateDropBoxCaption(item, item->child(i));
    }
}
