#pragma once

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QRegExp>
#include <QSizePolicy>
#include <QString>
#include <string>

class QRegExpValidator;

// A combo box whose entries from the custom index on let the user type a value of their
// own, checked by the edit rule, with fixed prefix and postfix texts shown inside the edit
// field (a unit after a number, for example).
class WgComboBoxEditAffixes : public QComboBox
{
    Q_OBJECT

public:
    explicit WgComboBoxEditAffixes(QWidget* parent = nullptr);
    ~WgComboBoxEditAffixes() override;

    void setCustomIndex(int index);
    void setPlaceholder(QString placeholder);
    void setPrefixValue(const char* prefix);
    void setPostfixValue(const char* postfix);
    void setEditRule(QRegExp& rule);
    void setSizePolicyAndParent(QWidget* parent, QSizePolicy::Policy horizontal, QSizePolicy::Policy vertical,
                                int horizontalStretch, int verticalStretch);
    void setCustomText(QString text, bool apply);
    // Selects the entry whose user data is the text, else shows the text as a custom value.
    void setText(const char* text);
    void updateAffixesDisp();
    void setStyleSheetDefault();

    int customIndex() const { return m_customIndex; }
    bool inCustomRange() const { return m_customRange != 0; }
    QString customText() const { return m_customText; }
    QLabel* prefixLabel() const { return m_prefixLabel; }
    QLabel* postfixLabel() const { return m_postfixLabel; }
    const QRegExpValidator* editRule() const { return m_editRule; }

public slots:
    void onIndexChanged(int index);
    void onTextChanged(QString text);
    void onSelected(int index);

private:
    // Guarded: the combo box deletes its line edit, and the labels with it, whenever it
    // stops being editable.
    QPointer<QLineEdit> m_lineEdit;
    QPointer<QLabel> m_prefixLabel;
    QPointer<QLabel> m_postfixLabel;
    QRegExpValidator* m_editRule = nullptr;
    QString m_customText;
    QString m_placeholder;
    std::string m_prefix;
    std::string m_postfix;
    int m_customRange = 0;
    int m_customIndex = -1;
};
