// The About dialog as the user meets it: opened from the window's title bar, modal, with the
// product's name, version, notices and logo, closed by either button and dragged by its body.
#include "WindowHarness.h"
#include "app/AboutForm.h"

#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTextEdit>
#include <QToolButton>
#include <QPropertyAnimation>
#include <QTest>
#include <QTimer>
#include <QWindow>
#include <gtest/gtest.h>
#include <memory>

namespace {

class AboutDialog : public ::testing::Test
{
protected:
    void SetUp() override
    {
        w = std::make_unique<CWindowHarness>(0);
        window = w->window();
        ui = w->ui();
        about = window->getAboutForm();
        ASSERT_NE(about, nullptr);
        widgets = formOf(about);
        ASSERT_NE(widgets.wgFormBorderEmpty, nullptr);
    }

    void TearDown() override
    {
        if (about != nullptr && about->isVisible())
            about->close();
        w.reset();
    }

    // Clicks a widget through its window, as the mouse would.
    static void click(QWidget* widget)
    {
        QWindow* handle = widget->window()->windowHandle();
        QTest::mouseClick(handle, Qt::LeftButton, Qt::NoModifier,
                          widget->mapTo(widget->window(), widget->rect().center()));
    }

    void open()
    {
        click(ui->btnThemeFunAbout);
        ASSERT_TRUE(about->isVisible());
        ASSERT_TRUE(QTest::qWaitForWindowExposed(about));
    }

    std::unique_ptr<CWindowHarness> w;
    AisConfiguration* window = nullptr;
    Ui::AisConfiguration* ui = nullptr;
    CAboutForm* about = nullptr;
    // The dialog's widgets, found by their object names.
    struct SForm
    {
        QLabel* lblSoftwareName;
        QLabel* lblSoftwareVersion;
        QLabel* lblAboutBorderTitle;
        QPushButton* btnClose;
        QToolButton* btnWinCtrlClose;
        QTextEdit* edtAboutContent;
        QWidget* wgSoftwareIcon;
        QWidget* wgFormBorderEmpty;
    };
    SForm formOf(CAboutForm* dialog)
    {
        return {dialog->findChild<QLabel*>("lblSoftwareName"),     dialog->findChild<QLabel*>("lblSoftwareVersion"),
                dialog->findChild<QLabel*>("lblAboutBorderTitle"), dialog->findChild<QPushButton*>("btnClose"),
                dialog->findChild<QToolButton*>("btnWinCtrlClose"), dialog->findChild<QTextEdit*>("edtAboutContent"),
                dialog->findChild<QWidget*>("wgSoftwareIcon"),     dialog->findChild<QWidget*>("wgFormBorderEmpty")};
    }
    SForm widgets{};
    SForm* form = &widgets;
};

TEST_F(AboutDialog, ShowsTheProductsNameVersionReadOnlyNoticesAndLogo)
{
    EXPECT_FALSE(about->isVisible()) << "built hidden";
    open();

    EXPECT_EQ(form->lblSoftwareName->text(), "Kelvora AIS Class B Configuration");
    EXPECT_EQ(form->lblSoftwareVersion->text(), QString("v") + KELVORA_VERSION);
    EXPECT_EQ(form->lblAboutBorderTitle->text(), "About");
    EXPECT_EQ(form->btnClose->text(), "Close");

    // The notices are the translations, not their keys: this program's, then Qt's licence.
    const QString notices = form->edtAboutContent->toPlainText();
    EXPECT_FALSE(notices.contains("CopyrightBase"));
    EXPECT_FALSE(notices.contains("CopyrightQt"));
    EXPECT_TRUE(notices.contains("Kelvora AIS Class B Configuration"));
    EXPECT_TRUE(notices.contains("GNU Lesser General Public License"));
    EXPECT_LT(notices.indexOf("Kelvora"), notices.indexOf("Qt 5"));

    const QString logo = ":/Logo/Images/Logo/Kelvora.png";
    EXPECT_TRUE(QFile::exists(logo));
    EXPECT_TRUE(form->wgSoftwareIcon->styleSheet().contains(logo));

    // The close button stands at the left end of the title bar, the title in the middle.
    EXPECT_LT(form->btnWinCtrlClose->x(), form->lblAboutBorderTitle->x());
    EXPECT_LT(form->lblAboutBorderTitle->x(), form->wgFormBorderEmpty->x());

    // It fades in.
    ASSERT_NE(about->opacityAnimation(), nullptr);
    EXPECT_EQ(about->opacityAnimation()->startValue().toDouble(), 0.0);
    EXPECT_EQ(about->opacityAnimation()->endValue().toDouble(), 1.0);

    // The notices are shown, not edited.
    form->edtAboutContent->setFocus();
    QTest::keyClicks(form->edtAboutContent, "typed");
    QTest::keyClick(form->edtAboutContent, Qt::Key_Backspace);
    EXPECT_EQ(form->edtAboutContent->toPlainText(), notices);

    EXPECT_FALSE(w->grab(about, "about-dialog").isEmpty());
}

TEST_F(AboutDialog, IsModalAndTheWindowTakesNoInputMeanwhile)
{
    open();
    EXPECT_TRUE(about->isModal());
    click(ui->btnWinCtrlMin);
    EXPECT_FALSE(window->isMinimized());
    EXPECT_TRUE(about->isVisible());
}

TEST_F(AboutDialog, EitherButtonClosesItAndItOpensAgainAsItWas)
{
    open();
    const QString notices = form->edtAboutContent->toPlainText();
    about->move(about->pos() + QPoint(13, 7));
    const QPoint position = about->pos();

    click(form->btnWinCtrlClose);
    EXPECT_FALSE(about->isVisible());

    open();
    EXPECT_EQ(form->edtAboutContent->toPlainText(), notices);
    EXPECT_EQ(about->pos(), position);
    click(form->btnClose);
    EXPECT_FALSE(about->isVisible());

    // Closed, it no longer blocks the window.
    click(ui->btnWinCtrlMin);
    EXPECT_TRUE(window->isMinimized());
}

TEST_F(AboutDialog, IsDraggedByItsBody)
{
    open();
    QWindow* handle = about->windowHandle();
    const QPoint start = about->pos();
    const QPoint press = form->lblSoftwareName->mapTo(about, form->lblSoftwareName->rect().center());
    const QPoint pressGlobal = handle->mapToGlobal(press);

    QTest::mousePress(handle, Qt::LeftButton, Qt::NoModifier, press);
    QTest::mouseMove(handle, handle->mapFromGlobal(pressGlobal + QPoint(-21, 34)));
    QTest::mouseRelease(handle, Qt::LeftButton, Qt::NoModifier, handle->mapFromGlobal(pressGlobal + QPoint(-21, 34)));
    EXPECT_EQ(about->pos(), start + QPoint(-21, 34));
}

} // namespace
