// Page element styles: the exact sheet of every setter on a widget of the kind the view
// passes, set with Qt's warnings captured, then every setter at once on the stand-in pages.
#include "theme/ObjPalette.h"
#include "palette/QtObjPalette.h"

#include "SheetProbe.h"
#include "StandInWindow.h"

#include "services/Singleton.h"

#include <QGraphicsView>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QTextEdit>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>
#include <utility>

namespace {

using P = ObjPalette;

const QString kAbout = ":/ThemeFun/Images/ThemeFun/1.About.png";
const QString kHelp = ":/ThemeFun/Images/ThemeFun/2.Book.png";

QString centred(const QString& path)
{
    return QStringLiteral("background-image: url(%1);background-position: center center;"
                          "background-origin: content;background-repeat: none;")
        .arg(path);
}

struct SPageCase
{
    const char* name;
    SheetProbe::Maker make;
    const char* objectName;
    std::function<void(QWidget*)> style;
    QString expected;
};

void PrintTo(const SPageCase& c, std::ostream* os)
{
    *os << c.name;
}

QWidget* makeTable()
{
    auto* table = StandIn::vesselTable("tbvwOtherVessels");
    return table;
}

const std::vector<SPageCase> kPageCases = {
    {"group with hover", makerOf<QWidget>(), "wgHomeConfiguration", [](QWidget* w) { P::setGroupStyle(w, true); },
     "#wgHomeConfiguration {border:2px solid #a6caf0;border-radius:5px;background-color:#ececec;}"
     "#wgHomeConfiguration:hover {background-color:#fffbf0;}"},
    {"group", makerOf<QWidget>(), "wgConfiguration", [](QWidget* w) { P::setGroupStyle(w, false); },
     "#wgConfiguration {border:2px solid #a6caf0;border-radius:5px;background-color:#fffbf0;}"},
    {"home satellite group", makerOf<QWidget>(), "wgHomeGPSStatus", &P::setHomeSatelliteGroupStyle,
     "#wgHomeGPSStatus {border:2px solid #a6caf0;border-radius:5px;background-color:#282828;}"
     "#wgHomeGPSStatus:hover {background-color:#505050;}"},
    {"satellite status", makerOf<QWidget>(), "wgGPSStatus", &P::setSatelliteStatusStyle,
     "#wgGPSStatus {border:2px solid #a6caf0;border-radius:5px;background-color:#282828;}"
     "QLabel {color:#ffffff;font-size:16px;font-weight:400;font-family:\"Tahoma\";}"},
    {"info group", makerOf<QWidget>(), "wgWiFiStatus", &P::setInfoGroupStyle,
     "#wgWiFiStatus {border:0px solid #808080;border-radius:10px;background-color:#c0c0c0;}"
     "QLabel {color:#000000;font-size:14px;font-weight:400;font-family:\"Tahoma\";}"},
    {"sub-page content", makerOf<QWidget>(), "wgScaContentsLeftPage",
     [](QWidget* w) { P::setCfgSubPageContentStyle(w, true); },
     "#wgScaContentsLeftPage {border:2px  #800000;border-radius:5px;background-color:#ececec;}"},
    {"satellite map", makerOf<QGraphicsView>(), "gpvwSatelliteMap", &P::setSatelliteMapStyle,
     "border: none;background-color:#282828;"},
    {"home title", makerOf<QPushButton>(), "btnHomeConfiguration", &P::setHomeTitleStyle,
     "QPushButton {color:#ffffff;background: qlineargradient(x1:0.0, y1:0.0, x2:0.0, y2:1.0, stop:0.0 #696969, "
     "stop:0.5 #000000, stop:1.0 #696969);border:1px solid #c0c0c0;border-top-left-radius:0px;"
     "border-top-right-radius:0px;border-bottom-right-radius:20px;border-bottom-left-radius:0px;border-right:0px;"
     "font-size:16px;font-weight:700;font-family:\"Tahoma\";outline-width:0px;}"
     "QPushButton:checked {color:#000000;background-color:#fffbf0;border:0px solid #c0c0c0;}"},
    {"home more label", makerOf<QLabel>(), "lblHomeMore", &P::setHomeMoreLabelStyle,
     "color:#1e90ff;font-size:14px;font-weight:700;font-family:\"Tahoma\";"},
    {"normal title", makerOf<QLabel>(), "lblCfgTransceiver", &P::setNormalTitleStyle,
     "color:#000000;font-size:14px;font-weight:700;font-family:\"Tahoma\";"},
    {"bold text dark", makerOf<QLabel>(), "lblHomeMmsi", [](QWidget* w) { P::setBoldTextStyle(w, true); },
     "color:#000000;font-size:20px;font-weight:700;font-family:\"Tahoma\";"},
    {"bold text light", makerOf<QLabel>(), "lblSatelliteFixText", [](QWidget* w) { P::setBoldTextStyle(w, false); },
     "color:#ffffff;font-size:20px;font-weight:700;font-family:\"Tahoma\";"},
    {"connection status alarm", makerOf<QLabel>(), "lblConntStatus",
     [](QWidget* w) { P::setConntStatusLabelStyle(w, true); },
     "color:#ff0000;font-size:14px;font-weight:400;font-family:\"Tahoma\";"},
    {"connection status", makerOf<QLabel>(), "lblConntStatus",
     [](QWidget* w) { P::setConntStatusLabelStyle(w, false); },
     "color:#000000;font-size:14px;font-weight:400;font-family:\"Tahoma\";"},
    {"label colour", makerOf<QLabel>(), "lblHomeWiFiWaiting", [](QWidget* w) { P::setLabelColor(w, 0xff8000); },
     "color:#ff8000;"},
    {"border title", makerOf<QLabel>(), "lblBorderTitleName", [](QWidget* w) { P::setBorderTitleStyle(nullptr, w); },
     "color:#282828;font-size:14px;font-weight:700;font-family:\"Tahoma\";"},
    {"border title logo", makerOf<QPushButton>(), "btnBorderTitleLogo",
     [](QWidget* w) { P::setBorderTitleStyle(w, nullptr); }, "border: none;"},
    {"about name", makerOf<QLabel>(), "lblSoftwareName", &P::setAboutSoftwareNameLabelStyle,
     "color:#000000;font-size:16px;font-weight:700;font-family:\"Tahoma\";"},
    {"about version", makerOf<QLabel>(), "lblSoftwareVersion", &P::setAboutSoftwareVersionLabelStyle,
     "color:#000000;font-size:12px;font-weight:400;font-family:\"Tahoma\";"},
    {"advanced more label", makerOf<QLabel>(), "lblCfgAdvancedMore", &P::setAdvencedCfgMoreLabelStyle,
     "color:#00ffff;font-size:14px;font-weight:700;font-family:\"Tahoma\";"},
    {"about icon", makerOf<QToolButton>(), "btnThemeFunAbout", &P::setAboutIconStyle,
     "QToolButton {border-top-left-radius:0px;border-top-right-radius:0px;border-bottom-right-radius:0px;"
     "border-bottom-left-radius:0px;" +
         centred(kAbout) + "}QToolButton:hover {" + centred(kAbout) + "}QToolButton:pressed {padding-top:1px;}"},
    {"help icon", makerOf<QToolButton>(), "btnThemeFunHelp", &P::setHelpIconStyle,
     "QToolButton {border-top-left-radius:0px;border-top-right-radius:0px;border-bottom-right-radius:0px;"
     "border-bottom-left-radius:0px;" +
         centred(kHelp) + "}QToolButton:hover {" + centred(kHelp) + "}QToolButton:pressed {padding-top:1px;}"},
    {"window close", makerOf<QToolButton>(), "btnWinCtrlClose",
     [](QWidget* w) { P::setWinCtrlIconStyle(w, 0xFFFFFFFF, ResourceImage::WG_WINCTRL_CLOSE); },
     "QWidget {image: url(:/WinCtrl/Widget/WinCtrl/A20/0.Close.png);border: none;}"
     "QWidget:hover {image: url(:/WinCtrl/Widget/WinCtrl/A20/0.Close_Hover.png);}"},
    {"window minimise on white", makerOf<QToolButton>(), "btnWinCtrlMin",
     [](QWidget* w) { P::setWinCtrlIconStyle(w, 0xffffff, ResourceImage::WG_WINCTRL_MINI); },
     "QWidget {background-color:#ffffff;image: url(:/WinCtrl/Widget/WinCtrl/A20/1.Mini.png);border: none;}"
     "QWidget:hover {background-color:#ffffff;image: url(:/WinCtrl/Widget/WinCtrl/A20/1.Mini_Hover.png);}"},
    {"widget icon", makerOf<QWidget>(), "wgSoftwareIcon",
     [](QWidget* w) { P::setWidgetIconStyle(w, ":/Logo/Images/Logo/Kelvora.png"); },
     "QWidget {" + centred(":/Logo/Images/Logo/Kelvora.png") + "border: none;}"},
    {"vessel dimension", makerOf<QWidget>(), "imgCfgVslDim", &P::setConfigVslDimStyle,
     centred(":/Vessel/Images/Vessel/Dimension.png")},
    {"left arrow with hover", makerOf<QLabel>(), "lblCfgLeftArrow",
     [](QWidget* w) { P::setCfgSubPageIcon(w, true, true); },
     "#lblCfgLeftArrow {image: url(:/Direction/Images/Direction/ArrowLeft.png);}"
     "#lblCfgLeftArrow:hover {image: url(:/Direction/Images/Direction/ArrowLeftHover.png);}"},
    {"right arrow", makerOf<QLabel>(), "lblCfgRightArrow", [](QWidget* w) { P::setCfgSubPageIcon(w, false, false); },
     "#lblCfgRightArrow {image: url(:/Direction/Images/Direction/ArrowRight.png);}"},
    {"right arrow with hover", makerOf<QLabel>(), "lblCfgRightArrow",
     [](QWidget* w) { P::setCfgSubPageIcon(w, false, true); },
     "#lblCfgRightArrow {image: url(:/Direction/Images/Direction/ArrowRight.png);}"
     "#lblCfgRightArrow:hover {image: url(:/Direction/Images/Direction/ArrowRightHover.png);}"},
    {"wi-fi mode plain", makerOf<QWidget>(), "wgWiFiModeClient",
     [](QWidget* w) { P::setWiFiModeWgsStyle(w, LibraryImage::WIFI_MODE_CLIENT, false, true); },
     "#wgWiFiModeClient {border: none;background-color:#ffffff;" +
         centred(":/WiFiMode/Images/WiFiMode/1.Client Mode.png") + "}"},
    {"wi-fi mode framed active", makerOf<QWidget>(), "wgWiFiModeAccessPoint",
     [](QWidget* w) { P::setWiFiModeWgsStyle(w, LibraryImage::WIFI_MODE_AP, true, true); },
     "#wgWiFiModeAccessPoint {border:2px dashed #808080;border-radius:5px;background-color:#a6caf0;" +
         centred(":/WiFiMode/Images/WiFiMode/0.AP Mode.png") + "}"},
    {"wi-fi mode framed idle", makerOf<QWidget>(), "wgWiFiModeClient",
     [](QWidget* w) { P::setWiFiModeWgsStyle(w, LibraryImage::WIFI_MODE_CLIENT, true, false); },
     "#wgWiFiModeClient {border:2px dashed #808080;border-radius:5px;background-color:#c0c0c0;" +
         centred(":/WiFiMode/Images/WiFiMode/1.Client Mode.png") + "}"},
    {"other vessels", makeTable, "tbvwOtherVessels",
     [](QWidget* w) { P::setOtherVesselStyle(w, QString(), WG_COLOR_TONE_DEFAULT); },
     "QTableView {color:#000000;background-color:#ffffff;alternate-background-color:#ececec;border:1px solid "
     "#000000;}QHeaderView::section {width:0px;height:24px;color:#000000;background-color:#fffbf0;}"
     "QHeaderView::up-arrow {image: url(:/HeaderView/Widget/HeaderView/A16Gray/Up.png);}"
     "QHeaderView::down-arrow {image: url(:/HeaderView/Widget/HeaderView/A16Gray/Down.png);}"},
    {"other vessels dark", makeTable, "tbvwOtherVessels",
     [](QWidget* w) { P::setOtherVesselStyle(w, "tbvwOtherVessels", WG_COLOR_TONE_DARK); },
     "QTableView#tbvwOtherVessels {color:#ffffff;background-color:#404040;alternate-background-color:#505050;"
     "border:1px solid #000000;}QHeaderView#tbvwOtherVessels::section {width:0px;height:24px;color:#ffffff;"
     "background-color:#000000;}QHeaderView#tbvwOtherVessels::up-arrow {image: "
     "url(:/HeaderView/Widget/HeaderView/A16Gray/Up.png);}QHeaderView#tbvwOtherVessels::down-arrow {image: "
     "url(:/HeaderView/Widget/HeaderView/A16Gray/Down.png);}"},
    {"serial monitor", makerOf<QTextEdit>(), "txbwSerialRx", &P::setTextEditWhiteStyle,
     "QTextEdit {color:#000000;background-color:#ffffff;border:1px solid #282828;border-radius:5px;"
     "padding-left:8px;font-size:14px;font-weight:700;font-family:\"Tahoma\";}"
     "QTextEdit:read-only {color:#505050;background-color:#fffbf0;}"
     "QTextEdit:disabled {color:#505050;background-color:#fffbf0;}"},
};

class PageElement : public ::testing::TestWithParam<SPageCase>
{
protected:
    void SetUp() override { QtObjPalette::initialize(QString(), "Tahoma", 14, 1.0); }
};

// The exact sheet, then the widget drawn with it: Qt has nothing to say.
TEST_P(PageElement, SheetOnItsWidget)
{
    const SPageCase& c = GetParam();
    std::unique_ptr<QWidget> widget(c.make());
    widget->setObjectName(QLatin1String(c.objectName));
    const QStringList messages = SheetProbe::capture([&] {
        c.style(widget.get());
        widget->resize(160, 60);
        widget->show();
        widget->grab();
    });
    EXPECT_EQ(widget->styleSheet().toStdString(), c.expected.toStdString());
    EXPECT_TRUE(messages.isEmpty()) << messages.join('\n').toStdString();
}

INSTANTIATE_TEST_SUITE_P(PageSetters, PageElement, ::testing::ValuesIn(kPageCases));

TEST(PageElementEdges, ConnectionStatusToggledReplacesTheSheet)
{
    QLabel label;
    for (int i = 0; i < 3; ++i) {
        P::setConntStatusLabelStyle(&label, true);
        P::setConntStatusLabelStyle(&label, false);
    }
    EXPECT_EQ(label.styleSheet(), QStringLiteral("color:#000000;font-size:14px;font-weight:400;font-family:\"Tahoma\";"));
}

TEST(PageElementEdges, UnframedWiFiModeIgnoresTheActiveFlag)
{
    QWidget active;
    QWidget idle;
    P::setWiFiModeWgsStyle(&active, LibraryImage::WIFI_MODE_AP, false, true);
    P::setWiFiModeWgsStyle(&idle, LibraryImage::WIFI_MODE_AP, false, false);
    EXPECT_EQ(active.styleSheet(), idle.styleSheet());
}

// The picture belongs to the container alone: its radio button and picture area draw the same
// whether the container shows a picture or not.
TEST(PageElementEdges, WiFiModePictureStaysOnItsContainer)
{
    QtObjPalette::initialize(QString(), "Tahoma", 14, 1.0);
    struct SContainer
    {
        explicit SContainer(const QString& sheet)
        {
            widget.setObjectName("wgWiFiModeAccessPoint");
            auto* layout = new QVBoxLayout(&widget);
            layout->addWidget(radio);
            layout->addWidget(area, 1);
            widget.setStyleSheet(sheet);
            widget.resize(240, 160);
            widget.show();
        }
        QWidget widget;
        QRadioButton* radio = new QRadioButton("Access Point");
        QWidget* area = new QWidget;
    };
    for (const bool framed : {false, true}) {
        QWidget styled;
        styled.setObjectName("wgWiFiModeAccessPoint");
        P::setWiFiModeWgsStyle(&styled, LibraryImage::WIFI_MODE_AP, framed, true);
        const QString sheet = styled.styleSheet();
        const SContainer with(sheet);
        const SContainer without(QString(sheet).remove(centred(":/WiFiMode/Images/WiFiMode/0.AP Mode.png")));
        ASSERT_NE(with.widget.styleSheet(), without.widget.styleSheet());
        EXPECT_EQ(with.radio->grab().toImage(), without.radio->grab().toImage()) << "radio button, framed " << framed;
        EXPECT_EQ(with.area->grab().toImage(), without.area->grab().toImage()) << "picture area, framed " << framed;
    }
}

TEST(PageElementEdges, ReportButtonTextIconAndGreySheet)
{
    QtObjPalette::initialize(QString(), "Tahoma", 14, 1.0);
    QPushButton button("Report");
    P::setGenerateReportBtnStyle(&button);
    EXPECT_EQ(button.text(), QStringLiteral("   Generate"));
    EXPECT_FALSE(button.icon().isNull());
    EXPECT_EQ(button.iconSize(), QPixmap(":/ThemeFun/Images/ThemeFun/GenerateReport.png").size());
    EXPECT_TRUE(button.styleSheet().startsWith(
        QStringLiteral(" QPushButton {color:#ffffff;background-color:#808080;background: qlineargradient(x1:0.0, "
                       "y1:0.0, x2:0.0, y2:1.0, stop:0.0 #808080, stop:1.0 #808080);")));
}

// The report status setter writes nothing; every setter leaves a null widget alone.
TEST(PageElementEdges, NoOpsAndNullWidgets)
{
    QLabel status;
    status.setStyleSheet("color:#123456;");
    P::setReportStatusStyle(&status);
    EXPECT_EQ(status.styleSheet(), QStringLiteral("color:#123456;"));

    const std::function<void(QWidget*)> setters[] = {
        [](QWidget* w) { P::setGroupStyle(w, true); },
        &P::setHomeSatelliteGroupStyle,
        &P::setSatelliteStatusStyle,
        &P::setInfoGroupStyle,
        [](QWidget* w) { P::setCfgSubPageContentStyle(w, false); },
        &P::setSatelliteMapStyle,
        &P::setHomeTitleStyle,
        &P::setHomeMoreLabelStyle,
        &P::setNormalTitleStyle,
        [](QWidget* w) { P::setBoldTextStyle(w, true); },
        [](QWidget* w) { P::setConntStatusLabelStyle(w, true); },
        [](QWidget* w) { P::setLabelColor(w, 0); },
        [](QWidget* w) { P::setBorderTitleStyle(w, w); },
        &P::setAboutSoftwareNameLabelStyle,
        &P::setAboutSoftwareVersionLabelStyle,
        &P::setAdvencedCfgMoreLabelStyle,
        &P::setReportStatusStyle,
        [](QWidget*) { P::setGenerateReportBtnStyle(nullptr); },
        &P::setAboutIconStyle,
        &P::setHelpIconStyle,
        [](QWidget* w) { P::setWinCtrlIconStyle(w, 0, ResourceImage::WG_WINCTRL_CLOSE); },
        [](QWidget* w) { P::setWidgetIconStyle(w, ":/x.png"); },
        &P::setConfigVslDimStyle,
        [](QWidget* w) { P::setCfgSubPageIcon(w, true, true); },
        [](QWidget* w) { P::setWiFiModeWgsStyle(w, LibraryImage::WIFI_MODE_AP, true, true); },
        [](QWidget* w) { P::setOtherVesselStyle(w, QString(), WG_COLOR_TONE_DEFAULT); },
        &P::setTextEditWhiteStyle,
    };
    for (const auto& setter : setters)
        setter(nullptr);
    SUCCEED();
}

// Every setter on the stand-in main window and About dialog, as the view styles them.
TEST(PageElementStandIn, EverySetterOnTheStandInPagesWithoutWarnings)
{
    QtObjPalette::initialize(QString(), "Tahoma", 14, 1.0);
    CStyledItemDelegate delegate;
    StandIn::SMainWindow window = StandIn::buildMainWindow();
    StandIn::SAboutDialog about = StandIn::buildAboutDialog();
    const QStringList messages = SheetProbe::capture([&] {
        StandIn::styleMainWindow(window, delegate);
        StandIn::styleAboutDialog(about, delegate);
        window.root->show();
        about.root->show();
        for (int page = 0; page < window.pages->count(); ++page) {
            window.pages->setCurrentIndex(page);
            window.root->grab();
        }
        about.root->grab();
    });
    // The offscreen platform's notes on window operations it lacks are not about the sheets.
    QStringList warnings = messages;
    warnings.erase(std::remove_if(warnings.begin(), warnings.end(),
                                  [](const QString& m) { return m.startsWith("This plugin does not support"); }),
                   warnings.end());
    EXPECT_TRUE(warnings.isEmpty()) << warnings.join('\n').toStdString();
    for (QComboBox* combo : window.combos)
        EXPECT_EQ(combo->itemDelegate(), &delegate) << combo->objectName().toStdString();
    EXPECT_EQ(window.wifiService->styleSheet(), P::compSelectorSwitchColorToneStyle("", WG_COLOR_TONE_DEFAULT, true));
}

} // namespace
