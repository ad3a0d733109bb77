#include "WgLineEditAffixes.h"

#include "palette/QtObjPalette.h"

#include <QLabel>

namespace {
constexpr int kPrefixLeft = 8;
constexpr int kPostfixRight = 6;
constexpr int kMaxStretch = 255;
} // namespace

WgLineEditAffixes::WgLineEditAffixes(QWidget* parent)
    : QLineEdit(parent), m_prefix(new QLabel(this)), m_postfix(new QLabel(this))
{
    setStyleSheetDefault();
}

// The labels are children of the edit and go with it.
WgLineEditAffixes::~WgLineEditAffixes() = default;

void WgLineEditAffixes::setSizePolicyAndParent(QWidget* parent, QSizePolicy::Policy horizontal,
                                               QSizePolicy::Policy vertical, int horizontalStretch,
                                               int verticalStretch)
{
    setParent(parent);
    QSizePolicy policy(horizontal, vertical);
    policy.setHorizontalStretch(qBound(0, horizontalStretch, kMaxStretch));
    policy.setVerticalStretch(qBound(0, verticalStretch, kMaxStretch));
    setSizePolicy(policy);
}

// Centred on the edit's height, measured as bottom minus top like the edit's own rect.
int WgLineEditAffixes::affixTop(const QLabel* label) const
{
    const int h = rect().bottom() - rect().top();
    return h / 2 - label->height() / 2;
}

void WgLineEditAffixes::updatePrefixDisp(const char* text)
{
    m_prefix->setText(QString::fromUtf8(text));
    m_prefix->adjustSize();
    m_prefix->move(kPrefixLeft, affixTop(m_prefix));
    // The label stands kPrefixLeft in from the edge: the text starts after all of it.
    setTextMargins(kPrefixLeft + m_prefix->width(), 0, 0, 0);
}

void WgLineEditAffixes::updatePostfixDisp(const char* text)
{
    m_postfix->setText(QString::fromUtf8(text));
    m_postfix->adjustSize();
    m_postfix->move(width() - m_postfix->width() - kPostfixRight, affixTop(m_postfix));
}

void WgLineEditAffixes::setStyleSheetDefault()
{
    const SWidgetColor color{0x333333};
    WIDGET_FONT font;
    font.weight = WG_FONT_WEIGHT_BOLD;
    const WIDGET_AFFIXES_LABEL style{&color, &font};
    setStyleSheet(QtObjPalette::getAffixesLabelStyleSheet(style));
}
