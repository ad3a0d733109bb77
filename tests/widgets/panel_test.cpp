#include "widgets/WgBox.h"
#include "widgets/WgForm.h"
#include "widgets/WgPanel.h"
#include "widgets/WgTaskBar.h"

#include "GrabShot.h"
#include "QtMessageProbe.h"
#include "WaitFor.h"

#include <QGridLayout>
#include <QGuiApplication>
#include <QLabel>
#include <QPainter>
#include <QPropertyAnimation>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>
#include <QWindow>
#include <gtest/gtest.h>
#include <memory>

namespace {

// The About dialog's way of using a form: frameless, draggable, its own background.
class DraggableForm : public WgForm
{
public:
    DraggableForm() : WgForm(nullptr, Qt::FramelessWindowHint) { m_draggable = true; }
};

// A panel whose paint handler can be run on demand.
class PaintedPanel : public WgPanel
{
public:
    explicit PaintedPanel(int radius) : WgPanel(nullptr, Qt::FramelessWindowHint, 1.0, false)
    {
        setBorderCornerRadius(radius);
    }
    using WgPanel::getRegion;
};

bool animationDone(const WgBase& base)
{
    return base.opacityAnimation() && base.opacityAnimation()->state() == QAbstractAnimation::Stopped;
}

void sendMouse(QWidget* widget, QEvent::Type type, QPoint pos, Qt::MouseButton button, Qt::MouseButtons buttons)
{
    QMouseEvent event(type, pos, widget->mapToGlobal(pos), button, buttons, Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
}

} // namespace

TEST(PanelTest, PanelStartsHiddenGreyAndOpaqueAsAsked)
{
    WgPanel panel(nullptr, Qt::FramelessWindowHint, 0.75, true);
    EXPECT_FALSE(panel.isVisible());
    EXPECT_EQ(panel.backgroundColor(), QColor(Qt::gray));
    EXPECT_EQ(panel.palette().color(QPalette::Window), QColor(Qt::gray));
    EXPECT_TRUE(panel.autoFillBackground());
    EXPECT_NEAR(panel.windowOpacity(), 0.75, 1.0 / 255); // Qt keeps it in 8 bits
    ASSERT_NE(panel.gridLayout(), nullptr);
    EXPECT_EQ(panel.layout(), panel.gridLayout());
    EXPECT_EQ(panel.borderCornerRadius(), 0);

    WgPanel bare(nullptr, Qt::FramelessWindowHint, 1.0, false);
    EXPECT_EQ(bare.gridLayout(), nullptr);
    EXPECT_EQ(bare.layout(), nullptr);

    panel.setBackgroundColor(QColor(0x19, 0x19, 0x70));
    EXPECT_EQ(panel.palette().color(QPalette::Window), QColor(0x19, 0x19, 0x70));
    panel.setBackgroundAlpha(0.5f);
    EXPECT_NEAR(panel.windowOpacity(), 0.5, 1.0 / 255);
    panel.setBackgroundTranslucent(true);
    EXPECT_TRUE(panel.testAttribute(Qt::WA_TranslucentBackground));
}

TEST(PanelTest, RoundedCornersMaskAndPaint)
{
    PaintedPanel square(0);
    square.resize(120, 80);
    square.grab();
    EXPECT_TRUE(square.mask().isEmpty());

    PaintedPanel rounded(8);
    rounded.setBackgroundColor(QColor(0x41, 0x69, 0xE1));
    rounded.resize(120, 80);
    const QImage picture = rounded.grab().toImage();
    TestSupport::saveShot(picture, "panel_rounded");
    const QRegion mask = rounded.mask();
    EXPECT_FALSE(mask.isEmpty());
    // Inset by one pixel on every side, the corners cut round.
    EXPECT_EQ(mask.boundingRect(), QRect(1, 1, 118, 78));
    for (const QPoint& inside : {QPoint(60, 1), QPoint(1, 40), QPoint(118, 40), QPoint(60, 78), QPoint(9, 9)})
        EXPECT_TRUE(mask.contains(inside)) << inside.x() << "," << inside.y();
    for (const QPoint& outside : {QPoint(0, 40), QPoint(60, 0), QPoint(1, 1), QPoint(2, 2), QPoint(118, 78)})
        EXPECT_FALSE(mask.contains(outside)) << outside.x() << "," << outside.y();
    EXPECT_EQ(mask, rounded.getRegion());
    // The body is painted in the background colour.
    EXPECT_EQ(picture.pixelColor(60, 40), QColor(0x41, 0x69, 0xE1));
}

// The release is announced before the base handles it; a form keeps its releases quiet.
TEST(PanelTest, ReleaseFocusAndCloseSignals)
{
    WgPanel panel(nullptr, Qt::FramelessWindowHint, 1.0, false);
    panel.resize(100, 60);
    panel.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&panel));
    QSignalSpy released(&panel, &WgPanel::signalMouseRelease);
    QSignalSpy focusIn(&panel, &WgPanel::signalFocusIn);
    QSignalSpy focusOut(&panel, &WgPanel::signalFocusOut);
    QSignalSpy closed(&panel, &WgPanel::signalClosed);

    QTest::mouseClick(&panel, Qt::LeftButton);
    EXPECT_EQ(released.count(), 1);

    QFocusEvent in(QEvent::FocusIn);
    QApplication::sendEvent(&panel, &in);
    QFocusEvent out(QEvent::FocusOut);
    QApplication::sendEvent(&panel, &out);
    EXPECT_EQ(focusIn.count(), 1);
    EXPECT_EQ(focusOut.count(), 1);

    // The dialog has closed by the time it says so.
    bool visibleWhenClosed = true;
    QObject::connect(&panel, &WgPanel::signalClosed, [&] { visibleWhenClosed = panel.isVisible(); });
    EXPECT_TRUE(panel.close());
    EXPECT_EQ(closed.count(), 1);
    EXPECT_FALSE(visibleWhenClosed);

    DraggableForm form;
    form.resize(100, 60);
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    QSignalSpy formReleased(&form, &WgPanel::signalMouseRelease);
    QTest::mouseClick(&form, Qt::LeftButton);
    EXPECT_EQ(formReleased.count(), 0);
}

TEST(PanelTest, FormDraggedByTheMouse)
{
    DraggableForm form;
    form.setGeometry(100, 100, 200, 120);
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    QWindow* window = form.windowHandle();
    const QPoint start = form.frameGeometry().topLeft();

    // Through the window system, as a person's mouse: press, two moves, release.
    QTest::mousePress(window, Qt::LeftButton, Qt::NoModifier, QPoint(10, 10));
    EXPECT_TRUE(form.isDragging());
    QTest::mouseMove(window, QPoint(40, 30));
    ASSERT_TRUE(TestSupport::waitFor([&] { return form.frameGeometry().topLeft() == start + QPoint(30, 20); }, 5000))
        << form.frameGeometry().x() << "," << form.frameGeometry().y();
    // The window moved with the form: the cursor sits at the form's (10, 10) again.
    QTest::mouseMove(window, QPoint(60, 15));
    ASSERT_TRUE(TestSupport::waitFor([&] { return form.frameGeometry().topLeft() == start + QPoint(80, 25); }, 5000))
        << form.frameGeometry().x() << "," << form.frameGeometry().y();
    QTest::mouseRelease(window, Qt::LeftButton, Qt::NoModifier, QPoint(60, 15));
    EXPECT_FALSE(form.isDragging());

    // Moving with no button held does not drag.
    const QPoint rested = form.frameGeometry().topLeft();
    QTest::mouseMove(window, QPoint(90, 90));
    QCoreApplication::processEvents();
    EXPECT_EQ(form.frameGeometry().topLeft(), rested);
}

TEST(PanelTest, FormDragNeedsTheLeftButtonAlone)
{
    DraggableForm form;
    form.setGeometry(100, 100, 200, 120);
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));

    sendMouse(&form, QEvent::MouseButtonPress, {10, 10}, Qt::LeftButton, Qt::LeftButton | Qt::RightButton);
    EXPECT_FALSE(form.isDragging());
    sendMouse(&form, QEvent::MouseButtonPress, {10, 10}, Qt::RightButton, Qt::RightButton);
    EXPECT_FALSE(form.isDragging());

    sendMouse(&form, QEvent::MouseButtonPress, {10, 10}, Qt::LeftButton, Qt::LeftButton);
    EXPECT_TRUE(form.isDragging());
    // Releasing any button ends the drag.
    sendMouse(&form, QEvent::MouseButtonRelease, {10, 10}, Qt::RightButton, Qt::LeftButton);
    EXPECT_FALSE(form.isDragging());

    WgForm still(nullptr, Qt::FramelessWindowHint);
    still.resize(100, 60);
    still.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&still));
    sendMouse(&still, QEvent::MouseButtonPress, {10, 10}, Qt::LeftButton, Qt::LeftButton);
    EXPECT_FALSE(still.isDragging());
}

TEST(PanelTest, FormFadesIn)
{
    DraggableForm form;
    form.resize(200, 120);
    form.showAnimation(true);
    ASSERT_NE(form.opacityAnimation(), nullptr);
    EXPECT_EQ(form.opacityAnimation()->duration(), 500);
    EXPECT_EQ(form.opacityAnimation()->easingCurve().type(), QEasingCurve::OutQuad);
    EXPECT_EQ(form.opacityAnimation()->parent(), &form);
    EXPECT_LT(form.windowOpacity(), 0.5); // starts from transparent
    form.show();
    ASSERT_TRUE(TestSupport::waitFor([&] { return animationDone(form); }, 10000));
    EXPECT_DOUBLE_EQ(form.windowOpacity(), 1.0);
    EXPECT_TRUE(form.isVisible());

    // Fading out reuses the animation and leaves the window shown, fully transparent.
    QPropertyAnimation* animation = form.opacityAnimation();
    form.showAnimation(false);
    EXPECT_EQ(form.opacityAnimation(), animation);
    ASSERT_TRUE(TestSupport::waitFor([&] { return animationDone(form); }, 10000));
    EXPECT_DOUBLE_EQ(form.windowOpacity(), 0.0);
    EXPECT_TRUE(form.isVisible());
}

TEST(PanelTest, MovePanelKeepsItOnTheScreen)
{
    const int screen = QGuiApplication::primaryScreen()->geometry().height();
    struct SCase
    {
        int y;
        int height;
        int top;
        int heightAfter;
    };
    // A 500-pixel panel asked to 120 above the bottom is lifted to stand on it.
    const SCase cases[] = {
        {screen - 380, 0, screen - 500, 500},
        {screen - 380, 300, screen - 500, 300},
        {20, 300, 20, 300},
        {screen - 500, 0, screen - 500, 500},
    };
    for (const SCase& c : cases) {
        WgPanel panel(nullptr, Qt::FramelessWindowHint, 1.0, false);
        panel.setMinimumSize(300, 500);
        panel.setMaximumSize(300, 500);
        panel.resize(300, 500);
        if (c.height != 0)
            panel.setMinimumHeight(0);
        panel.movePanel(100, c.y, c.height);
        EXPECT_EQ(panel.geometry().top(), c.top) << c.y << " " << c.height;
        EXPECT_EQ(panel.geometry().left(), 100);
        EXPECT_EQ(panel.height(), c.heightAfter);
    }
}

TEST(PanelTest, BoxSignalsAndLooks)
{
    auto box = std::make_unique<WgBox>(nullptr, 6, 0.5, true);
    EXPECT_FALSE(box->isVisible());
    EXPECT_TRUE(box->windowFlags() & Qt::FramelessWindowHint);
    EXPECT_TRUE(box->windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_NEAR(box->windowOpacity(), 0.5, 1.0 / 255);
    EXPECT_EQ(box->palette().color(QPalette::Window), QColor(0, 0, 0, 127));
    EXPECT_EQ(box->borderCornerRadius(), 6);
    ASSERT_NE(box->gridLayout(), nullptr);

    QSignalSpy released(box.get(), &WgBox::signalMouseRelease);
    QSignalSpy resized(box.get(), &WgBox::signalResize);
    box->resize(150, 90);
    box->showRaise();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(box.get()));
    EXPECT_TRUE(box->isVisible());
    box->showRaise(); // already shown: nothing
    EXPECT_GE(resized.count(), 1);
    QTest::mouseClick(box.get(), Qt::LeftButton);
    EXPECT_EQ(released.count(), 1);
    // The box paints nothing of its own: no rounded mask.
    box->grab();
    EXPECT_TRUE(box->mask().isEmpty());

    // Its listeners hear nothing once it goes, not even that it is destroyed.
    int destroyedHeard = 0;
    QObject::connect(box.get(), &QObject::destroyed, [&] { ++destroyedHeard; });
    box.reset();
    EXPECT_EQ(destroyedHeard, 0);
}

// A 200-pixel bar at 50 of 0 to 100: the outer 32 pixels step by 1, the rest by 10.
TEST(PanelTest, TaskBarClickSteps)
{
    struct SCase
    {
        int x;
        int value;
        bool add;
    };
    const SCase cases[] = {{10, 49, false}, {32, 49, false}, {33, 40, false},  {60, 40, false},  {100, 40, false},
                           {101, 60, true}, {150, 60, true}, {167, 60, true},  {168, 51, true},  {190, 51, true}};
    for (const SCase& c : cases) {
        QWidget parent;
        auto* bar = new WgTaskBar(&parent);
        bar->setGeometry(0, 0, 200, 24);
        bar->setRange(0, 100);
        bar->setValue(50);
        QSignalSpy sub(bar, &WgTaskBar::subClicked);
        QSignalSpy add(bar, &WgTaskBar::addClicked);
        QTest::mouseClick(bar, Qt::LeftButton, Qt::NoModifier, QPoint(c.x, 12));
        EXPECT_EQ(bar->value(), c.value) << "x " << c.x;
        EXPECT_EQ(add.count(), c.add ? 1 : 0) << "x " << c.x;
        EXPECT_EQ(sub.count(), c.add ? 0 : 1) << "x " << c.x;
    }
}

TEST(PanelTest, TaskBarStopsAtItsEndsAndTakesNewSteps)
{
    WgTaskBar bar;
    bar.resize(200, 24);
    bar.setRange(0, 100);
    EXPECT_EQ(bar.value(), 0);
    EXPECT_EQ(bar.cursor().shape(), Qt::PointingHandCursor);
    QSignalSpy sub(&bar, &WgTaskBar::subClicked);
    QTest::mouseClick(&bar, Qt::LeftButton, Qt::NoModifier, QPoint(60, 12));
    EXPECT_EQ(bar.value(), 0);
    EXPECT_EQ(sub.count(), 1); // announced even when the value cannot move
    bar.setValue(95);
    QTest::mouseClick(&bar, Qt::LeftButton, Qt::NoModifier, QPoint(120, 12));
    EXPECT_EQ(bar.value(), 100);

    bar.setSpaceValue(2, 25, 50);
    bar.setValue(50);
    QTest::mouseClick(&bar, Qt::LeftButton, Qt::NoModifier, QPoint(40, 12));
    EXPECT_EQ(bar.value(), 48);
    QTest::mouseClick(&bar, Qt::LeftButton, Qt::NoModifier, QPoint(140, 12));
    EXPECT_EQ(bar.value(), 73);
}

// The bar keeps its presses: none reaches the parent.
TEST(PanelTest, TaskBarKeepsItsPress)
{
    struct SParent : QWidget
    {
        int presses = 0;
        void mousePressEvent(QMouseEvent*) override { ++presses; }
    } parent;
    auto* bar = new WgTaskBar(&parent);
    bar->setGeometry(0, 0, 200, 24);
    QTest::mouseClick(bar, Qt::LeftButton, Qt::NoModifier, QPoint(150, 12));
    EXPECT_EQ(parent.presses, 0);
}

TEST(PanelTest, TaskBarDefaultSheet)
{
    QtMessageProbe probe;
    WgTaskBar bar;
    EXPECT_EQ(bar.styleSheet(),
              "QProgressBar {color:#ffffff;background-color:#483d8b;border:1px solid #a9a9a9;border-radius:5px;"
              "text-align:center;}"
              "QProgressBar::chunk {background: qlineargradient(x1:0.0, y1:0.0, x2:0.0, y2:1.0, stop:0.0 #4169e1, "
              "stop:0.5 #191970);}");
    bar.resize(200, 24);
    bar.setRange(0, 100);
    bar.setValue(35);
    EXPECT_FALSE(TestSupport::saveShot(&bar, "task_bar_35").isEmpty());
    EXPECT_TRUE(probe.warnings().isEmpty()) << probe.warnings().join('\n').toStdString();
}

// What the screen shows: the grab clipped by the window mask, over a white desktop.
QImage onDesktop(QWidget* widget)
{
    const QImage grabbed = widget->grab().toImage();
    QImage desktop(grabbed.size(), QImage::Format_RGB32);
    desktop.fill(Qt::white);
    QPainter painter(&desktop);
    if (!widget->mask().isEmpty())
        painter.setClipRegion(widget->mask());
    painter.drawImage(0, 0, grabbed);
    return desktop;
}

TEST(PanelTest, Pictures)
{
    DraggableForm form;
    form.setBorderCornerRadius(10);
    form.setBackgroundColor(QColor(0x41, 0x69, 0xE1));
    form.resize(330, 110);
    auto* text = new QLabel("Kelvora AIS Class B Configuration", &form);
    text->adjustSize();
    text->move(16, 44);
    const QImage picture = onDesktop(&form);
    EXPECT_FALSE(TestSupport::saveShot(picture, "form_rounded").isEmpty());
    EXPECT_EQ(picture.pixelColor(0, 0), QColor(Qt::white));
    EXPECT_EQ(picture.pixelColor(130, 5), QColor(0x41, 0x69, 0xE1));
}

TEST(PanelTest, CreatedAndDestroyedManyTimes)
{
    for (int i = 0; i < 100; ++i) {
        auto owner = std::make_unique<QWidget>();
        auto* panel = new WgPanel(owner.get(), Qt::FramelessWindowHint, 1.0, i % 2 == 0);
        panel->setBorderCornerRadius(4);
        panel->showAnimation(true);
        auto* form = new DraggableForm;
        form->setParent(owner.get(), Qt::FramelessWindowHint);
        form->showAnimation(i % 2 == 0);
        new WgBox(owner.get(), 3, 0.8, i % 2 == 1);
        new WgTaskBar(owner.get());
        if (i % 10 == 0)
            panel->grab();
    }
}
