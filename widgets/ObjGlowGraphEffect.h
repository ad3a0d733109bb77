#pragma once

#include <QColor>
#include <QGraphicsEffect>

// Draws a blurred glow of the source's own shape, in one colour, behind the source.
class ObjGlowGraphEffect : public QGraphicsEffect
{
    Q_OBJECT

public:
    explicit ObjGlowGraphEffect(QObject* parent = nullptr);
    ~ObjGlowGraphEffect() override;

    void setRadius(int radius);
    void setGlowColor(const QColor& color);
    int radius() const { return m_radius; }
    QColor glowColor() const { return m_glowColor; }

    QRectF boundingRectFor(const QRectF& rect) const override;

protected:
    void draw(QPainter* painter) override;
    void sourceChanged(ChangeFlags flags) override;

private:
    int m_radius = 0; // 0: no glow
    QColor m_glowColor = QColor(255, 255, 255, 255);
};
