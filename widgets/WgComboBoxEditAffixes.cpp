#include "WgComboBoxEditAffixes.h"

#include "palette/QtObjPalette.h"

#include <QLabel>
#include <QLineEdit>
#include <QRegExpValidator>
#include <QSignalBlocker>

namespace {

// Room the postfix label leaves for the drop-down arrow.
constexpr int kArrowRoom = 31;

} // namespace

WgComboBoxEditAffixes::WgComboBoxEditAffixes(QWidget* parent) : QComboBox(parent)
{
    connect(this, SIGNAL(currentIndexChanged(int)), this, SLOT(onIndexChanged(int)));
    connect(this, SIGNAL(editTextChanged(QString)), this, SLOT(onTextChanged(QString)));
    connect(this, SIGNAL(activated(int)), this, SLOT(onSelected(int)));
    setStyleSheetDefault();
}

WgComboBoxEditAffixes::~WgComboBoxEditAffixes()
{
    // The line edit may still point at the rule until the base class deletes it.
    if (QLineEdit* edit = lineEdit())
        edit->setValidator(nullptr);
    delete m_editRule;
}

void WgComboBoxEditAffixes::setStyleSheetDefault()
{
    SWidgetColor color;
    color.text = 0x333333;
    WIDGET_FONT font;
    font.weight = WG_FONT_WEIGHT_BOLD;
    WIDGET_AFFIXES_LABEL label;
    label.color = &color;
    label.font = &font;
    setStyleSheet(QtObjPalette::getAffixesLabelStyleSheet(label));
}

void WgComboBoxEditAffixes::setCustomIndex(int index)
{
    m_customIndex = index;
}

void WgComboBoxEditAffixes::setPlaceholder(QString placeholder)
{
    m_placeholder = placeholder;
}

void WgComboBoxEditAffixes::setPrefixValue(const char* prefix)
{
    m_prefix = prefix ? prefix : "";
}

void WgComboBoxEditAffixes::setPostfixValue(const char* postfix)
{
    m_postfix = postfix ? postfix : "";
}

void WgComboBoxEditAffixes::setEditRule(QRegExp& rule)
{
    QRegExpValidator* old = m_editRule;
    m_editRule = new QRegExpValidator(rule, nullptr);
    if (QLineEdit* edit = lineEdit(); edit && edit->validator() == old)
        edit->setValidator(m_editRule);
    delete old;
}

void WgComboBoxEditAffixes::setSizePolicyAndParent(QWidget* parent, QSizePolicy::Policy horizontal,
                                                   QSizePolicy::Policy vertical, int horizontalStretch,
                                                   int verticalStretch)
{
    setParent(parent);
    QSizePolicy policy(horizontal, vertical);
    policy.setHorizontalStretch(qBound(0, horizontalStretch, 255));
    policy.setVerticalStretch(qBound(0, verticalStretch, 255));
    setSizePolicy(policy);
}

void WgComboBoxEditAffixes::setCustomText(QString text, bool apply)
{
    m_customText = text;
    if (apply) {
        setEditable(true);
        const QSignalBlocker blocker(this);
        setCompleter(nullptr);
        lineEdit()->setValidator(m_editRule);
        lineEdit()->setPlaceholderText(m_placeholder);
        setEditText(text);
    }
    updateAffixesDisp();
}

void WgComboBoxEditAffixes::setText(const char* text)
{
    const QByteArray wanted(text ? text : "");
    if (count() == 0) {
        setEditable(true);
        setCustomText(QString::fromLocal8Bit(wanted), true);
        return;
    }
    int match = -1;
    for (int i = 0; i < count(); ++i) {
        if (itemData(i, Qt::UserRole).toString().toLocal8Bit() == wanted) {
            match = i;
            break;
        }
    }
    if (match >= 0) {
        const QSignalBlocker blocker(this);
        setCurrentIndex(match);
    }
    setEditable(match < 0);
    if (match < 0)
        setCustomText(QString::fromLocal8Bit(wanted), true);
    else if (m_customText.isEmpty())
        setCustomText(QString::fromLocal8Bit(wanted), false);
}

void WgComboBoxEditAffixes::updateAffixesDisp()
{
    QLineEdit* edit = lineEdit();
    if (!isEditable() || !edit)
        return;
    if (edit != m_lineEdit) {
        m_lineEdit = edit;
        m_prefixLabel = nullptr;
        m_postfixLabel = nullptr;
    }
    if (!m_prefixLabel && !m_prefix.empty()) {
        m_prefixLabel = new QLabel(edit);
        m_prefixLabel->show();
    }
    if (!m_postfixLabel && !m_postfix.empty()) {
        m_postfixLabel = new QLabel(edit);
        m_postfixLabel->show();
    }
    const int middle = (height() - 1) / 2;
    if (m_prefixLabel) {
        m_prefixLabel->setText(QString::fromStdString(m_prefix));
        m_prefixLabel->adjustSize();
        m_prefixLabel->move(0, middle - m_prefixLabel->height() / 2);
        edit->setTextMargins(m_prefixLabel->width(), 0, 0, 0);
    }
    if (m_postfixLabel) {
        m_postfixLabel->setText(QString::fromStdString(m_postfix));
        m_postfixLabel->adjustSize();
        m_postfixLabel->move(width() - kArrowRoom - m_postfixLabel->width(), middle - m_postfixLabel->height() / 2);
    }
}

void WgComboBoxEditAffixes::onIndexChanged(int index)
{
    if (m_customIndex < 0)
        return;
    m_customRange = index >= m_customIndex ? 1 : 0;
    setEditable(m_customRange != 0);
    if (index == m_customIndex)
        setCustomText(m_customText, true);
    else if (index > m_customIndex)
        setCustomText(currentText(), true);
}

void WgComboBoxEditAffixes::onTextChanged(QString text)
{
    if (m_customRange && currentIndex() > m_customIndex)
        setCustomText(text, true);
}

void WgComboBoxEditAffixes::onSelected(int index)
{
    if (index == m_customIndex)
        setCustomText(m_customText, true);
}
