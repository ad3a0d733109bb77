#pragma once

#include "ObjGlowGraphEffect.h"
#include "WgLabel.h"

#include <QHBoxLayout>
#include <QWidget>

// A clickable label drawn with a coloured glow, in its own default look.
class WgGlowLabel : public QWidget
{
    Q_OBJECT

public:
    explicit WgGlowLabel(QWidget* parent = nullptr);
    ~WgGlowLabel() override;

    void setLabelText(const QString& text);
    // color is 0xRRGGBB.
    void setGlowEffect(int radius, unsigned int color);
    void setStyleSheetDefault();

    const WgLabel& label() const { return m_label; }
    const ObjGlowGraphEffect& glowEffect() const { return m_effect; }

signals:
    void clicked();

public slots:
    void onClicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;

private:
    // Held by value: members go before the widget's own children are deleted, and each
    // leaves its parent (and the label its effect) as it goes.
    WgLabel m_label;
    QHBoxLayout m_layout;
    ObjGlowGraphEffect m_effect;
};
