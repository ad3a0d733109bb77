#include "widgets/ObjGlowGraphEffect.h"

#include "GrabShot.h"

#include <QPainter>
#include <QWidget>
#include <QSignalSpy>
#include <gtest/gtest.h>

namespace {

// A solid dark block filling the whole widget, so the glow's reach is easy to measure.
class Block : public QWidget
{
public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.fillRect(rect(), QColor(0x20, 0x20, 0x20));
    }
};

// A white scene of 140 x 100 with a 40 x 40 block at (50, 30).
struct SScene
{
    SScene()
    {
        scene.setAutoFillBackground(true);
        QPalette palette = scene.palette();
        palette.setColor(QPalette::Window, Qt::white);
        scene.setPalette(palette);
        scene.resize(140, 100);
        block = new Block(&scene);
        block->setGeometry(50, 30, 40, 40);
    }
    QImage picture() { return scene.grab().toImage(); }

    QWidget scene;
    Block* block;
};

bool reddish(QRgb pixel)
{
    return qRed(pixel) > qGreen(pixel) + 20 && qRed(pixel) > qBlue(pixel) + 20;
}

} // namespace

TEST(GlowEffectTest, RadiusZeroPaintsExactlyTheSource)
{
    SScene plain;
    const QImage expected = plain.picture();

    SScene glowing;
    auto* effect = new ObjGlowGraphEffect;
    effect->setGlowColor(Qt::red);
    effect->setRadius(0);
    glowing.block->setGraphicsEffect(effect);
    EXPECT_EQ(glowing.picture(), expected);
    EXPECT_EQ(effect->boundingRectFor(QRectF(0, 0, 40, 40)), QRectF(0, 0, 40, 40));
}

// The glow reaches out by the radius on every side of the source: the left and top as well
// as the right and bottom.
TEST(GlowEffectTest, GlowSurroundsTheSourceOnEverySide)
{
    SScene scene;
    auto* effect = new ObjGlowGraphEffect;
    effect->setGlowColor(Qt::red);
    effect->setRadius(12);
    scene.block->setGraphicsEffect(effect);
    EXPECT_EQ(effect->boundingRectFor(QRectF(0, 0, 40, 40)), QRectF(-12, -12, 64, 64));

    const QImage picture = scene.picture();
    TestSupport::saveShot(picture, "glow_effect_block");
    const struct
    {
        QPoint at;
        const char* side;
    } beside[] = {{{46, 50}, "left"}, {{70, 26}, "top"}, {{93, 50}, "right"}, {{70, 73}, "bottom"}};
    for (const auto& b : beside)
        EXPECT_TRUE(reddish(picture.pixel(b.at))) << b.side << " " << std::hex << picture.pixel(b.at);
    // The source is drawn over its glow, unchanged.
    EXPECT_EQ(picture.pixel(70, 50), qRgb(0x20, 0x20, 0x20));
    // Far from the block the scene stays white.
    EXPECT_EQ(picture.pixel(5, 5), qRgb(255, 255, 255));
}

TEST(GlowEffectTest, SettersAskForANewArea)
{
    QWidget host;
    host.resize(30, 20);
    auto* effect = new ObjGlowGraphEffect; // the host deletes it
    EXPECT_EQ(effect->radius(), 0);
    EXPECT_EQ(effect->glowColor(), QColor(255, 255, 255, 255));
    host.setGraphicsEffect(effect);
    effect->setRadius(5);
    EXPECT_EQ(effect->boundingRect(), QRectF(-5, -5, 40, 30));
    effect->setGlowColor(Qt::blue);
    EXPECT_EQ(effect->glowColor(), QColor(Qt::blue));
}

// A negative radius is no glow at all, not an image of negative size.
TEST(GlowEffectTest, NegativeRadiusDrawsNoGlow)
{
    SScene scene;
    auto* effect = new ObjGlowGraphEffect;
    effect->setGlowColor(Qt::red);
    effect->setRadius(-6);
    scene.block->setGraphicsEffect(effect);
    const QImage picture = scene.picture();
    EXPECT_EQ(picture.pixel(70, 50), qRgb(0x20, 0x20, 0x20));
    EXPECT_EQ(picture.pixel(46, 50), qRgb(255, 255, 255));
}
