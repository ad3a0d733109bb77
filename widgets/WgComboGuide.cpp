#include "WgComboGuide.h"

#include "ComboGuideItem.h"
#include "palette/QtObjPalette.h"
#include "services/PortalTime.h"

#include <QHeaderView>

WgComboGuide::WgComboGuide(QWidget* parent) : QTreeView(parent)
{
    connect(this, SIGNAL(activated(QModelIndex)), this, SLOT(onItemViewActivated(QModelIndex)));
    connect(this, SIGNAL(clicked(QModelIndex)), this, SLOT(onItemViewClicked(QModelIndex)));
    connect(this, SIGNAL(expanded(QModelIndex)), this, SLOT(onBranchExpanded(QModelIndex)));
    header()->hide();
    setRootIsDecorated(false);
    setFrameShape(QFrame::NoFrame);
    setSelectionMode(QAbstractItemView::SingleSelection);
    // The guide opens and closes its drop boxes on clicks itself; the tree's own toggle on a
    // double click would close what the double click's first press opened.
    setExpandsOnDoubleClick(false);
    setStyleSheetDefault();
}

WgComboGuide::~WgComboGuide() = default;

void WgComboGuide::setStyleSheetDefault()
{
    SWidgetColor hover;
    hover.background = 0x808080;
    SWidgetColor selected;
    selected.background = 0x1e90ff;
    WIDGET_COMBO_SUIT suit;
    suit.hoverColor = &hover;
    suit.selectedColor = &selected;
    setStyleSheet(QtObjPalette::getComboGuideStyleSheet(suit));
}

void WgComboGuide::setModelAndFocusItem(QAbstractItemModel* model, const QModelIndex& index)
{
    setModel(model);
    setCurrentIndex(index);
}

void WgComboGuide::focusItem(int row, int column)
{
    if (model())
        setCurrentIndex(model()->index(row, column));
}

void WgComboGuide::focusItem(QModelIndex index)
{
    setCurrentIndex(index);
}

void WgComboGuide::setColumnSpanned(const QModelIndex& parent, int firstRow, int rowEnd)
{
    for (int row = firstRow; row < rowEnd; ++row)
        setFirstColumnSpanned(row, parent, true);
}

void WgComboGuide::itemViewBranchCollapse(QTreeView*, QModelIndex)
{}

void WgComboGuide::onItemViewActivated(QModelIndex index)
{
    if (m_inDoubleClick)
        return;
    itemViewClicked(index);
}

// The second press of a double click is part of a click already handled, however late it
// comes within the double-click time: what the tree announces for it is no new click.
void WgComboGuide::mouseDoubleClickEvent(QMouseEvent* event)
{
    m_inDoubleClick = true;
    QTreeView::mouseDoubleClickEvent(event);
    m_inDoubleClick = false;
}

void WgComboGuide::onItemViewClicked(QModelIndex index)
{
    itemViewClicked(index);
}

void WgComboGuide::itemViewClicked(const QModelIndex& index)
{
    const long long now = Portal::Time::Clock::msecsSinceStart();
    if (m_clicked && now - m_lastClickMs < kClickIntervalMs)
        return;
    m_clicked = true;
    m_lastClickMs = now;
    if (!index.isValid())
        return;

    QAbstractItemModel* itemModel = model();
    switch (CComboGuideItem::itemType(index)) {
    case CComboGuideItem::TYPE_DROP_BOX:
        if (isExpanded(index)) {
            collapse(index);
            break;
        }
        expand(index);
        for (int i = 0; i < itemModel->rowCount(index); ++i) {
            const QModelIndex child = itemModel->index(i, 0, index);
            if (CComboGuideItem::toggleState(child) == CBGITEM_TOGGLE_ON) {
                setCurrentIndex(child);
                break;
            }
        }
        break;
    case CComboGuideItem::TYPE_CHOICE: {
        const QPersistentModelIndex dropBox = index.parent();
        itemModel->setData(index, static_cast<int>(CBGITEM_TOGGLE_ON), CComboGuideItem::ROLE_TOGGLE);
        collapse(dropBox);
        setCurrentIndex(dropBox);
        break;
    }
    case CComboGuideItem::TYPE_LED: {
        const int state = CComboGuideItem::toggleState(index);
        if (state != CBGITEM_TOGGLE_NONE)
            itemModel->setData(index, state == CBGITEM_TOGGLE_ON ? CBGITEM_TOGGLE_OFF : CBGITEM_TOGGLE_ON,
                               CComboGuideItem::ROLE_TOGGLE);
        break;
    }
    default:
        break;
    }
}

void WgComboGuide::onBranchExpanded(QModelIndex index)
{
    QAbstractItemModel* itemModel = model();
    if (!itemModel)
        return;
    for (int row = 0; row < itemModel->rowCount(); ++row) {
        const QModelIndex other = itemModel->index(row, 0);
        if (other != index)
            collapse(other);
    }
}
