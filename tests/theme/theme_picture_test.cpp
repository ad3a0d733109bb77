// Pictures of the stand-in pages in the white theme, saved for a person to look at, with the
// colours a user relies on checked where they are drawn.
#include "theme/ObjPalette.h"
#include "palette/QtObjPalette.h"

#include "GrabShot.h"
#include "SheetProbe.h"
#include "StandInWindow.h"

#include <QApplication>
#include <algorithm>
#include <functional>
#include <map>

namespace {

QColor colorAt(const QImage& image, QWidget* root, QWidget* widget, QPoint offset)
{
    return image.pixelColor(widget->mapTo(root, offset));
}

QColor centreOf(const QImage& image, QWidget* root, QWidget* widget)
{
    return colorAt(image, root, widget, widget->rect().center());
}

class ThemePicture : public ::testing::Test
{
protected:
    void SetUp() override
    {
        QtObjPalette::initialize(QString(), "Tahoma", 14, 1.0);
        StandIn::styleMainWindow(m_window, m_delegate);
        m_window.root->show();
        QApplication::processEvents();
    }

    QImage shoot(int page, const char* name)
    {
        m_window.pages->setCurrentIndex(page);
        QApplication::processEvents();
        const QImage image = m_window.root->grab().toImage();
        EXPECT_FALSE(TestSupport::saveShot(image, QLatin1String(name)).isEmpty());
        return image;
    }

    CStyledItemDelegate m_delegate;
    StandIn::SMainWindow m_window = StandIn::buildMainWindow();
};

TEST_F(ThemePicture, HomePage)
{
    const QImage image = shoot(0, "theme_home");
    QWidget* root = m_window.root.get();
    // White window, cream-free Home groups in light grey, the dark GPS panel.
    EXPECT_EQ(colorAt(image, root, root, QPoint(root->width() - 4, 4)), QColor(0xffffff));
    EXPECT_EQ(colorAt(image, root, m_window.homeGroups[0], QPoint(8, m_window.homeGroups[0]->height() - 8)),
              QColor(0xececec));
    EXPECT_EQ(colorAt(image, root, m_window.homeGps, QPoint(8, m_window.homeGps->height() - 8)), QColor(0x282828));
    // A checked Home title turns cream.
    EXPECT_EQ(colorAt(image, root, m_window.homeTitles.last(), QPoint(4, 4)), QColor(0xfffbf0));
}

TEST_F(ThemePicture, ConfigurationPage)
{
    const QImage image = shoot(1, "theme_configuration");
    QWidget* root = m_window.root.get();
    // Navy-to-blue push buttons, royal blue "More...", grey corner titles, cream read-only edit.
    const QColor write = centreOf(image, root, m_window.cfgWrite);
    EXPECT_GT(write.blue(), 2 * write.red());
    EXPECT_EQ(colorAt(image, root, m_window.cfgMore, QPoint(4, m_window.cfgMore->height() / 2)), QColor(0x4169e1));
    const QColor title = colorAt(image, root, m_window.cfgTitles[0], QPoint(m_window.cfgTitles[0]->width() - 6, 14));
    EXPECT_EQ(title.red(), title.blue());
    EXPECT_LT(title.red(), 0x90);
    auto* mmsi = m_window.cfgLeftPage->findChild<QLineEdit*>("edtCfgMmsi");
    ASSERT_NE(mmsi, nullptr);
    EXPECT_EQ(colorAt(image, root, mmsi, QPoint(mmsi->width() - 6, 4)), QColor(0xfffbf0));
}

// A disabled push button must not look ready: the navy buttons of the white theme and the
// royal "More..." button turn grey, and come back when enabled again.
TEST_F(ThemePicture, DisabledPushButtonsLookDisabled)
{
    QWidget* root = m_window.root.get();
    QPushButton* buttons[] = {m_window.cfgWrite, m_window.cfgMore};
    // Inside the rounded border: the face's most frequent colour, and how often a colour shows.
    auto inside = [root](const QImage& image, QPushButton* button, const std::function<void(QColor)>& take) {
        for (int x = 3; x < button->width() - 3; ++x)
            for (int y = 3; y < button->height() - 3; ++y)
                take(colorAt(image, root, button, QPoint(x, y)));
    };
    auto face = [&](const QImage& image, QPushButton* button) {
        std::map<QRgb, int> counts;
        inside(image, button, [&](QColor c) { ++counts[c.rgb()]; });
        return QColor(std::max_element(counts.begin(), counts.end(), [](auto a, auto b) { return a.second < b.second; })
                          ->first);
    };

    const QImage enabled = shoot(1, "theme_buttons_enabled");
    for (QPushButton* button : buttons)
        button->setEnabled(false);
    const QImage disabled = shoot(1, "theme_buttons_disabled");
    for (QPushButton* button : buttons) {
        SCOPED_TRACE(button->objectName().toStdString());
        EXPECT_EQ(face(disabled, button), QColor(0xececec));
        EXPECT_NE(face(enabled, button), QColor(0xececec));
        // The caption is drawn in mid grey, not in the enabled white.
        int grey = 0;
        int white = 0;
        inside(disabled, button, [&](QColor c) {
            grey += c == QColor(0x808080);
            white += c == QColor(0xffffff);
        });
        EXPECT_GT(grey, 5);
        EXPECT_EQ(white, 0);
    }
    for (QPushButton* button : buttons)
        button->setEnabled(true);
    const QImage again = shoot(1, "theme_buttons_enabled_again");
    for (QPushButton* button : buttons)
        EXPECT_EQ(face(again, button), face(enabled, button));
}

TEST_F(ThemePicture, OtherPages)
{
    QWidget* root = m_window.root.get();
    const QImage gps = shoot(2, "theme_gps_status");
    EXPECT_EQ(colorAt(gps, root, m_window.gpsMap, QPoint(4, 4)), QColor(0x282828));
    const QImage diagnostics = shoot(3, "theme_diagnostics");
    EXPECT_EQ(colorAt(diagnostics, root, m_window.diagGroup, QPoint(6, m_window.diagGroup->height() - 6)),
              QColor(0xfffbf0));
    shoot(4, "theme_serial_data");
    const QImage vessels = shoot(5, "theme_other_vessels");
    // Alternate rows in light grey.
    QTableView* table = m_window.vessels;
    const QRect second = table->visualRect(table->model()->index(1, 1));
    EXPECT_EQ(colorAt(vessels, root, table->viewport(), QPoint(second.right() - 4, second.center().y())),
              QColor(0xececec));
    const QImage wifi = shoot(6, "theme_wifi");
    EXPECT_EQ(colorAt(wifi, root, m_window.wifiAccessPoint, QPoint(6, 6)), QColor(0xa6caf0));
    EXPECT_EQ(colorAt(wifi, root, m_window.wifiClient, QPoint(6, 6)), QColor(0xc0c0c0));
    // The switch that is on shows its blue knob; the one that is off its dark knob.
    EXPECT_EQ(centreOf(wifi, root, m_window.wifiService->switchBtn()), QColor(0x1e90ff));
    EXPECT_EQ(centreOf(wifi, root, m_window.wifiAutoConnect->switchBtn()), QColor(0x333333));
}

TEST_F(ThemePicture, OpenComboBoxPopup)
{
    m_window.pages->setCurrentIndex(1);
    QComboBox* combo = m_window.combos[1];
    combo->showPopup();
    QApplication::processEvents();
    QWidget* popup = combo->view()->window();
    const QImage image = popup->grab().toImage();
    EXPECT_FALSE(TestSupport::saveShot(image, "theme_combo_popup").isEmpty());
    // The current item is drawn selected in cornflower blue by the focus-free delegate.
    const QRect current = combo->view()->visualRect(combo->view()->currentIndex());
    EXPECT_EQ(image.pixelColor(combo->view()->viewport()->mapTo(popup, current.center() + QPoint(30, 0))),
              QColor(0x6495ed));
    combo->hidePopup();
}

TEST(ThemePictureAbout, AboutDialog)
{
    QtObjPalette::initialize(QString(), "Tahoma", 14, 1.0);
    CStyledItemDelegate delegate;
    StandIn::SAboutDialog about = StandIn::buildAboutDialog();
    StandIn::styleAboutDialog(about, delegate);
    about.root->show();
    QApplication::processEvents();
    const QImage image = about.root->grab().toImage();
    EXPECT_FALSE(TestSupport::saveShot(image, "theme_about").isEmpty());
    const QColor close = about.close->grab().toImage().pixelColor(about.close->rect().center());
    EXPECT_GT(close.blue(), 2 * close.red());
}

} // namespace
