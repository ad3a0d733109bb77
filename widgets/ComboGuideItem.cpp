#include "ComboGuideItem.h"

CComboGuideItem::CComboGuideItem() = default;

CComboGuideItem::~CComboGuideItem() = default;

void CComboGuideItem::setItemData(SCBGItemData& data)
{
    setData(data.type, ROLE_TYPE);
    if (data.mainIcon)
        setData(*data.mainIcon, ROLE_MAIN_ICON);
    if (data.sideIcon)
        setData(*data.sideIcon, ROLE_SIDE_ICON);
    setData(data.name, ROLE_NAME);
    setData(data.caption, ROLE_CAPTION);
    setData(data.value, ROLE_VALUE);
    setCheckable(false);
    setEditable(false);
}

void CComboGuideItem::setToggleState(CBGITEM_TOGGLE_S state)
{
    setData(static_cast<int>(state), ROLE_TOGGLE);
}

void CComboGuideItem::setCaption(QString caption)
{
    setData(caption, ROLE_CAPTION);
}

namespace {

int intOr(const QVariant& value, int fallback)
{
    return value.isValid() ? value.toInt() : fallback;
}

} // namespace

int CComboGuideItem::toggleState(const QModelIndex& index)
{
    return intOr(index.data(ROLE_TOGGLE), CBGITEM_TOGGLE_NONE);
}

int CComboGuideItem::toggleState(const QStandardItem* item)
{
    return item ? intOr(item->data(ROLE_TOGGLE), CBGITEM_TOGGLE_NONE) : CBGITEM_TOGGLE_NONE;
}

int CComboGuideItem::itemType(const QModelIndex& index)
{
    return intOr(index.data(ROLE_TYPE), TYPE_NONE);
}

int CComboGuideItem::itemType(const QStandardItem* item)
{
    return item ? intOr(item->data(ROLE_TYPE), TYPE_NONE) : TYPE_NONE;
}
