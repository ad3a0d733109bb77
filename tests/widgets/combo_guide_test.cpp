#include "widgets/ComboGuideItemModel.h"
#include "widgets/ComboGuideStyItemDe.h"
#include "widgets/WgComboGuide.h"

#include "palette/QtObjPalette.h"
#include "services/PortalTime.h"

#include "GrabShot.h"
#include "QtMessageProbe.h"
#include "WaitFor.h"

#include <QApplication>
#include <QFontMetrics>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

using TestSupport::waitFor;

namespace {

constexpr int kWait = 5000;

// A guide of: a title, a drop box of three baud rates (38400 on), a second drop box of two
// modes, an LED that is on, and an action row.
struct SGuide
{
    SGuide()
    {
        SCBGItemData title{CComboGuideItem::TYPE_TITLE, nullptr, nullptr, nullptr, "Settings", "", 0};
        model.addItem(0, 0, title, false);

        SCBGItemData rates{CComboGuideItem::TYPE_DROP_BOX, nullptr, nullptr, nullptr, "Baud rate", "38400", 0};
        SCBGItemData rateChoices[3] = {
            {CComboGuideItem::TYPE_CHOICE, nullptr, nullptr, nullptr, "4800", "", 4800},
            {CComboGuideItem::TYPE_CHOICE, nullptr, nullptr, nullptr, "38400", "", 38400},
            {CComboGuideItem::TYPE_CHOICE, nullptr, nullptr, nullptr, "115200", "", 115200},
        };
        model.addItem(1, 0, rates, 3, rateChoices, 1);

        SCBGItemData modes{CComboGuideItem::TYPE_DROP_BOX, nullptr, nullptr, nullptr, "Mode", "Client", 0};
        SCBGItemData modeChoices[2] = {
            {CComboGuideItem::TYPE_CHOICE, nullptr, nullptr, nullptr, "Access point", "", 0},
            {CComboGuideItem::TYPE_CHOICE, nullptr, nullptr, nullptr, "Client", "", 1},
        };
        model.addItem(2, 0, modes, 2, modeChoices, 1);

        SCBGItemData led{CComboGuideItem::TYPE_LED, nullptr, nullptr, nullptr, "GPS lamp", "", 0};
        model.addItem(3, 0, led, true);

        SCBGItemData action{CComboGuideItem::TYPE_ACTION, nullptr, nullptr, nullptr, "Apply", "Writes the settings", 0};
        model.addItem(4, 0, action, false);
    }

    CComboGuideItemModel model;
};

// The guide shown in a view with its delegate, the way an owner sets it up.
struct SGuideView : SGuide
{
    SGuideView()
    {
        delegate.setSpace(6, 4);
        delegate.setTitleHeight(40);
        delegate.setTitleFaceStyle(11, WG_FONT_WEIGHT_BOLD, 0xffffff, 0x191970, 255);
        delegate.setNameFaceStyle(10, WG_FONT_WEIGHT_NORMAL, 0x282828, 0xffffff);
        delegate.setCaptionFaceStyle(8, WG_FONT_WEIGHT_NORMAL, 0x808080, 0xffffff);
        delegate.setActionColorStyle(0xecececu, 0x6495edu, 255, 255);
        view.setItemDelegate(&delegate);
        view.setModelAndFocusItem(&model, model.index(0, 0));
        view.resize(260, 420);
        view.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&view));
    }

    // Clicks closer together than the guide's interval count once; wait it out.
    void click(const QModelIndex& index)
    {
        const long long since = Portal::Time::Clock::msecsSinceStart();
        waitFor([since] { return Portal::Time::Clock::msecsSinceStart() - since > WgComboGuide::kClickIntervalMs; },
                kWait);
        clickNow(index);
    }
    void clickNow(const QModelIndex& index)
    {
        ASSERT_TRUE(index.isValid());
        QTest::mouseClick(view.viewport(), Qt::LeftButton, Qt::NoModifier, view.visualRect(index).center());
    }

    CComboGuideStyItemDe delegate;
    WgComboGuide view;
};

std::vector<int> toggles(const QStandardItem* dropBox)
{
    std::vector<int> states;
    for (int i = 0; i < dropBox->rowCount(); ++i)
        states.push_back(CComboGuideItem::toggleState(dropBox->child(i)));
    return states;
}

} // namespace

TEST(ComboGuideItemTest, DataLivesInItsRoles)
{
    QIcon main(":/ComboGuide/Widget/ComboGuide/A30/Switch.png");
    QIcon side(":/Led/Symbol/Led/A30/Green.png");
    SCBGItemData data{CComboGuideItem::TYPE_SWITCH, &main, nullptr, &side, "Wi-Fi", "Service on", 42};
    CComboGuideItem item;
    item.setItemData(data);
    EXPECT_EQ(item.data(356).value<QIcon>().cacheKey(), side.cacheKey());
    EXPECT_EQ(item.data(357).value<QIcon>().cacheKey(), main.cacheKey());
    EXPECT_EQ(item.data(358).toString(), "Wi-Fi");
    EXPECT_EQ(item.data(359).toString(), "Service on");
    EXPECT_EQ(item.data(361).toInt(), CComboGuideItem::TYPE_SWITCH);
    EXPECT_EQ(item.data(362).toInt(), 42);
    EXPECT_EQ(CComboGuideItem::toggleState(&item), CBGITEM_TOGGLE_NONE);
    item.setToggleState(CBGITEM_TOGGLE_ON);
    EXPECT_EQ(item.data(360).toInt(), 1);
    item.setCaption("Service off");
    EXPECT_EQ(item.data(359).toString(), "Service off");

    // Null icon pointers leave the roles unset.
    CComboGuideItem bare;
    SCBGItemData plain{CComboGuideItem::TYPE_ITEM, nullptr, nullptr, nullptr, "Name", "", 0};
    bare.setItemData(plain);
    EXPECT_FALSE(bare.data(356).isValid());
    EXPECT_FALSE(bare.data(357).isValid());
}

TEST(ComboGuideModelTest, DropBoxChildrenAreExclusiveChoices)
{
    SGuide g;
    QStandardItem* rates = g.model.item(1, 0);
    ASSERT_NE(rates, nullptr);
    ASSERT_EQ(rates->rowCount(), 3);
    EXPECT_EQ(g.model.getDropBoxItemIndex(1, 0), 1);
    EXPECT_EQ(g.model.getDropBoxItemIndex(2, 0), 1);

    // Switching a choice on switches the others off and names it in the caption.
    g.model.setData(rates->child(2)->index(), 1, CComboGuideItem::ROLE_TOGGLE);
    EXPECT_EQ(toggles(rates), (std::vector<int>{0, 0, 1}));
    EXPECT_EQ(rates->data(CComboGuideItem::ROLE_CAPTION).toString(), "115200");

    // Switching the only choice off is refused: a drop box keeps one choice on.
    g.model.setData(rates->child(2)->index(), 0, CComboGuideItem::ROLE_TOGGLE);
    EXPECT_EQ(toggles(rates), (std::vector<int>{0, 0, 1}));

    // From code, by index; the caption follows.
    g.model.setDropBoxItemIndex(1, 0, 0);
    EXPECT_EQ(toggles(rates), (std::vector<int>{1, 0, 0}));
    EXPECT_EQ(g.model.getDropBoxItemIndex(1, 0), 0);
    EXPECT_EQ(rates->data(CComboGuideItem::ROLE_CAPTION).toString(), "4800");

    // The other drop box is left alone; its choices other than the one switched on were
    // never given a state.
    EXPECT_EQ(toggles(g.model.item(2, 0)), (std::vector<int>{-1, 1}));
    EXPECT_EQ(g.model.item(2, 0)->data(CComboGuideItem::ROLE_CAPTION).toString(), "Client");
}

TEST(ComboGuideModelTest, SwitchRuleKeepsAnOnChoiceOnlyWhenAsked)
{
    struct SCase
    {
        const char* name;
        std::vector<int> before;
        int row;
        bool keep;
        std::vector<int> after;
    };
    const SCase cases[] = {
        {"keep with one on", {0, 1, 0}, 2, true, {0, 1, 0}},
        {"keep with none on", {0, 0, 0}, 2, true, {0, 0, 1}},
        {"no keep", {1, 0, 0}, 1, false, {0, 1, 0}},
        {"no keep, already on", {0, 1, 0}, 1, false, {0, 1, 0}},
        {"row outside the children", {0, 1, 0}, 5, false, {0, 0, 0}},
    };
    for (const SCase& c : cases) {
        SCOPED_TRACE(c.name);
        CComboGuideItemModel model;
        auto* box = new CComboGuideItem;
        for (int state : c.before) {
            auto* child = new CComboGuideItem;
            child->setData(CComboGuideItem::TYPE_CHOICE, CComboGuideItem::ROLE_TYPE);
            child->setToggleState(static_cast<CBGITEM_TOGGLE_S>(state));
            box->appendRow(child);
        }
        model.appendRow(box);
        const QSignalBlocker quiet(&model); // the rule alone, without the change handler
        model.switchDropBoxItemChecked(box, c.row, c.keep);
        EXPECT_EQ(toggles(box), c.after);
    }
    CComboGuideItemModel model;
    model.switchDropBoxItemChecked(nullptr, 0, false); // a missing drop box: nothing
}

TEST(ComboGuideModelTest, MissingItemsReadAsOffAndChangeNothing)
{
    SGuide g;
    EXPECT_EQ(g.model.getDropBoxItemIndex(9, 0), 0);
    EXPECT_EQ(g.model.getDropBoxItemIndex(0, 3), 0);
    EXPECT_FALSE(g.model.getCheckBoxState(9, 0));
    g.model.setItemChecked(9, 0, true);
    g.model.setDropBoxItemIndex(9, 0, 1);
    EXPECT_EQ(g.model.rowCount(), 5);

    EXPECT_TRUE(g.model.getCheckBoxState(3, 0));
    g.model.setItemChecked(3, 0, false);
    EXPECT_FALSE(g.model.getCheckBoxState(3, 0));
    // A drop box with no choice on reads as its first.
    EXPECT_EQ(g.model.getDropBoxItemIndex(0, 0), 0);

    // Type 0 adds nothing.
    SCBGItemData none{CComboGuideItem::TYPE_NONE, nullptr, nullptr, nullptr, "Nothing", "", 0};
    g.model.addItem(7, 0, none, 0, nullptr, 0);
    EXPECT_EQ(g.model.rowCount(), 5);
}

TEST(ComboGuideModelTest, ChildrenAreUpdatedInPlaceOrAppended)
{
    SGuide g;
    QStandardItem* modes = g.model.item(2, 0);
    QStandardItem* first = modes->child(0);
    SCBGItemData more[3] = {
        {CComboGuideItem::TYPE_CHOICE, nullptr, nullptr, nullptr, "AP", "", 10},
        {CComboGuideItem::TYPE_CHOICE, nullptr, nullptr, nullptr, "Station", "", 11},
        {CComboGuideItem::TYPE_CHOICE, nullptr, nullptr, nullptr, "Off", "", 12},
    };
    g.model.addChildren(modes, 3, more, 2);
    ASSERT_EQ(modes->rowCount(), 3);
    EXPECT_EQ(modes->child(0), first); // the same item, rewritten
    EXPECT_EQ(first->data(CComboGuideItem::ROLE_NAME).toString(), "AP");
    EXPECT_EQ(modes->child(2)->data(CComboGuideItem::ROLE_VALUE).toInt(), 12);
    EXPECT_EQ(g.model.getDropBoxItemIndex(2, 0), 2);
    EXPECT_EQ(toggles(modes), (std::vector<int>{0, 0, 1}));
    EXPECT_EQ(modes->data(CComboGuideItem::ROLE_CAPTION).toString(), "Off");
}

TEST(ComboGuideModelTest, UpdatesAreQuietAndStopAtTheFirstMissingCell)
{
    CComboGuideItemModel model;
    SCBGItemData cells[4] = {
        {CComboGuideItem::TYPE_ITEM, nullptr, nullptr, nullptr, "a", "", 1},
        {CComboGuideItem::TYPE_ITEM, nullptr, nullptr, nullptr, "b", "", 2},
        {CComboGuideItem::TYPE_ITEM, nullptr, nullptr, nullptr, "c", "", 3},
        {CComboGuideItem::TYPE_ITEM, nullptr, nullptr, nullptr, "d", "", 4},
    };
    model.addItems(cells, 2, 2);
    ASSERT_EQ(model.rowCount(), 2);
    ASSERT_EQ(model.columnCount(), 2);
    EXPECT_EQ(model.item(1, 0)->data(CComboGuideItem::ROLE_NAME).toString(), "c");
    delete model.takeItem(1, 0);

    QSignalSpy changes(&model, &QStandardItemModel::dataChanged);
    SCBGItemData renamed[4] = {
        {CComboGuideItem::TYPE_ITEM, nullptr, nullptr, nullptr, "A", "", 1},
        {CComboGuideItem::TYPE_ITEM, nullptr, nullptr, nullptr, "B", "", 2},
        {CComboGuideItem::TYPE_ITEM, nullptr, nullptr, nullptr, "C", "", 3},
        {CComboGuideItem::TYPE_ITEM, nullptr, nullptr, nullptr, "D", "", 4},
    };
    model.updateItems(renamed, 0, 2, 0, 2);
    EXPECT_EQ(changes.count(), 0);
    EXPECT_FALSE(model.signalsBlocked());
    EXPECT_EQ(model.item(0, 0)->data(CComboGuideItem::ROLE_NAME).toString(), "A");
    EXPECT_EQ(model.item(0, 1)->data(CComboGuideItem::ROLE_NAME).toString(), "B");
    EXPECT_EQ(model.item(1, 1)->data(CComboGuideItem::ROLE_NAME).toString(), "d"); // after the gap

    model.updateItem(&renamed[3], 1, 1);
    model.updateItem(&renamed[2], 1, 0); // missing: nothing
    EXPECT_EQ(changes.count(), 0);
    EXPECT_FALSE(model.signalsBlocked());
    EXPECT_EQ(model.item(1, 1)->data(CComboGuideItem::ROLE_NAME).toString(), "D");
}

TEST(ComboGuideDelegateTest, DefaultImagesLoadForEveryType)
{
    struct SCase
    {
        int type;
        int toggle;
        const char* path;
    };
    const SCase cases[] = {
        {1, -1, ":/ComboGuide/Widget/ComboGuide/A30/DropBox.png"},
        {2, -1, ":/ComboGuide/Widget/ComboGuide/A30/Title.png"},
        {4, -1, ":/ComboGuide/Widget/ComboGuide/A30/Back.png"},
        {5, -1, ":/ComboGuide/Widget/ComboGuide/A30/Switch.png"},
        {7, -1, ":/ComboGuide/Widget/ComboGuide/A30/DropBox.png"},
        {8, 1, ":/ComboGuide/Widget/ComboGuide/A30/Checked.png"},
        {8, 0, ":/ComboGuide/Widget/ComboGuide/A30/Unchecked.png"},
        {8, -1, ":/ComboGuide/Widget/ComboGuide/A30/Unchecked.png"},
        {9, 1, ":/Led/Symbol/Led/A30/Blue.png"},
        {9, 0, ":/Led/Symbol/Led/A30/Gray.png"},
        {0, 1, ""},
        {3, 1, ""},
        {11, 1, ""},
    };
    for (const SCase& c : cases) {
        SCOPED_TRACE(c.type);
        const QString path = CComboGuideStyItemDe::defaultImagePath(c.type, c.toggle);
        EXPECT_EQ(path, c.path);
        if (!path.isEmpty()) {
            EXPECT_FALSE(QPixmap(path).isNull()) << path.toStdString();
        }
    }
}

TEST(ComboGuideDelegateTest, FontWeightsAndRowHeights)
{
    const int weights[10] = {25, 25, 25, 25, 50, 50, 63, 75, 75, 87};
    for (int w = 0; w < 10; ++w)
        EXPECT_EQ(CComboGuideStyItemDe::fontWeight(static_cast<WG_FONT_WEIGHT>(w)), weights[w]);

    CComboGuideStyItemDe delegate;
    delegate.setNameFaceStyle(12, WG_FONT_WEIGHT_BOLD, 0, 0);
    delegate.setCaptionFaceStyle(9, WG_FONT_WEIGHT_NORMAL, 0, 0);
    delegate.setSpace(4, 6);
    const int name = QFontMetrics(QFont("Tahoma", 12, 75)).height();
    const int caption = QFontMetrics(QFont("Tahoma", 9, 50)).height();
    EXPECT_EQ(delegate.getItemHeight(), name + caption + 4 * 6);

    SGuide g;
    const QStyleOptionViewItem option;
    EXPECT_EQ(delegate.sizeHint(option, g.model.index(0, 0)), QSize(1, name + caption + 24)); // title, no height set
    delegate.setTitleHeight(40);
    EXPECT_EQ(delegate.sizeHint(option, g.model.index(0, 0)).height(), 40);
    EXPECT_EQ(delegate.sizeHint(option, g.model.index(4, 0)).height(), 40); // the action row too
    EXPECT_EQ(delegate.sizeHint(option, g.model.index(1, 0)).height(), name + caption + 24);
    delegate.setItemHeight(30);
    EXPECT_EQ(delegate.sizeHint(option, g.model.index(1, 0)), QSize(1, 30));
    EXPECT_EQ(delegate.sizeHint(option, g.model.index(0, 0)).height(), 40);
}

TEST(ComboGuideViewTest, LooksAndDefaultSheet)
{
    QtMessageProbe messages;
    WgComboGuide view;
    EXPECT_EQ(view.styleSheet(), "QAbstractItemView {background-color: transparent;border: none;outline: none;"
                                 "show-decoration-selected: 1;}"
                                 "QAbstractItemView::item:hover {background-color:#808080;}"
                                 "QAbstractItemView::item:selected {background-color:#1e90ff;}"
                                 "QAbstractItemView::branch {border-image: none;image: none;}");
    view.show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(&view));
    view.grab();
    EXPECT_TRUE(messages.warnings().filter("stylesheet", Qt::CaseInsensitive).isEmpty())
        << messages.warnings().join("\n").toStdString();
}

TEST(ComboGuideViewTest, ClickingADropBoxOpensItAtItsChoice)
{
    SGuideView g;
    const QModelIndex rates = g.model.index(1, 0);
    const QModelIndex modes = g.model.index(2, 0);

    g.click(rates);
    EXPECT_TRUE(g.view.isExpanded(rates));
    EXPECT_EQ(g.view.currentIndex(), g.model.index(1, 0, rates)); // 38400 is on
    TestSupport::saveShot(&g.view, "combo_guide_open");

    // One drop box open at a time.
    g.click(modes);
    EXPECT_TRUE(g.view.isExpanded(modes));
    EXPECT_FALSE(g.view.isExpanded(rates));
    EXPECT_EQ(g.view.currentIndex(), g.model.index(1, 0, modes));

    // A click on an open drop box closes it.
    g.click(modes);
    EXPECT_FALSE(g.view.isExpanded(modes));
}

TEST(ComboGuideViewTest, ClickingAChoicePicksItAndClosesTheDropBox)
{
    SGuideView g;
    const QModelIndex rates = g.model.index(1, 0);
    g.click(rates);
    ASSERT_TRUE(g.view.isExpanded(rates));

    g.click(g.model.index(2, 0, rates));
    EXPECT_EQ(g.model.getDropBoxItemIndex(1, 0), 2);
    EXPECT_EQ(toggles(g.model.item(1, 0)), (std::vector<int>{0, 0, 1}));
    EXPECT_EQ(rates.data(CComboGuideItem::ROLE_CAPTION).toString(), "115200");
    EXPECT_FALSE(g.view.isExpanded(rates));
    EXPECT_EQ(g.view.currentIndex(), rates);
}

TEST(ComboGuideViewTest, LedFlipsAndQuickClicksCountOnce)
{
    SGuideView g;
    const QModelIndex led = g.model.index(3, 0);
    g.click(led);
    EXPECT_FALSE(g.model.getCheckBoxState(3, 0));
    g.clickNow(led); // within the interval: ignored
    EXPECT_FALSE(g.model.getCheckBoxState(3, 0));
    g.click(led);
    EXPECT_TRUE(g.model.getCheckBoxState(3, 0));

    // A double click (press, release, double click, release) is one click.
    const long long since = Portal::Time::Clock::msecsSinceStart();
    waitFor([since] { return Portal::Time::Clock::msecsSinceStart() - since > WgComboGuide::kClickIntervalMs; }, kWait);
    const QPoint lamp = g.view.visualRect(led).center();
    QTest::mouseClick(g.view.viewport(), Qt::LeftButton, Qt::NoModifier, lamp);
    QTest::mouseDClick(g.view.viewport(), Qt::LeftButton, Qt::NoModifier, lamp);
    QTest::mouseRelease(g.view.viewport(), Qt::LeftButton, Qt::NoModifier, lamp);
    EXPECT_FALSE(g.model.getCheckBoxState(3, 0));

    // An LED without a state, a title and an action row do nothing.
    SCBGItemData bare{CComboGuideItem::TYPE_LED, nullptr, nullptr, nullptr, "Spare lamp", "", 0};
    g.model.addItem(5, 0, bare, 0, nullptr, 0);
    g.click(g.model.index(5, 0));
    EXPECT_EQ(CComboGuideItem::toggleState(g.model.item(5, 0)), CBGITEM_TOGGLE_NONE);
    g.click(g.model.index(0, 0));
    g.click(g.model.index(4, 0));
    EXPECT_FALSE(g.model.getCheckBoxState(4, 0));
}

// A double click is one click, however slowly it comes within the double-click time: the
// drop box it opened stays open.
TEST(ComboGuideViewTest, DoubleClickLeavesADropBoxOpen)
{
    SGuideView g;
    const QModelIndex rates = g.model.index(1, 0);
    auto waitInterval = [] {
        const long long since = Portal::Time::Clock::msecsSinceStart();
        waitFor([since] { return Portal::Time::Clock::msecsSinceStart() - since > WgComboGuide::kClickIntervalMs; },
                kWait);
    };
    const QPoint at = g.view.visualRect(rates).center();

    // A double click reaches a widget as press, release, double click, release.
    waitInterval();
    QTest::mouseClick(g.view.viewport(), Qt::LeftButton, Qt::NoModifier, at);
    QTest::mouseDClick(g.view.viewport(), Qt::LeftButton, Qt::NoModifier, at);
    QTest::mouseRelease(g.view.viewport(), Qt::LeftButton, Qt::NoModifier, at);
    EXPECT_TRUE(g.view.isExpanded(rates));
    EXPECT_EQ(g.view.currentIndex(), g.model.index(1, 0, rates));
    TestSupport::saveShot(&g.view, "combo_guide_double_click");

    g.click(rates);
    ASSERT_FALSE(g.view.isExpanded(rates));

    // The second press comes after the click interval, still within a double click.
    waitInterval();
    QTest::mouseClick(g.view.viewport(), Qt::LeftButton, Qt::NoModifier, at);
    ASSERT_TRUE(g.view.isExpanded(rates));
    waitInterval();
    QMouseEvent second(QEvent::MouseButtonDblClick, at, g.view.viewport()->mapToGlobal(at), Qt::LeftButton,
                       Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(g.view.viewport(), &second);
    QTest::mouseRelease(g.view.viewport(), Qt::LeftButton, Qt::NoModifier, at);
    EXPECT_TRUE(g.view.isExpanded(rates));

    // A click after that closes it as before.
    g.click(rates);
    EXPECT_FALSE(g.view.isExpanded(rates));
}

TEST(ComboGuideViewTest, KeyboardActivationOpensADropBox)
{
    SGuideView g;
    const QModelIndex rates = g.model.index(1, 0);
    g.view.setFocus();
    g.view.focusItem(1, 0);
    ASSERT_EQ(g.view.currentIndex(), rates);
    QTest::keyClick(&g.view, Qt::Key_Return);
    EXPECT_TRUE(g.view.isExpanded(rates));
}

TEST(ComboGuideViewTest, PaintsTitleActionImagesAndSeparators)
{
    SGuideView g;
    g.view.setColumnSpanned(QModelIndex(), 0, g.model.rowCount());
    EXPECT_TRUE(g.view.isFirstColumnSpanned(4, QModelIndex()));
    g.click(g.model.index(1, 0));
    const QImage shot = g.view.viewport()->grab().toImage();
    TestSupport::saveShot(shot, "combo_guide_rows");

    // The title row is filled with its background; the action row with its own.
    const QRect title = g.view.visualRect(g.model.index(0, 0));
    EXPECT_EQ(title.height(), 40);
    EXPECT_EQ(shot.pixelColor(title.left() + 2, title.top() + 2), QColor(0x191970));
    const QRect action = g.view.visualRect(g.model.index(4, 0));
    EXPECT_EQ(shot.pixelColor(action.left() + 2, action.top() + 2), QColor(0xececec));

    // The LED's blue lamp sits at the right edge; the choices show their check at the left.
    const QRect led = g.view.visualRect(g.model.index(3, 0));
    const QColor lamp = shot.pixelColor(led.right() - 6 - 15, led.center().y());
    EXPECT_GT(lamp.blue(), lamp.red() + 60) << lamp.name().toStdString();
    const QRect choice = g.view.visualRect(g.model.index(1, 0, g.model.index(1, 0)));
    bool marked = false;
    for (int x = choice.left() + 6; x < choice.left() + 36; ++x)
        marked |= shot.pixelColor(x, choice.center().y()) != QColor(Qt::white);
    EXPECT_TRUE(marked);

    // A gray separator runs along the bottom of a plain row, 5 pixels in from each side.
    const QRect rates = g.view.visualRect(g.model.index(2, 0));
    EXPECT_EQ(shot.pixelColor(rates.center().x(), rates.bottom()), QColor(Qt::gray));
    EXPECT_NE(shot.pixelColor(rates.left() + 2, rates.bottom()), QColor(Qt::gray));
    EXPECT_NE(shot.pixelColor(rates.right() - 2, rates.bottom()), QColor(Qt::gray));
}

TEST(ComboGuideViewTest, CreatedAndDestroyedManyTimes)
{
    for (int round = 0; round < 60; ++round) {
        QWidget parent;
        auto* guide = new WgComboGuide(&parent);
        auto* model = new CComboGuideItemModel(guide);
        auto* delegate = new CComboGuideStyItemDe(guide);
        guide->setItemDelegate(delegate);
        SCBGItemData box{CComboGuideItem::TYPE_DROP_BOX, nullptr, nullptr, nullptr, "Box", "", 0};
        SCBGItemData choices[2] = {
            {CComboGuideItem::TYPE_CHOICE, nullptr, nullptr, nullptr, "One", "", 1},
            {CComboGuideItem::TYPE_CHOICE, nullptr, nullptr, nullptr, "Two", "", 2},
        };
        model->addItem(0, 0, box, 2, choices, round % 2);
        guide->setModelAndFocusItem(model, model->index(0, 0));
        if (round % 4 == 0) {
            parent.show();
            guide->expand(model->index(0, 0));
            parent.grab();
        }
        if (round % 2)
            delete guide;
    }
}
