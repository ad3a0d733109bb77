#pragma once

#include <QLineEdit>
#include <QSizePolicy>

class QLabel;

// A line edit with a fixed prefix label at its left and a postfix label at its right,
// both inside the edit.
class WgLineEditAffixes : public QLineEdit
{
public:
    explicit WgLineEditAffixes(QWidget* parent = nullptr);
    ~WgLineEditAffixes() override;

    // Stretch factors are limited to 0 to 255.
    void setSizePolicyAndParent(QWidget* parent, QSizePolicy::Policy horizontal, QSizePolicy::Policy vertical,
                                int horizontalStretch, int verticalStretch);
    void updatePrefixDisp(const char* text);
    void updatePostfixDisp(const char* text);
    void setStyleSheetDefault();

    QLabel* prefixLabel() const { return m_prefix; }
    QLabel* postfixLabel() const { return m_postfix; }

private:
    int affixTop(const QLabel* label) const;

    QLabel* m_prefix;  // child of the edit
    QLabel* m_postfix; // child of the edit
};
