#include "WgGlowLabel.h"

#include "palette/QtObjPalette.h"

namespace {
constexpr int kDefaultGlowRadius = 16;
constexpr unsigned kDefaultGlowColor = 0xFF0000;
} // namespace

WgGlowLabel::WgGlowLabel(QWidget* parent) : QWidget(parent)
{
    m_layout.addWidget(&m_label);
    m_layout.setContentsMargins(0, 0, 0, 0);
    setLayout(&m_layout);
    connect(&m_label, &WgLabel::signalClicked, this, &WgGlowLabel::onClicked);
    m_effect.setRadius(kDefaultGlowRadius);
    m_effect.setGlowColor(QColor(QRgb(kDefaultGlowColor)));
    m_label.setGraphicsEffect(&m_effect);
    setStyleSheetDefault();
}

WgGlowLabel::~WgGlowLabel() = default;

void WgGlowLabel::onClicked()
{
    emit clicked();
}

void WgGlowLabel::mousePressEvent(QMouseEvent*)
{
    emit clicked();
}

void WgGlowLabel::setLabelText(const QString& text)
{
    m_label.setText(text);
}

void WgGlowLabel::setGlowEffect(int radius, unsigned int color)
{
    m_effect.setRadius(radius);
    m_effect.setGlowColor(QColor(QRgb(color)));
    m_label.setGraphicsEffect(&m_effect);
}

void WgGlowLabel::setStyleSheetDefault()
{
    const SWidgetColor color{0xFFFF00};
    WIDGET_FONT font;
    font.size = 20;
    font.weight = WG_FONT_WEIGHT_BLACK;
    font.family = "arial";
    SWidgetSides padding;
    padding.left = 10;
    padding.right = 10;
    const WIDGET_GLOW_LABEL style{&color, &font, &padding};
    setStyleSheet(QtObjPalette::getGlowLabelStyleSheet(style));
}
