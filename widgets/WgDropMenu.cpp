#include "WgDropMenu.h"

#include "WgDropMenuPopup.h"
#include "palette/QtObjPalette.h"

#include <QButtonGroup>
#include <QEvent>
#include <QSignalMapper>
#include <QVBoxLayout>

WgDropMenu::WgDropMenu(int count, int width, int height, QWidget* parent)
    : QPushButton(parent), m_popup(new WgDropMenuPopup)
{
    setCursor(Qt::PointingHandCursor);
    initial(count, width, height);
    connect(this, SIGNAL(clicked()), this, SLOT(onClick()));
    connect(m_popup, SIGNAL(signalFocusOut()), this, SLOT(onMenuFocusOut()));
    setStyleSheetDefault();
}

WgDropMenu::~WgDropMenu()
{
    disconnect();
    // The popup has no parent: its item buttons, group and layout go with it.
    delete m_popup;
}

void WgDropMenu::initial(int count, int width, int height)
{
    auto* layout = new QVBoxLayout(m_popup);
    layout->setContentsMargins(1, 1, 1, 1);
    layout->setSpacing(0);
    auto* group = new QButtonGroup(m_popup);
    auto* mapper = new QSignalMapper(m_popup);
    m_count = qMax(count, 0);
    m_items.reserve(m_count);
    for (int i = 0; i < m_count; ++i) {
        auto* item = new QPushButton(m_popup);
        item->setObjectName(QString("menu%1").arg(i));
        if (width != 0)
            item->setFixedWidth(width);
        if (height != 0)
            item->setFixedHeight(height);
        connect(item, SIGNAL(clicked()), mapper, SLOT(map()));
        mapper->setMapping(item, i);
        item->setCheckable(true);
        item->setCursor(Qt::PointingHandCursor);
        // Items take no focus, so choosing one does not count as the popup losing it.
        item->setFocusPolicy(Qt::NoFocus);
        group->addButton(item, i);
        layout->addWidget(item);
        m_items.append(item);
    }
    connect(mapper, SIGNAL(mappedInt(int)), this, SLOT(onMenuItemClick(int)));
}

void WgDropMenu::setStyleSheetDefault()
{
    SWidgetColor buttonColor;
    buttonColor.text = 0xffffff;
    buttonColor.background = 0x000000;
    SWidgetGradientColor gradient;
    gradient.x1 = 0;
    gradient.y1 = 0;
    gradient.x2 = 0;
    gradient.y2 = 1;
    gradient.stopCount = 2;
    gradient.stopPos[0] = 0;
    gradient.stopColor[0] = 0x808080;
    gradient.stopPos[1] = 1;
    gradient.stopColor[1] = 0x505050;
    SWidgetBorderLine buttonLine;
    buttonLine.width = 1;
    buttonLine.edge = WG_BORDER_EDGE_SOLID;
    buttonLine.color = 0xa9a9a9;
    SWidgetBorderRadius buttonRadius;
    buttonRadius.radius = 0;
    WIDGET_BORDER buttonBorder;
    buttonBorder.line = &buttonLine;
    buttonBorder.radius = &buttonRadius;
    WIDGET_DROP_MENU_BTN button;
    button.color = &buttonColor;
    button.gradient = &gradient;
    button.border = &buttonBorder;
    setStyleSheet(QtObjPalette::getDropMenuBtnStyleSheet(button));

    SWidgetColor normal;
    normal.text = 0x282828;
    normal.background = 0xc0c0c0;
    SWidgetColor checked;
    checked.text = 0xffffff;
    checked.background = 0x808080;
    SWidgetColor hover;
    hover.text = 0xffffff;
    hover.background = 0x6495ed;
    SWidgetColor hoverChecked = hover;
    WIDGET_FONT font;
    font.weight = WG_FONT_WEIGHT_BOLD;
    font.family = "arial";
    SWidgetBorderLine itemLine;
    itemLine.width = 0;
    itemLine.edge = WG_BORDER_EDGE_SOLID;
    itemLine.color = 0x505050;
    WIDGET_DROP_MENU_ITEM item;
    item.color = &normal;
    item.checkedColor = &checked;
    item.hoverColor = &hover;
    item.hoverCheckedColor = &hoverChecked;
    item.font = &font;
    item.border = &itemLine;
    m_popup->setStyleSheet(QtObjPalette::getDropMenuItemStyleSheet(item));
}

QPushButton* WgDropMenu::menuItem(int index) const
{
    return index >= 0 && index < m_items.size() ? m_items[index] : nullptr;
}

QWidget* WgDropMenu::menuPopup() const
{
    return m_popup;
}

void WgDropMenu::onClick()
{
    if (isMenuDrop()) {
        menuCollect();
        return;
    }
    emit signalMenuUpdate();
    menuDrop();
}

void WgDropMenu::menuDrop()
{
    m_popup->adjustSize();
    const QPoint origin = mapToGlobal(QPoint(0, 0));
    m_popup->move(origin.x() - 1, origin.y() - m_popup->height());
    m_popup->show();
    m_popup->activateWindow();
    m_popup->setFocus();
}

bool WgDropMenu::isMenuDrop() const
{
    return m_popup->isVisible();
}

void WgDropMenu::menuCollect()
{
    m_popup->hide();
}

void WgDropMenu::onMenuFocusOut()
{
    // Pressing this button takes the focus too; its click closes the popup, which would
    // otherwise hide here and open again on that click.
    if (m_popup->isVisible() && !underMouse())
        m_popup->hide();
}

void WgDropMenu::refresh()
{
    m_popup->adjustSize();
}

void WgDropMenu::onMenuItemClick(int index)
{
    setMenuItem(index);
    emit signalMenuItemClick(index);
}

void WgDropMenu::setMenuItem(int index)
{
    QPushButton* item = menuItem(index);
    if (!item)
        return;
    setText(item->text());
    item->setChecked(true);
}

void WgDropMenu::visibleAllMenuItem()
{
    for (QPushButton* item : m_items)
        item->show();
}

void WgDropMenu::hideAllMenuItem()
{
    for (QPushButton* item : m_items)
        item->hide();
}

bool WgDropMenu::event(QEvent* event)
{
    if (event->type() == QEvent::Hide || event->type() == QEvent::Close)
        m_popup->hide();
    return QPushButton::event(event);
}
