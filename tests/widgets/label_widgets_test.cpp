#include "widgets/WgComboBox.h"
#include "widgets/WgGlowLabel.h"
#include "widgets/WgLabel.h"
#include "widgets/WgLineEdit.h"
#include "widgets/WgLineEditAffixes.h"

#include "GrabShot.h"
#include "QtMessageProbe.h"
#include "WaitFor.h"

#include <QAbstractItemView>
#include <QLabel>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

namespace {

// A parent that counts the presses that reach it, to see a child keep its press.
class PressCounter : public QWidget
{
public:
    int presses = 0;

protected:
    void mousePressEvent(QMouseEvent* event) override
    {
        ++presses;
        QWidget::mousePressEvent(event);
    }
};

} // namespace

TEST(LabelWidgetsTest, LabelClickAndDoubleClick)
{
    PressCounter parent;
    auto* label = new WgLabel(&parent);
    label->setText("123456789");
    label->resize(120, 24);
    QSignalSpy clicked(label, &WgLabel::signalClicked);
    QSignalSpy doubleClicked(label, &WgLabel::signalDoubleClicked);

    QTest::mouseClick(label, Qt::LeftButton);
    EXPECT_EQ(clicked.count(), 1);
    EXPECT_EQ(doubleClicked.count(), 0);

    // A double click reaches a widget as press, release, double click, release.
    clicked.clear();
    QTest::mouseClick(label, Qt::LeftButton);
    QTest::mouseDClick(label, Qt::LeftButton);
    QTest::mouseRelease(label, Qt::LeftButton);
    EXPECT_EQ(clicked.count(), 1);
    EXPECT_EQ(doubleClicked.count(), 1);

    // The label keeps its presses: none went on to the parent.
    EXPECT_EQ(parent.presses, 0);
}

TEST(LabelWidgetsTest, GlowLabelClickedOncePerPress)
{
    PressCounter parent;
    auto* glow = new WgGlowLabel(&parent);
    glow->setLabelText("GPS");
    glow->resize(120, 50);
    parent.resize(160, 80);
    parent.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&parent));
    QSignalSpy clicked(glow, &WgGlowLabel::clicked);

    QTest::mouseClick(const_cast<WgLabel*>(&glow->label()), Qt::LeftButton);
    EXPECT_EQ(clicked.count(), 1);
    EXPECT_EQ(parent.presses, 0);
    EXPECT_EQ(glow->label().text(), "GPS");
}

TEST(LabelWidgetsTest, GlowLabelDefaultsAndSetGlowEffect)
{
    WgGlowLabel glow;
    EXPECT_EQ(glow.glowEffect().radius(), 16);
    EXPECT_EQ(glow.glowEffect().glowColor(), QColor(255, 0, 0));
    EXPECT_EQ(glow.label().graphicsEffect(), &glow.glowEffect());

    glow.setGlowEffect(6, 0x00FF00);
    EXPECT_EQ(glow.glowEffect().radius(), 6);
    EXPECT_EQ(glow.glowEffect().glowColor(), QColor(0, 255, 0));
    EXPECT_EQ(glow.label().graphicsEffect(), &glow.glowEffect());
}

// Left and Right at either end of "abc", with and without the flag that swallows them.
TEST(LabelWidgetsTest, LineEditArrowKeys)
{
    struct SCase
    {
        int cursor;
        Qt::Key key;
        bool ignoreArrows;
        int cursorAfter;
        int focusOuts;
    };
    const SCase cases[] = {
        {3, Qt::Key_Right, false, 3, 1}, {1, Qt::Key_Right, false, 2, 0}, {0, Qt::Key_Left, false, 0, 1},
        {2, Qt::Key_Left, false, 1, 0},  {3, Qt::Key_Left, false, 2, 0},  {0, Qt::Key_Right, false, 1, 0},
        {3, Qt::Key_Right, true, 3, 0},  {0, Qt::Key_Left, true, 0, 0},   {1, Qt::Key_Left, true, 1, 0},
        {1, Qt::Key_Right, true, 1, 0},
    };
    for (const SCase& c : cases) {
        WgLineEdit edit;
        edit.setText("abc");
        edit.setIgnoreLRArrowKeyFlag(c.ignoreArrows);
        edit.setCursorPosition(c.cursor);
        QSignalSpy focusOut(&edit, &WgLineEdit::signalFocusOut);
        QTest::keyClick(&edit, c.key);
        EXPECT_EQ(edit.cursorPosition(), c.cursorAfter) << c.cursor << " key " << c.key << " ignore " << c.ignoreArrows;
        EXPECT_EQ(focusOut.count(), c.focusOuts) << c.cursor << " key " << c.key << " ignore " << c.ignoreArrows;
    }
}

TEST(LabelWidgetsTest, LineEditOtherKeysStillType)
{
    WgLineEdit edit;
    edit.setIgnoreLRArrowKeyFlag(true);
    QTest::keyClicks(&edit, "AIS");
    EXPECT_EQ(edit.text(), "AIS");
}

TEST(LabelWidgetsTest, AffixesStretchIsLimited)
{
    struct SCase
    {
        int given;
        int stored;
    };
    const SCase cases[] = {{300, 255}, {-4, 0}, {0, 0}, {255, 255}, {7, 7}};
    QWidget parent;
    for (const SCase& c : cases) {
        auto* edit = new WgLineEditAffixes;
        edit->setSizePolicyAndParent(&parent, QSizePolicy::Expanding, QSizePolicy::Fixed, c.given, c.given);
        EXPECT_EQ(edit->parentWidget(), &parent);
        EXPECT_EQ(edit->sizePolicy().horizontalPolicy(), QSizePolicy::Expanding);
        EXPECT_EQ(edit->sizePolicy().verticalPolicy(), QSizePolicy::Fixed);
        EXPECT_EQ(edit->sizePolicy().horizontalStretch(), c.stored) << c.given;
        EXPECT_EQ(edit->sizePolicy().verticalStretch(), c.stored) << c.given;
    }
}

TEST(LabelWidgetsTest, AffixesPlacedInsideTheEdit)
{
    WgLineEditAffixes edit;
    edit.resize(200, 30);
    edit.updatePrefixDisp("MMSI");
    edit.updatePostfixDisp("m");

    const QLabel* prefix = edit.prefixLabel();
    const QLabel* postfix = edit.postfixLabel();
    EXPECT_EQ(prefix->text(), "MMSI");
    EXPECT_EQ(postfix->text(), "m");
    EXPECT_EQ(prefix->size(), prefix->sizeHint());
    // Height 30: bottom minus top is 29.
    EXPECT_EQ(prefix->pos(), QPoint(8, 29 / 2 - prefix->height() / 2));
    EXPECT_EQ(postfix->pos(), QPoint(200 - postfix->width() - 6, 29 / 2 - postfix->height() / 2));
    EXPECT_EQ(edit.textMargins(), QMargins(8 + prefix->width(), 0, 0, 0));
    EXPECT_EQ(prefix->parentWidget(), &edit);
    EXPECT_EQ(postfix->parentWidget(), &edit);
}

// The text starts after the prefix, with or without the padding a theme gives line edits:
// the first digit of an MMSI must not cover the label's last letter.
TEST(LabelWidgetsTest, AffixTextStartsAfterThePrefix)
{
    struct SCaretProbe : WgLineEditAffixes
    {
        using QLineEdit::cursorRect;
    };
    for (const char* sheet : {"", "QLineEdit {border:1px solid #282828;padding-left:8px;}"}) {
        SCOPED_TRACE(sheet);
        QWidget window;
        window.setStyleSheet(sheet);
        auto* edit = new SCaretProbe;
        edit->setParent(&window);
        edit->resize(220, 28);
        window.resize(220, 28);
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
        edit->updatePrefixDisp("MMSI");
        edit->setText("211234567");
        edit->setCursorPosition(0);
        const int caret = edit->cursorRect().center().x();
        EXPECT_GT(caret, edit->prefixLabel()->geometry().right()) << "caret " << caret;
        EXPECT_FALSE(TestSupport::saveShot(&window, *sheet ? "affix_text_themed" : "affix_text").isEmpty());
    }
}

TEST(LabelWidgetsTest, ComboBoxAnnouncesBeforeItsListOpens)
{
    QWidget window;
    auto* combo = new WgComboBox(&window);
    combo->setFixedSize(450, 25);
    combo->addItem("stale port");
    window.resize(500, 300);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));

    int announced = 0;
    bool listShownWhenAnnounced = true;
    // Directly connected, like the controller's refresh of the serial port list.
    QObject::connect(combo, &WgComboBox::signalShowPopup, combo, [&] {
        ++announced;
        listShownWhenAnnounced = combo->view()->isVisible();
        combo->clear();
        combo->addItems({"ttyUSB0", "ttyUSB1", QString("ttyS%1").arg(announced)});
    });

    // By the mouse.
    QTest::mouseClick(combo, Qt::LeftButton);
    ASSERT_TRUE(TestSupport::waitFor([&] { return combo->view()->isVisible(); }, 5000));
    EXPECT_EQ(announced, 1);
    EXPECT_FALSE(listShownWhenAnnounced);
    EXPECT_EQ(combo->view()->model()->rowCount(), 3);
    EXPECT_EQ(combo->itemText(2), "ttyS1");
    combo->hidePopup();
    ASSERT_TRUE(TestSupport::waitFor([&] { return !combo->view()->isVisible(); }, 5000));

    // By the keyboard: F4 and Alt+Down.
    for (const auto& key : {std::make_pair(Qt::Key_F4, Qt::NoModifier), std::make_pair(Qt::Key_Down, Qt::AltModifier)}) {
        const int before = announced;
        QTest::keyClick(combo, key.first, key.second);
        ASSERT_TRUE(TestSupport::waitFor([&] { return combo->view()->isVisible(); }, 5000)) << key.first;
        EXPECT_EQ(announced, before + 1);
        EXPECT_FALSE(listShownWhenAnnounced);
        EXPECT_EQ(combo->itemText(2), QString("ttyS%1").arg(announced));
        combo->hidePopup();
        ASSERT_TRUE(TestSupport::waitFor([&] { return !combo->view()->isVisible(); }, 5000));
    }
}

// The default looks, composed by hand from the default records, and taken by Qt as they are.
TEST(LabelWidgetsTest, DefaultSheets)
{
    QtMessageProbe probe;
    WgGlowLabel glow;
    EXPECT_EQ(glow.styleSheet(), "QLabel {color:#ffff00;font-size:20px;font-weight:900;font-family:\"arial\";"
                                 "padding-left:10px;padding-right:10px;}");
    WgLineEditAffixes affixes;
    EXPECT_EQ(affixes.styleSheet(), "QLabel {color:#333333;font-weight:700;}");

    glow.setLabelText("Kelvora");
    glow.show();
    affixes.updatePrefixDisp("MMSI");
    affixes.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&glow));
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&affixes));
    glow.grab();
    affixes.grab();
    // The sheets reached the labels inside.
    EXPECT_EQ(glow.label().palette().color(QPalette::WindowText), QColor(0xFF, 0xFF, 0x00));
    EXPECT_EQ(glow.label().font().pixelSize(), 20);
    EXPECT_EQ(affixes.prefixLabel()->palette().color(QPalette::WindowText), QColor(0x33, 0x33, 0x33));
    EXPECT_TRUE(affixes.prefixLabel()->font().bold());
    EXPECT_TRUE(probe.warnings().isEmpty()) << probe.warnings().join('\n').toStdString();
}

TEST(LabelWidgetsTest, Pictures)
{
    QWidget dark;
    dark.setObjectName("dark");
    dark.setStyleSheet("#dark {background-color:#202020;}");
    dark.resize(220, 90);
    auto* glow = new WgGlowLabel(&dark);
    glow->setLabelText("Kelvora");
    glow->setGeometry(20, 10, 180, 70);
    EXPECT_FALSE(TestSupport::saveShot(&dark, "glow_label").isEmpty());

    WgLineEditAffixes edit;
    edit.resize(220, 28);
    edit.setText("366123456");
    edit.updatePrefixDisp("MMSI:");
    edit.updatePostfixDisp("ID");
    EXPECT_FALSE(TestSupport::saveShot(&edit, "line_edit_affixes").isEmpty());
}

// Built and torn down many times: the sanitizers see every part freed once.
TEST(LabelWidgetsTest, CreatedAndDestroyedManyTimes)
{
    QtMessageProbe probe;
    for (int i = 0; i < 200; ++i) {
        auto owner = std::make_unique<QWidget>();
        new WgLabel(owner.get());
        auto* glow = new WgGlowLabel(owner.get());
        glow->setGlowEffect(4 + i % 8, 0x00FFFF);
        new WgLineEdit(owner.get());
        auto* affixes = new WgLineEditAffixes(owner.get());
        affixes->updatePrefixDisp("A");
        new WgComboBox(owner.get());
        WgGlowLabel standalone;
        standalone.setLabelText("x");
        if (i % 50 == 0)
            owner->grab();
    }
    EXPECT_TRUE(probe.warnings().isEmpty()) << probe.warnings().join('\n').toStdString();
}
