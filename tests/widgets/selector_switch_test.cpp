#include "widgets/WgLabel.h"
#include "widgets/WgSelectorSwitch.h"

#include "GrabShot.h"
#include "QtMessageProbe.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

namespace {

// The default looks, composed by hand from the default records.
const char* const kOffSheet =
    "QFrame {color:#000000;background-color:#a9a9a9;border:1px solid #000000;border-radius:3px;}"
    "QFrame:disabled {color:#808080;background-color:#fffbf0;}"
    "QLabel {font-weight:700;font-family:\"arial\";border: none;}"
    "QPushButton {font-weight:700;font-family:\"arial\";color:#ffffff;background-color:#333333;border-radius:3px;"
    "margin-left:2px;margin-top:1px;margin-right:2px;margin-bottom:1px;}";
const char* const kOnSheet =
    "QFrame {color:#0000ff;background-color:#ffffff;border:1px solid #000000;border-radius:3px;}"
    "QFrame:disabled {color:#808080;background-color:#fffbf0;}"
    "QLabel {font-weight:700;font-family:\"arial\";border: none;}"
    "QPushButton {font-weight:700;font-family:\"arial\";color:#ffffff;background-color:#1e90ff;border-radius:3px;"
    "margin-left:2px;margin-top:1px;margin-right:2px;margin-bottom:1px;}";

// A shown switch with the Wi-Fi captions, in a window of its own.
struct SSwitchFixture
{
    SSwitchFixture() : window(new QWidget), sw(new WgSelectorSwitch(window.get()))
    {
        sw->setGeometry(10, 10, 80, 24);
        sw->setCaption("OFF", "ON");
        window->resize(100, 44);
        window->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    }
    // Whether the knob stands left of the caption, by the layout's order and on screen.
    bool knobLeft() const
    {
        auto* layout = static_cast<QHBoxLayout*>(sw->layout());
        const bool first = layout->indexOf(sw->switchBtn()) == 0 && layout->indexOf(sw->captionLabel()) == 1;
        sw->layout()->activate();
        EXPECT_EQ(first, sw->switchBtn()->x() < sw->captionLabel()->x());
        return first;
    }

    std::unique_ptr<QWidget> window;
    WgSelectorSwitch* sw;
};

} // namespace

TEST(SelectorSwitchTest, NewSwitchIsOffWithKnobLeftAndOffSheet)
{
    QtMessageProbe probe;
    SSwitchFixture f;
    EXPECT_FALSE(f.sw->isActive());
    EXPECT_TRUE(f.knobLeft());
    EXPECT_EQ(f.sw->captionLabel()->text(), "OFF");
    EXPECT_EQ(f.sw->styleSheet(), kOffSheet);
    EXPECT_EQ(f.sw->onStyleScript(), kOnSheet);
    EXPECT_EQ(f.sw->offStyleScript(), kOffSheet);
    EXPECT_EQ(f.sw->switchBtn()->width(), 18);
    EXPECT_EQ(f.sw->switchBtn()->cursor().shape(), Qt::PointingHandCursor);
    EXPECT_EQ(f.sw->captionLabel()->cursor().shape(), Qt::PointingHandCursor);
    EXPECT_EQ(f.sw->captionLabel()->alignment(), Qt::AlignCenter);
    EXPECT_EQ(f.sw->captionLabel()->contentsMargins(), QMargins(6, 0, 6, 0));
    EXPECT_EQ(f.sw->switchBtn()->parentWidget(), f.sw);
    EXPECT_EQ(f.sw->captionLabel()->parentWidget(), f.sw);
    f.window->grab();
    EXPECT_TRUE(probe.warnings().isEmpty()) << probe.warnings().join('\n').toStdString();
}

// A click on the knob and a click on the caption each flip the switch and signal once; the
// listener already sees the new state, arrangement and sheet.
TEST(SelectorSwitchTest, UserClicksFlipAndSignal)
{
    QtMessageProbe probe;
    SSwitchFixture f;
    struct SHeard
    {
        bool active;
        QString caption;
        QString sheet;
    };
    QVector<SHeard> heard;
    QObject::connect(f.sw, &WgSelectorSwitch::signalClick, [&] {
        heard.append({f.sw->isActive(), f.sw->captionLabel()->text(), f.sw->styleSheet()});
    });

    QTest::mouseClick(f.sw->captionLabel(), Qt::LeftButton);
    ASSERT_EQ(heard.size(), 1);
    EXPECT_TRUE(heard[0].active);
    EXPECT_EQ(heard[0].caption, "ON");
    EXPECT_EQ(heard[0].sheet, kOnSheet);
    EXPECT_FALSE(f.knobLeft());

    QTest::mouseClick(f.sw->switchBtn(), Qt::LeftButton);
    ASSERT_EQ(heard.size(), 2);
    EXPECT_FALSE(heard[1].active);
    EXPECT_EQ(heard[1].caption, "OFF");
    EXPECT_EQ(heard[1].sheet, kOffSheet);
    EXPECT_TRUE(f.knobLeft());

    QTest::mouseClick(f.sw->switchBtn(), Qt::LeftButton);
    ASSERT_EQ(heard.size(), 3);
    EXPECT_TRUE(heard[2].active);
    EXPECT_FALSE(f.knobLeft());
    // Moving the two inside their own layout draws no complaint from Qt.
    EXPECT_TRUE(probe.warnings().isEmpty()) << probe.warnings().join('\n').toStdString();
}

TEST(SelectorSwitchTest, SetActiveNeverSignals)
{
    SSwitchFixture f;
    QSignalSpy clicks(f.sw, &WgSelectorSwitch::signalClick);
    f.sw->setActive(true);
    EXPECT_TRUE(f.sw->isActive());
    EXPECT_EQ(f.sw->captionLabel()->text(), "ON");
    EXPECT_EQ(f.sw->styleSheet(), kOnSheet);
    EXPECT_FALSE(f.knobLeft());
    f.sw->setActive(true);
    EXPECT_TRUE(f.sw->isActive());
    EXPECT_FALSE(f.knobLeft());
    f.sw->setActive(false);
    EXPECT_FALSE(f.sw->isActive());
    EXPECT_TRUE(f.knobLeft());
    f.sw->refresh();
    EXPECT_FALSE(f.sw->isActive());
    EXPECT_EQ(clicks.count(), 0);
}

// Side 0 puts the knob left while off, side 1 the reverse, any other side keeps the order.
TEST(SelectorSwitchTest, KnobSide)
{
    struct SCase
    {
        int side;
        bool active;
        bool knobLeft;
    };
    const SCase cases[] = {
        {0, false, true}, {0, true, false}, {1, false, false}, {1, true, true},
    };
    for (const SCase& c : cases) {
        SSwitchFixture f;
        f.sw->setSwitchBtnSide(SELECTOR_SWITCH_SIDE(c.side));
        f.sw->setActive(c.active);
        f.sw->refresh();
        EXPECT_EQ(f.knobLeft(), c.knobLeft) << "side " << c.side << " active " << c.active;
        EXPECT_EQ(f.sw->captionLabel()->text(), c.active ? "ON" : "OFF");
    }

    SSwitchFixture f;
    f.sw->setSwitchBtnSide(SELECTOR_SWITCH_SIDE(7));
    QTest::mouseClick(f.sw->switchBtn(), Qt::LeftButton);
    EXPECT_TRUE(f.sw->isActive());
    EXPECT_TRUE(f.knobLeft());
    EXPECT_EQ(f.sw->captionLabel()->text(), "ON");
}

TEST(SelectorSwitchTest, SheetsAndKnobSettings)
{
    SSwitchFixture f;
    f.sw->setOnStyleScript("QFrame {background-color:#00ff00;}");
    f.sw->setOffStyleScript("QFrame {background-color:#ff0000;}");
    EXPECT_EQ(f.sw->styleSheet(), kOffSheet); // until the next arrangement
    f.sw->refresh();
    EXPECT_EQ(f.sw->styleSheet(), "QFrame {background-color:#ff0000;}");
    f.sw->setActive(true);
    EXPECT_EQ(f.sw->styleSheet(), "QFrame {background-color:#00ff00;}");
    f.sw->clearStyleScript();
    f.sw->refresh();
    EXPECT_EQ(f.sw->styleSheet(), "");
    f.sw->setSwitchStyleScriptDefault(true);
    f.sw->refresh();
    EXPECT_EQ(f.sw->styleSheet(), kOnSheet);

    f.sw->setSwitchBtnText("|");
    EXPECT_EQ(f.sw->switchBtn()->text(), "|");
    f.sw->setSwitchBtnVisible(false);
    EXPECT_FALSE(f.sw->switchBtn()->isVisible());
    f.sw->setSwitchBtnVisible(true);
    EXPECT_TRUE(f.sw->switchBtn()->isVisible());
}

TEST(SelectorSwitchTest, Pictures)
{
    SSwitchFixture f;
    // The layout places the knob on its next pass, as the event loop would run it.
    const auto shot = [&f](const char* name) {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
        EXPECT_FALSE(TestSupport::saveShot(f.window.get(), name).isEmpty());
    };
    shot("selector_switch_off");
    f.sw->setActive(true);
    shot("selector_switch_on");
    f.sw->setEnabled(false);
    shot("selector_switch_on_disabled");
    f.sw->setEnabled(true);
    f.sw->setActive(false);
    f.sw->setSwitchBtnSide(SELECTOR_SWITCH_SIDE_RIGHT_OFF);
    f.sw->refresh();
    shot("selector_switch_off_side1");
}

TEST(SelectorSwitchTest, CreatedAndDestroyedManyTimes)
{
    for (int i = 0; i < 200; ++i) {
        auto owner = std::make_unique<QWidget>();
        auto* sw = new WgSelectorSwitch(owner.get());
        sw->setCaption("OFF", "ON");
        sw->setActive(i % 2 == 0);
        WgSelectorSwitch standalone;
        QTest::mouseClick(standalone.captionLabel(), Qt::LeftButton);
        if (i % 3 == 0)
            delete sw; // before its parent
    }
}
