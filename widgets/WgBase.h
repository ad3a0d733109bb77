#pragma once

#include <QColor>
#include <QRegion>

class QGridLayout;
class QPropertyAnimation;
class QWidget;

// Mix-in of the frameless windows: background colour, rounded corners (a painted rounded
// rectangle and the matching window mask), window opacity and its fade. Inherited next to
// the Qt widget class, which it is given as owner.
class WgBase
{
public:
    WgBase(QWidget* owner, int cornerRadius, bool withLayout);
    ~WgBase();
    WgBase(const WgBase&) = delete;
    WgBase& operator=(const WgBase&) = delete;

    void setBackgroundColor(const QColor& color);
    void setBorderCornerRadius(int radius);
    void setBackgroundAlpha(float alpha);
    void setBackgroundTranslucent(bool translucent);
    // Fades the window opacity in (true) or out (false); shows and hides nothing.
    void showAnimation(bool show);

    QColor backgroundColor() const { return m_backgroundColor; }
    int borderCornerRadius() const { return m_cornerRadius; }
    QGridLayout* gridLayout() const { return m_gridLayout; }
    QPropertyAnimation* opacityAnimation() const { return m_animation; }

protected:
    void paintBorder();
    void updateMask();
    QRegion getRegion() const;

private:
    QWidget* m_owner;
    QGridLayout* m_gridLayout = nullptr;
    QColor m_backgroundColor;
    int m_cornerRadius = 0;
    QPropertyAnimation* m_animation = nullptr; // child of the owner, made by the first fade
};
