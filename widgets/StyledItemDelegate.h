#pragma once

#include <QStyledItemDelegate>

// Paints items as the style does, but never with the focus frame.
class CStyledItemDelegate : public QStyledItemDelegate
{
public:
    explicit CStyledItemDelegate(QObject* parent = nullptr);
    ~CStyledItemDelegate() override;

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
};
