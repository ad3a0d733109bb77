#include "widgets/WgComboBoxEditAffixes.h"

#include "GrabShot.h"
#include "QtMessageProbe.h"
#include "WaitFor.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QElapsedTimer>
#include <QRegExpValidator>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

using TestSupport::waitFor;

namespace {

constexpr int kWait = 5000;

// Baud rates with their codes as user data; from "Custom" on the user types a rate.
struct SBaudBox
{
    SBaudBox()
    {
        box.addItem("4800", "4800");
        box.addItem("38400", "38400");
        box.addItem("Custom", "");
        box.addItem("Other", "other");
        box.setCustomIndex(2);
        box.setPlaceholder("Rate");
        box.setPrefixValue("~");
        box.setPostfixValue("bps");
        QRegExp digits("[0-9]{1,6}");
        box.setEditRule(digits);
        box.setGeometry(100, 100, 180, 28);
        box.show();
        box.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&box));
        box.setFocus();
    }

    WgComboBoxEditAffixes box;
};

} // namespace

TEST(AffixComboBoxTest, DefaultSheetIsTheAffixLabelsSheet)
{
    QtMessageProbe messages;
    SBaudBox b;
    EXPECT_EQ(b.box.styleSheet(), "QLabel {color:#333333;font-weight:700;}");
    b.box.setCurrentIndex(2);
    b.box.grab();
    EXPECT_TRUE(messages.warnings().filter("stylesheet", Qt::CaseInsensitive).isEmpty())
        << messages.warnings().join("\n").toStdString();
}

TEST(AffixComboBoxTest, KeysIntoTheCustomRangeShowTheAffixesAndTheRule)
{
    SBaudBox b;
    EXPECT_FALSE(b.box.isEditable());
    EXPECT_EQ(b.box.prefixLabel(), nullptr);

    QTest::keyClick(&b.box, Qt::Key_Down);
    EXPECT_EQ(b.box.currentIndex(), 1);
    EXPECT_FALSE(b.box.isEditable());
    QTest::keyClick(&b.box, Qt::Key_Down);
    ASSERT_EQ(b.box.currentIndex(), 2);
    ASSERT_TRUE(b.box.isEditable());
    EXPECT_TRUE(b.box.inCustomRange());

    QLineEdit* edit = b.box.lineEdit();
    ASSERT_NE(edit, nullptr);
    EXPECT_EQ(edit->validator(), b.box.editRule());
    EXPECT_EQ(edit->placeholderText(), "Rate");
    EXPECT_EQ(edit->completer(), nullptr);
    EXPECT_EQ(edit->text(), ""); // no custom text stored yet

    QLabel* prefix = b.box.prefixLabel();
    QLabel* postfix = b.box.postfixLabel();
    ASSERT_NE(prefix, nullptr);
    ASSERT_NE(postfix, nullptr);
    EXPECT_EQ(prefix->parent(), edit);
    EXPECT_EQ(postfix->parent(), edit);
    EXPECT_TRUE(prefix->isVisible());
    EXPECT_TRUE(postfix->isVisible());
    EXPECT_EQ(prefix->text(), "~");
    EXPECT_EQ(postfix->text(), "bps");
    EXPECT_EQ(prefix->pos(), QPoint(0, 27 / 2 - prefix->height() / 2));
    EXPECT_EQ(postfix->pos(), QPoint(180 - 31 - postfix->width(), 27 / 2 - postfix->height() / 2));
    EXPECT_EQ(edit->textMargins(), QMargins(prefix->width(), 0, 0, 0));

    // The rule keeps what is typed to digits.
    QTest::keyClicks(edit, "12ab3x4");
    EXPECT_EQ(edit->text(), "1234");
    TestSupport::saveShot(&b.box, "affix_combo_custom");
}

TEST(AffixComboBoxTest, TextTypedAboveTheCustomIndexIsKeptAsTheCustomText)
{
    SBaudBox b;
    QSignalSpy edits(&b.box, &QComboBox::editTextChanged);
    b.box.setCurrentIndex(3);
    ASSERT_TRUE(b.box.isEditable());
    EXPECT_EQ(b.box.lineEdit()->text(), "Other");
    EXPECT_EQ(b.box.customText(), "Other");

    b.box.lineEdit()->selectAll();
    QTest::keyClicks(b.box.lineEdit(), "57600");
    EXPECT_EQ(b.box.customText(), "57600");
    EXPECT_GT(edits.count(), 0);

    // Leaving the custom range drops the edit field, and its labels with it once Qt deletes it.
    b.box.setCurrentIndex(0);
    EXPECT_FALSE(b.box.isEditable());
    EXPECT_FALSE(b.box.inCustomRange());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(b.box.prefixLabel(), nullptr);
    EXPECT_EQ(b.box.postfixLabel(), nullptr);

    // Back at the custom index the stored text returns, with fresh labels on the new edit.
    b.box.setCurrentIndex(2);
    ASSERT_TRUE(b.box.isEditable());
    EXPECT_EQ(b.box.lineEdit()->text(), "57600");
    ASSERT_NE(b.box.postfixLabel(), nullptr);
    EXPECT_EQ(b.box.postfixLabel()->parent(), b.box.lineEdit());
}

TEST(AffixComboBoxTest, ChoosingTheCustomEntryByMouseRestoresTheCustomText)
{
    SBaudBox b;
    b.box.setCustomText("19200", false);
    EXPECT_FALSE(b.box.isEditable());

    QTest::mouseClick(&b.box, Qt::LeftButton, Qt::NoModifier, b.box.rect().center());
    QAbstractItemView* list = b.box.view();
    ASSERT_TRUE(waitFor([&] { return list->isVisible(); }, kWait));
    // The list ignores a release that comes within a double-click interval of its opening.
    QElapsedTimer opened;
    opened.start();
    waitFor([&] { return opened.elapsed() > QApplication::doubleClickInterval(); }, kWait);
    const QRect custom = list->visualRect(b.box.model()->index(2, 0));
    QTest::mouseMove(list->viewport(), custom.center());
    QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, custom.center());
    ASSERT_TRUE(waitFor([&] { return !list->isVisible(); }, kWait));
    EXPECT_EQ(b.box.currentIndex(), 2);
    ASSERT_TRUE(b.box.isEditable());
    EXPECT_EQ(b.box.lineEdit()->text(), "19200");
}

TEST(AffixComboBoxTest, SetTextSelectsByUserDataOrShowsACustomValue)
{
    SBaudBox b;
    QSignalSpy indexChanges(&b.box, QOverload<int>::of(&QComboBox::currentIndexChanged));

    b.box.setText("38400");
    EXPECT_EQ(b.box.currentIndex(), 1);
    EXPECT_FALSE(b.box.isEditable());
    EXPECT_EQ(indexChanges.count(), 0); // chosen quietly
    EXPECT_EQ(b.box.customText(), "38400"); // stored while none was

    b.box.setText("other");
    EXPECT_EQ(b.box.currentIndex(), 3);
    EXPECT_EQ(b.box.customText(), "38400"); // a stored custom text stays

    b.box.setText("9600");
    EXPECT_EQ(b.box.currentIndex(), 3);
    ASSERT_TRUE(b.box.isEditable());
    EXPECT_EQ(b.box.lineEdit()->text(), "9600");
    EXPECT_EQ(b.box.customText(), "9600");
    ASSERT_NE(b.box.postfixLabel(), nullptr);
    EXPECT_TRUE(b.box.postfixLabel()->isVisible());

    b.box.setText("38400"); // exact match only
    EXPECT_EQ(b.box.currentIndex(), 1);
    EXPECT_FALSE(b.box.isEditable());
    b.box.setText("3840");
    EXPECT_TRUE(b.box.isEditable());
    b.box.setText(nullptr); // nothing matches the empty text but "Custom", whose data is empty
    EXPECT_EQ(b.box.currentIndex(), 2);

    // A box without entries takes any text as its own.
    WgComboBoxEditAffixes empty;
    empty.setText("Port 3");
    ASSERT_TRUE(empty.isEditable());
    EXPECT_EQ(empty.lineEdit()->text(), "Port 3");
    EXPECT_EQ(empty.prefixLabel(), nullptr); // no affixes, no labels
}

TEST(AffixComboBoxTest, SizePolicyStretchesAreClamped)
{
    QWidget parent;
    WgComboBoxEditAffixes box;
    box.setSizePolicyAndParent(&parent, QSizePolicy::Expanding, QSizePolicy::Fixed, 300, -4);
    EXPECT_EQ(box.parent(), &parent);
    EXPECT_EQ(box.sizePolicy().horizontalPolicy(), QSizePolicy::Expanding);
    EXPECT_EQ(box.sizePolicy().verticalPolicy(), QSizePolicy::Fixed);
    EXPECT_EQ(box.sizePolicy().horizontalStretch(), 255);
    EXPECT_EQ(box.sizePolicy().verticalStretch(), 0);
    box.setParent(nullptr); // it lives on the stack
}

TEST(AffixComboBoxTest, CreatedAndDestroyedManyTimes)
{
    for (int round = 0; round < 100; ++round) {
        QWidget parent;
        auto* box = new WgComboBoxEditAffixes(&parent);
        box->addItems({"1", "2", "Custom"});
        box->setCustomIndex(2);
        box->setPostfixValue("s");
        QRegExp rule("[0-9]*");
        box->setEditRule(rule);
        box->setEditRule(rule); // replaced, the first one freed
        box->setCurrentIndex(2);
        box->setCurrentIndex(round % 3);
        box->setText(round % 2 ? "7" : "1");
        if (round % 2)
            delete box;
    }
}
