#include "widgets/LibraryImage.h"

#include "services/Singleton.h"

#include <QDirIterator>
#include <QPixmap>
#include <QSet>
#include <functional>
#include <gtest/gtest.h>

namespace {

using Builder = std::function<QString(const LibraryImage&, int row, int item, int state)>;

// Every path builder, with the shape of its table, the states it passes and the side its
// images have (0: any sensible size).
struct SBuilderCase
{
    const char* name;
    Builder build;
    int rows;
    int items;
    QVector<int> states;
    int side;
};

const QVector<SBuilderCase>& builderCases()
{
    static const QVector<SBuilderCase> cases = {
        {"WinCtrl",
         [](const LibraryImage& c, int r, int i, int s) {
             return c.getWinCtrlImagePath(r, static_cast<ResourceImage::WG_WINCTRL_S>(i), s);
         },
         1,
         2,
         {0, 4},
         20},
        {"HeaderView",
         [](const LibraryImage& c, int r, int i, int) { return c.getHeaderViewImagePath(r, i); },
         1,
         2,
         {0},
         16},
        {"SpinBox",
         [](const LibraryImage& c, int r, int i, int) { return c.getSpinBoxImagePath(r, i); },
         1,
         2,
         {0},
         12},
        {"ComboBox",
         [](const LibraryImage& c, int r, int i, int) { return c.getComboBoxImagePath(r, i); },
         1,
         1,
         {0},
         16},
        {"CheckBox",
         [](const LibraryImage& c, int r, int i, int) { return c.getCheckBoxImagePath(r, i); },
         2,
         2,
         {0},
         0},
        {"Edit", [](const LibraryImage& c, int r, int i, int) { return c.getEditImagePath(r, i); }, 1, 1, {0}, 16},
        {"Direction", [](const LibraryImage& c, int, int i, int) { return c.getDirectionImagePath(i); }, 1, 4, {0}, 0},
        {"Vessel", [](const LibraryImage& c, int, int, int) { return c.getVesselImagePath(); }, 1, 1, {0}, 0},
        {"WiFiMode",
         [](const LibraryImage& c, int, int i, int) {
             return c.getWiFiModeImagePath(static_cast<LibraryImage::WIFI_MODE>(i));
         },
         1,
         2,
         {0},
         0},
        {"Satellite", [](const LibraryImage& c, int, int i, int) { return c.getSatelliteImagePath(i); }, 1, 3, {0}, 0},
        {"MainMenu", [](const LibraryImage& c, int, int i, int) { return c.getMainMenuImagePath(i); }, 1, 1, {0}, 0},
        {"ThemeFun", [](const LibraryImage& c, int, int i, int) { return c.getThemeFunImagePath(i); }, 1, 4, {0}, 0},
        {"ReportStatus",
         [](const LibraryImage& c, int, int i, int) { return c.getReportStatusImagePath(i); },
         1,
         2,
         {0},
         0},
        {"Led", [](const LibraryImage& c, int r, int i, int) { return c.getLedImagePath(r, i); }, 1, 5, {0}, 30},
        {"Logo", [](const LibraryImage& c, int, int i, int) { return c.getLogoImagePath(i); }, 1, 3, {0}, 0},
        {"WiFiStatus",
         [](const LibraryImage& c, int, int i, int) { return c.getWiFiStatusImagePath(i); },
         1,
         10,
         {0},
         0},
    };
    return cases;
}

} // namespace

TEST(ImageCatalogueTest, ExactPaths)
{
    const LibraryImage catalogue;
    const struct
    {
        QString path;
        const char* expected;
    } cases[] = {
        {catalogue.getWinCtrlImagePath(0, ResourceImage::WG_WINCTRL_CLOSE, 0),
         ":/WinCtrl/Widget/WinCtrl/A20/0.Close.png"},
        {catalogue.getWinCtrlImagePath(0, ResourceImage::WG_WINCTRL_CLOSE, 4),
         ":/WinCtrl/Widget/WinCtrl/A20/0.Close_Hover.png"},
        {catalogue.getWinCtrlImagePath(0, ResourceImage::WG_WINCTRL_MINI, 1),
         ":/WinCtrl/Widget/WinCtrl/A20/1.Mini.png"},
        {catalogue.getLogoImagePath(2), ":/Logo/Images/Logo/Kelvora.png"},
        {catalogue.getWiFiModeImagePath(LibraryImage::WIFI_MODE_CLIENT),
         ":/WiFiMode/Images/WiFiMode/1.Client Mode.png"},
        {catalogue.getWiFiModeImagePath(LibraryImage::WIFI_MODE_AP), ":/WiFiMode/Images/WiFiMode/0.AP Mode.png"},
        {catalogue.getWiFiStatusImagePath(6), ":/WiFiStatus/Images/WiFiStatus/6.Connected.png"},
        {catalogue.getWiFiStatusImagePath(4), ":/WiFiStatus/Images/WiFiStatus/4.RSSI5.png"},
        {catalogue.getCheckBoxImagePath(0, 1), ":/CheckBox/Widget/CheckBox/A20Gray/Unchecked.png"},
        {catalogue.getCheckBoxImagePath(1, 0), ":/CheckBox/Widget/CheckBox/B32Blue/Checked.png"},
        {catalogue.getHeaderViewImagePath(0, 1), ":/HeaderView/Widget/HeaderView/A16Gray/Down.png"},
        {catalogue.getSpinBoxImagePath(0, 0), ":/SpinBox/Widget/SpinBox/A12Gray/Add.png"},
        {catalogue.getComboBoxImagePath(0, 0), ":/ComboBox/Widget/ComboBox/A16Gray/DownArrow.png"},
        {catalogue.getEditImagePath(0, 0), ":/Edit/Widget/Edit/A16Gray/DownArrow.png"},
        {catalogue.getSatelliteImagePath(0), ":/Satellite/Graphic/Satellite/Map.png"},
        {catalogue.getLedImagePath(0, 1), ":/Led/Symbol/Led/A30/Green.png"},
        {catalogue.getThemeFunImagePath(1), ":/ThemeFun/Images/ThemeFun/1.About.png"},
        {catalogue.getThemeFunImagePath(2), ":/ThemeFun/Images/ThemeFun/2.Book.png"},
        {catalogue.getThemeFunImagePath(3), ":/ThemeFun/Images/ThemeFun/GenerateReport.png"},
        {catalogue.getReportStatusImagePath(1), ":/ReportStatus/Images/ReportStatus/1.Failed.png"},
        {catalogue.getMainMenuImagePath(0), ":/MainMenu/Images/MainMenu/0.Home.png"},
        {catalogue.getVesselImagePath(), ":/Vessel/Images/Vessel/Dimension.png"},
        {catalogue.getDirectionImagePath(3), ":/Direction/Images/Direction/ArrowLeftHover.png"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.path.toStdString(), c.expected);
}

TEST(ImageCatalogueTest, BrightnessMovesOnlyWidgetAndSymbolImages)
{
    LibraryImage catalogue;
    const QString header = catalogue.getHeaderViewImagePath(0, 0);
    QStringList library;
    for (int i = 0; i < 10; ++i)
        library << catalogue.getWiFiStatusImagePath(i);
    library << catalogue.getSatelliteImagePath(1) << catalogue.getLogoImagePath(2) << catalogue.getVesselImagePath();

    catalogue.switchColorBrill(COLOR_BRILL_DUSK);
    EXPECT_EQ(catalogue.getWinCtrlImagePath(0, ResourceImage::WG_WINCTRL_CLOSE, 0),
              ":/WinCtrl/Widget/WinCtrl/A20/Dusk/0.Close.png");
    EXPECT_EQ(catalogue.getWinCtrlImagePath(0, ResourceImage::WG_WINCTRL_MINI, 4),
              ":/WinCtrl/Widget/WinCtrl/A20/Dusk/1.Mini_Hover.png");
    EXPECT_EQ(catalogue.getCheckBoxImagePath(1, 1), ":/CheckBox/Widget/CheckBox/B32Blue/Dusk/Unchecked.png");
    EXPECT_EQ(catalogue.getLedImagePath(0, 4), ":/Led/Symbol/Led/A30/Dusk/Gray.png");
    EXPECT_EQ(catalogue.getHeaderViewImagePath(0, 0), header);
    QStringList after;
    for (int i = 0; i < 10; ++i)
        after << catalogue.getWiFiStatusImagePath(i);
    after << catalogue.getSatelliteImagePath(1) << catalogue.getLogoImagePath(2) << catalogue.getVesselImagePath();
    EXPECT_EQ(after, library);

    catalogue.switchColorBrill(COLOR_BRILL_NIGHT);
    EXPECT_EQ(catalogue.getSpinBoxImagePath(0, 1), ":/SpinBox/Widget/SpinBox/A12Gray/Night/Sub.png");
    catalogue.switchColorBrill(COLOR_BRILL_DAY_BLACK);
    EXPECT_EQ(catalogue.getEditImagePath(0, 0), ":/Edit/Widget/Edit/A16Gray/DayBlack/DownArrow.png");
    // The day-white images are the plain ones.
    catalogue.switchColorBrill(COLOR_BRILL_DAY_WHITE);
    EXPECT_EQ(catalogue.getWinCtrlImagePath(0, ResourceImage::WG_WINCTRL_CLOSE, 0),
              ":/WinCtrl/Widget/WinCtrl/A20/0.Close.png");
    // A mode outside the table changes nothing.
    catalogue.switchColorBrill(COLOR_BRILL_DUSK);
    catalogue.switchColorBrill(static_cast<COLOR_BRILL_M>(5));
    catalogue.switchColorBrill(static_cast<COLOR_BRILL_M>(-1));
    EXPECT_EQ(catalogue.getComboBoxImagePath(0, 0), ":/ComboBox/Widget/ComboBox/A16Gray/Dusk/DownArrow.png");
}

TEST(ImageCatalogueTest, JoinAndAssemble)
{
    CResource entry;
    entry.kind = 1;
    entry.name = "Red";
    EXPECT_EQ(ResourceImage::joinImagePath(entry), "Red");
    entry.brightness = COLOR_BRILL_DAY_WHITE;
    EXPECT_EQ(ResourceImage::joinImagePath(entry), "Red");
    entry.flag = false;
    EXPECT_EQ(ResourceImage::joinImagePath(entry), "DayWhite/Red");
    entry.brightness = COLOR_BRILL_NIGHT;
    EXPECT_EQ(ResourceImage::joinImagePath(entry), "Night/Red");
    entry.kind = 4; // sounds have no brightness folder
    EXPECT_EQ(ResourceImage::joinImagePath(entry), "Red");
    entry.kind = 1;
    entry.brightness = 9;
    EXPECT_EQ(ResourceImage::joinImagePath(entry), "Red");

    EXPECT_EQ(ResourceImage::getWidgetImagePath(4, "Alarm", "/", "Bell", 0), ":/Alarm/Sounds/Alarm/Bell.png");
    EXPECT_EQ(ResourceImage::getWidgetImagePath(2, "Satellite", "/", "Map", 4),
              ":/Satellite/Graphic/Satellite/Map_Hover.png");
    EXPECT_TRUE(ResourceImage::getWidgetImagePath(5, "Satellite", "/", "Map", 0).isEmpty());
    EXPECT_TRUE(ResourceImage::getWidgetImagePath(-1, "Satellite", "/", "Map", 0).isEmpty());
}

// Every path any builder can produce, in every brightness mode, names an image that loads.
TEST(ImageCatalogueTest, EveryBuilderPathLoads)
{
    LibraryImage catalogue;
    QSet<QString> paths;
    for (int mode = 0; mode < COLOR_BRILL_COUNT; ++mode) {
        catalogue.switchColorBrill(static_cast<COLOR_BRILL_M>(mode));
        for (const SBuilderCase& c : builderCases()) {
            for (int row = 0; row < c.rows; ++row) {
                for (int item = 0; item < c.items; ++item) {
                    for (int state : c.states) {
                        const QString path = c.build(catalogue, row, item, state);
                        SCOPED_TRACE(path.toStdString());
                        ASSERT_TRUE(path.startsWith(QString(":/") + c.name + "/"));
                        const QPixmap pixmap(path);
                        ASSERT_FALSE(pixmap.isNull());
                        EXPECT_GE(qMin(pixmap.width(), pixmap.height()), 12);
                        EXPECT_LE(qMax(pixmap.width(), pixmap.height()), 480);
                        if (c.side != 0) {
                            EXPECT_EQ(pixmap.width(), c.side);
                            EXPECT_EQ(pixmap.height(), c.side);
                        }
                        paths.insert(path);
                    }
                }
            }
        }
    }
    // 8.123's check-box sizes: 20 for size 0, 32 for size 1.
    EXPECT_EQ(QPixmap(catalogue.getCheckBoxImagePath(0, 0)).width(), 20);
    EXPECT_EQ(QPixmap(catalogue.getCheckBoxImagePath(1, 0)).width(), 32);
    // Plain, DayBlack, Dusk and Night of WinCtrl (with hover), CheckBox, SpinBox, ComboBox,
    // Edit and Led; one of HeaderView and the application's groups.
    EXPECT_EQ(paths.size(), 4 * (4 + 4 + 2 + 1 + 1 + 5) + 2 + 4 + 1 + 2 + 3 + 1 + 4 + 2 + 3 + 10);
}

TEST(ImageCatalogueTest, IndexesOutsideTheTablesGiveNoPath)
{
    const LibraryImage catalogue;
    const QSet<QString> takeRows = {"WinCtrl", "HeaderView", "SpinBox", "ComboBox", "CheckBox", "Edit", "Led"};
    for (const SBuilderCase& c : builderCases()) {
        SCOPED_TRACE(c.name);
        if (QString(c.name) != "Vessel") {
            EXPECT_TRUE(c.build(catalogue, 0, c.items, 0).isEmpty());
            EXPECT_TRUE(c.build(catalogue, 0, -1, 0).isEmpty());
        }
        if (takeRows.contains(c.name)) {
            EXPECT_TRUE(c.build(catalogue, c.rows, 0, 0).isEmpty());
            EXPECT_TRUE(c.build(catalogue, -1, 0, 0).isEmpty());
        }
    }
    // A size other than 0 (and 1 for the check box) has no size folder and no entry.
    EXPECT_TRUE(catalogue.getComboBoxImagePath(1, 0).isEmpty());
    EXPECT_TRUE(catalogue.getCheckBoxImagePath(2, 0).isEmpty());
    EXPECT_TRUE(catalogue.getWinCtrlImagePath(1, ResourceImage::WG_WINCTRL_CLOSE, 4).isEmpty());
    EXPECT_TRUE(catalogue.libraryImagePath(LibraryImage::GROUP_VESSEL, 1).isEmpty());
    EXPECT_TRUE(catalogue.imagePath(ResourceImage::GROUP_SATELLITE, 0, 3, 0).isEmpty());
}

// The trees hold the images the catalogues address, including the groups no builder
// reads and the combo guide's, and nothing that fails to load.
TEST(ImageCatalogueTest, ResourceTreesHoldTheListedImages)
{
    const struct
    {
        const char* folder;
        QStringList names;
        bool brightness;
    } trees[] = {
        {":/WinCtrl/Widget/WinCtrl/A20/", {"0.Close", "0.Close_Hover", "1.Mini", "1.Mini_Hover"}, true},
        {":/CheckBox/Widget/CheckBox/A20Gray/", {"Checked", "Unchecked"}, true},
        {":/CheckBox/Widget/CheckBox/B32Blue/", {"Checked", "Unchecked"}, true},
        {":/ComboBox/Widget/ComboBox/A16Gray/", {"DownArrow"}, true},
        {":/Edit/Widget/Edit/A16Gray/", {"DownArrow"}, true},
        {":/SpinBox/Widget/SpinBox/A12Gray/", {"Add", "Sub"}, true},
        {":/HeaderView/Widget/HeaderView/A16Gray/", {"Up", "Down"}, false},
        {":/ComboGuide/Widget/ComboGuide/A30/", {"Title", "Back", "DropBox", "Switch", "Checked", "Unchecked"}, false},
        {":/Led/Symbol/Led/A30/", {"Red", "Green", "Blue", "Orange", "Gray"}, true},
        {":/Arrow/Symbol/Arrow/A30Gray/", {"Up", "Down", "Left", "Right"}, false},
        {":/Arrow/Symbol/Arrow/B16White/", {"Up", "Down", "Left", "Right"}, false},
        {":/Modify/Symbol/Modify/A25Gray/", {"Edit"}, false},
        {":/Extension/Symbol/Extension/A36Orange/", {"Full", "ExitFull"}, false},
        {":/Visible/Symbol/Visible/A25Blue/", {"Visible", "Invisible"}, false},
        {":/Handled/Symbol/Handled/A20Gray/", {"Handled", "Unhandled"}, false},
        {":/Satellite/Graphic/Satellite/", {"Map", "InView", "InUse"}, false},
        {":/Logo/Images/Logo/", {"Ostrel", "Surnak", "Kelvora"}, false},
        {":/MainMenu/Images/MainMenu/", {"0.Home", "1.Setting"}, false},
        {":/ReportStatus/Images/ReportStatus/", {"0.Good", "1.Failed"}, false},
        {":/ThemeFun/Images/ThemeFun/", {"0.Help", "1.About", "2.Book", "GenerateReport"}, false},
        {":/Vessel/Images/Vessel/", {"Dimension"}, false},
        {":/WiFiStatus/Images/WiFiStatus/",
         {"0.RSSI1", "1.RSSI2", "2.RSSI3", "3.RSSI4", "4.RSSI5", "5.Security", "6.Connected", "7.Connect",
          "8.Disconnect", "9.Empty"},
         false},
        {":/WiFiMode/Images/WiFiMode/", {"0.AP Mode", "1.Client Mode"}, false},
        {":/Direction/Images/Direction/", {"ArrowRight", "ArrowLeft", "ArrowRightHover", "ArrowLeftHover"}, false},
    };
    QSet<QString> listed;
    for (const auto& tree : trees) {
        QStringList folders = {""};
        if (tree.brightness)
            folders << "DayBlack/"
                    << "Dusk/"
                    << "Night/";
        for (const QString& folder : folders) {
            for (const QString& name : tree.names) {
                const QString path = tree.folder + folder + name + ".png";
                EXPECT_FALSE(QPixmap(path).isNull()) << path.toStdString();
                listed.insert(path);
            }
        }
    }
    QSet<QString> present;
    QDirIterator it(":/", QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        if (path.endsWith(".png") && !path.startsWith(":/qt-project.org"))
            present.insert(path);
    }
    EXPECT_EQ(present, listed);
}

TEST(ImageCatalogueTest, OneProcessWideCatalogue)
{
    LibraryImage* catalogue = Pattern::Singleton<LibraryImage>::instance();
    ASSERT_NE(catalogue, nullptr);
    EXPECT_EQ(catalogue, Pattern::Singleton<LibraryImage>::instance());
    EXPECT_EQ(catalogue->getLogoImagePath(2), ":/Logo/Images/Logo/Kelvora.png");
}
