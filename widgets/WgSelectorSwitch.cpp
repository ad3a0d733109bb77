#include "WgSelectorSwitch.h"

#include "WgLabel.h"

#include "palette/QtObjPalette.h"

#include <QHBoxLayout>
#include <QPushButton>

namespace {
constexpr int kKnobWidth = 18;
constexpr int kCaptionSideMargin = 6;

// What differs between the default off and on looks; the rest is shared.
struct SSwitchLook
{
    SWidgetColor frame;
    SWidgetColor knob;
};
const SSwitchLook kDefaultLook[2] = {
    /* off */ {{0x000000, 0xA9A9A9}, {0xFFFFFF, 0x333333}},
    /* on */ {{0x0000FF, 0xFFFFFF}, {0xFFFFFF, 0x1E90FF}},
};
} // namespace

WgSelectorSwitch::WgSelectorSwitch(QWidget* parent)
    : QFrame(parent), m_layout(new QHBoxLayout), m_knob(new QPushButton), m_caption(new WgLabel)
{
    setSwitchStyleScriptDefault(true);
    setSwitchStyleScriptDefault(false);

    connect(m_knob, &QPushButton::clicked, this, &WgSelectorSwitch::onTrigger);
    connect(m_caption, &WgLabel::signalClicked, this, &WgSelectorSwitch::onTrigger);

    setContentsMargins(0, 0, 0, 0);
    m_layout->setContentsMargins(0, 0, 0, 0);
    m_layout->setSpacing(0);

    m_knob->setFixedWidth(kKnobWidth);
    m_knob->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Preferred);
    m_knob->setCursor(Qt::PointingHandCursor);

    m_caption->setAlignment(Qt::AlignCenter);
    m_caption->setContentsMargins(kCaptionSideMargin, 0, kCaptionSideMargin, 0);
    m_caption->setCursor(Qt::PointingHandCursor);

    setSwitch(false, false);
}

WgSelectorSwitch::~WgSelectorSwitch()
{
    delete m_caption;
    delete m_knob;
    delete m_layout;
}

void WgSelectorSwitch::setSwitch(bool toggle, bool emitClick)
{
    if (toggle)
        m_active = !m_active;
    switchBtnLayout();
    setStyleSheet(m_active ? m_onSheet : m_offSheet);
    if (layout() != m_layout)
        setLayout(m_layout);
    if (emitClick)
        emit signalClick();
}

void WgSelectorSwitch::switchBtnLayout()
{
    const bool knobFirst = (m_side == SELECTOR_SWITCH_SIDE_LEFT_OFF && !m_active) ||
                           (m_side == SELECTOR_SWITCH_SIDE_RIGHT_OFF && m_active);
    const bool captionFirst = (m_side == SELECTOR_SWITCH_SIDE_LEFT_OFF && m_active) ||
                              (m_side == SELECTOR_SWITCH_SIDE_RIGHT_OFF && !m_active);
    if (knobFirst || captionFirst) {
        QWidget* first = knobFirst ? static_cast<QWidget*>(m_knob) : m_caption;
        QWidget* second = knobFirst ? static_cast<QWidget*>(m_caption) : m_knob;
        // Taken out first, so adding moves each to the end without Qt's "already in a layout".
        for (QWidget* w : {first, second}) {
            m_layout->removeWidget(w);
            m_layout->addWidget(w);
        }
    }
    updateCaption();
}

void WgSelectorSwitch::updateCaption()
{
    m_caption->setText(m_active ? m_onCaption : m_offCaption);
}

void WgSelectorSwitch::onTrigger()
{
    setSwitch(true, true);
}

void WgSelectorSwitch::setActive(bool active)
{
    setSwitch(active != m_active, false);
}

void WgSelectorSwitch::setCaption(const QString& offCaption, const QString& onCaption)
{
    m_offCaption = offCaption;
    m_onCaption = onCaption;
    setSwitch(false, false);
}

void WgSelectorSwitch::refresh()
{
    setSwitch(false, false);
}

void WgSelectorSwitch::setSwitchStyleScriptDefault(bool on)
{
    const SSwitchLook& look = kDefaultLook[on ? 1 : 0];
    const SWidgetColor disabled{0x808080, 0xFFFBF0};
    SWidgetBorderLine line;
    line.width = 1;
    line.edge = WG_BORDER_EDGE_SOLID;
    line.color = 0x000000;
    SWidgetBorderRadius corners;
    corners.radius = 3;
    const WIDGET_BORDER border{&line, &corners};
    WIDGET_FONT font;
    font.weight = WG_FONT_WEIGHT_BOLD;
    font.family = "arial";

    WIDGET_SELECTOR_SWITCH style;
    style.frameColor = &look.frame;
    style.frameDisabledColor = &disabled;
    style.frameBorder = &border;
    style.font = &font;
    style.buttonColor = &look.knob;
    setSwitchStyleScript(on, style);
}

void WgSelectorSwitch::setSwitchStyleScript(bool on, const WIDGET_SELECTOR_SWITCH& style)
{
    (on ? m_onSheet : m_offSheet) = QtObjPalette::getSelectorSwitchStyleSheet(style);
}

void WgSelectorSwitch::setOnStyleScript(const QString& sheet)
{
    m_onSheet = sheet;
}

void WgSelectorSwitch::setOffStyleScript(const QString& sheet)
{
    m_offSheet = sheet;
}

void WgSelectorSwitch::clearStyleScript()
{
    m_onSheet.clear();
    m_offSheet.clear();
}

void WgSelectorSwitch::setSwitchBtnSide(SELECTOR_SWITCH_SIDE side)
{
    m_side = side;
}

void WgSelectorSwitch::setSwitchBtnText(const QString& text)
{
    m_knob->setText(text);
}

void WgSelectorSwitch::setSwitchBtnVisible(bool visible)
{
    m_knob->setVisible(visible);
}
