#include "StyledItemDelegate.h"

CStyledItemDelegate::CStyledItemDelegate(QObject* parent) : QStyledItemDelegate(parent)
{}

CStyledItemDelegate::~CStyledItemDelegate() = default;

void CStyledItemDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    QStyleOptionViewItem withoutFocus(option);
    withoutFocus.state &= ~QStyle::State_HasFocus;
    QStyledItemDelegate::paint(painter, withoutFocus, index);
}
