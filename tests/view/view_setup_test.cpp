// The view built on the real form: input rules typed by keys, the rearranged title bar, the
// Home screen, the own widgets placed into the form, and the expanders.
#include "view/AisConfigurationView.h"
#include "view/SerialPortList.h"

#include "GrabShot.h"
#include "QtMessageProbe.h"
#include "ViewTestSupport.h"
#include "device/Diagnostics.h"
#include "device/SensorConfig.h"
#include "widgets/ModSatelliteMap.h"
#include "widgets/WgSelectorSwitch.h"
#include "wifi/WiFiConfig.h"

#include "ui_AisConfiguration.h"

#include <QApplication>
#include <QMainWindow>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

namespace {

class ViewSetupTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        CSerialPortList::setSource([] { return QList<SSerialPortItem>(); });
        form.setupUi(&window);
        window.setFixedSize(1000, 720);
        QtMessageProbe probe;
        view = std::make_unique<CAisConfigurationView>(&form, &config, &wifi);
        setupWarnings = probe.warnings();
    }
    void TearDown() override
    {
        // The view's own widgets sit in the form: it goes first, as in the window.
        view.reset();
        CSerialPortList::setSource(nullptr);
    }

    void showWindow()
    {
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    }

    // Whether the widget sits in the layout or in one nested in it.
    static bool holds(QLayout* layout, QWidget* widget)
    {
        if (layout == nullptr)
            return false;
        if (layout->indexOf(widget) >= 0)
            return true;
        for (int i = 0; i < layout->count(); ++i) {
            if (holds(layout->itemAt(i)->layout(), widget))
                return true;
        }
        return false;
    }

    QMainWindow window;
    Ui::AisConfiguration form;
    CSensorConfig config;
    CWiFiConfig wifi;
    std::unique_ptr<CAisConfigurationView> view;
    QStringList setupWarnings;
};

TEST_F(ViewSetupTest, SetUpRunsWithoutQtWarnings)
{
    EXPECT_TRUE(setupWarnings.isEmpty()) << setupWarnings.join('\n').toStdString();
}

// What the user types, key by key, and what the edit keeps.
struct STypedCase
{
    const char* edit;
    QString typed;
    QString kept;
};

TEST_F(ViewSetupTest, EditsKeepOnlyWhatTheirRulesAllow)
{
    const QString twentyOne(21, 'A');
    const STypedCase cases[] = {
        {"edtCfgShipName", twentyOne, QString(20, 'A')},
        {"edtCfgShipName", "SEA SPRAY", "SEA SPRAY"},
        {"edtCfgShipName", QString("AB") + QChar(0x00E9) + "C", "ABC"},
        {"edtCfgCallSign", "KV12345X", "KV12345"},
        {"edtCfgMmsi", "36a6123456789", "366123456"},
        {"edtCfgEncryptionMMSI", "1234567890", "123456789"},
        {"edtCfgEncryptionCode", "AB CD", "ABCD"},
        {"edtCfgEncryptionCode", QString(17, 'k'), QString(16, 'k')},
        {"edtCfgSRMText0", QString(17, 's'), QString(16, 's')},
        {"edtCfgSRMText3", "MOB, ALL CLEAR", "MOB, ALL CLEAR"},
        {"edtSendCommand", QString(300, 'c'), QString(256, 'c')},
        {"edtWifiCfgSSID", QString(33, 'n'), QString(32, 'n')},
        {"edtWiFiCfgPassword", QString(33, 'p'), QString(32, 'p')},
        {"edtWiFiCfgPort", "80a80123", "80801"},
        {"edtWifiCfgIPAddress", "192.168.1.10", "192.168.1.10"},
        {"edtWifiCfgIPAddress", "10.a0.0.1", "10.0.0.1"},
        {"edtWifiCfgSubnetMask", "255.255.255.0", "255.255.255.0"},
    };
    for (const STypedCase& c : cases) {
        auto* edit = window.findChild<QLineEdit*>(c.edit);
        ASSERT_NE(edit, nullptr) << c.edit;
        edit->setEnabled(true);
        edit->clear();
        TestSupport::typeText(edit, c.typed);
        EXPECT_EQ(edit->text(), c.kept) << c.edit << " typed " << c.typed.toStdString();
    }
}

TEST_F(ViewSetupTest, DimensionSpinBoxesStopAtTheirLimits)
{
    const std::pair<QSpinBox*, int> limits[] = {
        {form.spbxCfgVslDimA, 511}, {form.spbxCfgVslDimB, 511}, {form.spbxCfgVslDimC, 63}, {form.spbxCfgVslDimD, 63}};
    for (const auto& [spin, top] : limits) {
        spin->setValue(top + 1);
        EXPECT_EQ(spin->value(), top) << spin->objectName().toStdString();
        spin->setValue(-1);
        EXPECT_EQ(spin->value(), 0) << spin->objectName().toStdString();
    }
}

TEST_F(ViewSetupTest, BaudRateListsOfferTheThreePortRates)
{
    for (QComboBox* combo :
         {form.cbbxCfgNmea1Input, form.cbbxCfgNmea1Output, form.cbbxCfgNmea2Input, form.cbbxCfgNmea2Output}) {
        QStringList items;
        for (int i = 0; i < combo->count(); ++i)
            items << combo->itemText(i);
        EXPECT_EQ(items, QStringList({"38400", "9600", "4800"})) << combo->objectName().toStdString();
    }
}

TEST_F(ViewSetupTest, MessageTwentySevenShowsWithTheAdvancedRowsOfTheT275Only)
{
    const std::pair<MACHINE_TYPE, bool> models[] = {
        {MACHINE_TYPE_NONE, false}, {MACHINE_TYPE_KVX_T_362, false}, {MACHINE_TYPE_T_275, true}};
    for (const auto& [model, shown] : models) {
        SMachineTypeData machine{};
        machine.eMachineType = model;
        view->setMachineInfo(machine);
        view->updateAisAdvConfigDisp(true);
        EXPECT_FALSE(form.lblCfgTransceiver->isHidden());
        EXPECT_EQ(!form.chbxCfgMsg27->isHidden(), shown) << "model " << model;
        EXPECT_EQ(form.btnCfgAdvancedConfDisp->text(), "Hide...");
        view->updateAisAdvConfigDisp(false);
        EXPECT_TRUE(form.chbxCfgMsg27->isHidden());
        EXPECT_TRUE(form.lblCfgTransceiver->isHidden());
        EXPECT_TRUE(form.cbbxCfgAlrSentence->isHidden());
        EXPECT_EQ(form.btnCfgAdvancedConfDisp->text(), "More...");
    }
    // The NMEA 2000 device instance row is never shown.
    EXPECT_TRUE(form.cbbxCfgNMEADevInst->isHidden());
    EXPECT_TRUE(form.lblCfgNMEADevInst->isHidden());
}

TEST_F(ViewSetupTest, StartsOnTheHomeScreenAndSwitchesToThePages)
{
    showWindow();
    EXPECT_FALSE(form.tbwgMain->isVisible());
    EXPECT_FALSE(form.wgMainMenu->isVisible());
    EXPECT_TRUE(form.wgMainContent->isVisible());
    EXPECT_TRUE(form.wgMainHome->isVisible());
    EXPECT_EQ(form.wgMainHome->parentWidget(), form.wgMainContent);
    EXPECT_FALSE(form.tbwgMain->tabBar()->isVisible());
    EXPECT_FALSE(form.wgHomeWiFi->isVisible());
    EXPECT_FALSE(form.btnMMWiFi->isVisibleTo(form.wgMainMenu));
    view->switchHomeMenuDisp(false);
    EXPECT_TRUE(form.tbwgMain->isVisible());
    EXPECT_TRUE(form.wgMainMenu->isVisible());
    EXPECT_FALSE(form.wgMainContent->isVisible());
    view->switchHomeMenuDisp(true);
    EXPECT_FALSE(form.tbwgMain->isVisible());
    EXPECT_FALSE(form.wgMainMenu->isVisible());
    EXPECT_TRUE(form.wgMainContent->isVisible());
}

TEST_F(ViewSetupTest, TitleBarReadsCloseMinimiseAboutHelpLogoTitle)
{
    showWindow();
    QWidget* const order[] = {form.wgWinCtrlClose,   form.wgWinCtrlMin,       form.wgThemeFunAbout,
                              form.wgThemeFunHelp,   form.btnBorderTitleLogo, form.lblBorderTitleName,
                              form.wgFormBorderEmpty};
    for (size_t i = 1; i < std::size(order); ++i) {
        EXPECT_LT(order[i - 1]->geometry().right(), order[i]->geometry().left())
            << order[i - 1]->objectName().toStdString() << " before " << order[i]->objectName().toStdString();
    }
    EXPECT_EQ(form.wgFormBorderEmpty->width(), 158);
    EXPECT_EQ(form.wgFormBorderEmpty->geometry().right(), form.wgFormBorder->width() - 1);
    EXPECT_EQ(form.wgWinCtrlClose->geometry().left(), 0);
    // The logo and title sit between the two spacers, roughly in the middle of the bar.
    const int middle = (form.btnBorderTitleLogo->geometry().left() + form.lblBorderTitleName->geometry().right()) / 2;
    EXPECT_NEAR(middle, form.wgFormBorder->width() / 2, form.wgFormBorder->width() / 4);
}

TEST_F(ViewSetupTest, OwnWidgetsTakeThePlaceholdersOfTheForm)
{
    EXPECT_TRUE(form.cbbxConntSerialPort->isHidden());
    EXPECT_TRUE(holds(form.loConntSerialPort, &view->portComboBox));
    EXPECT_EQ(view->portComboBox.parentWidget(), form.wgComm);
    EXPECT_EQ(view->portComboBox.size(), QSize(450, 25));
    EXPECT_TRUE(form.btnCommConnt->isCheckable());
    EXPECT_TRUE(form.lblCfgMmsi->isHidden());
    EXPECT_TRUE(holds(form.loCfgMmsi, &view->mmsiLabel));
    EXPECT_TRUE(holds(form.loSatelliteSNR, &view->snrHistogram));
    ASSERT_NE(view->wifiEnableSwitch, nullptr);
    EXPECT_TRUE(form.btnWiFiEnableSwitchTemp->isHidden());
    EXPECT_TRUE(holds(form.loWiFiEnableSwitch, view->wifiEnableSwitch));
    EXPECT_EQ(view->wifiEnableSwitch->width(), 135);
    EXPECT_FALSE(view->wifiEnableSwitch->isActive());
    ASSERT_NE(view->skyMapGps, nullptr);
    ASSERT_NE(view->skyMapHome, nullptr);
    EXPECT_EQ(form.gpvwSatelliteMap->scene(), view->skyMapGps);
    EXPECT_EQ(form.gpvwHomeSatelliteMap->scene(), view->skyMapHome);
    EXPECT_EQ(view->wifiModeGroup.buttons(), QList<QAbstractButton*>({form.rdbWiFiAccessPoint, form.rdbWiFiClient}));
    EXPECT_TRUE(form.wgWiFiCfgClientList->isHidden());
    EXPECT_EQ(form.pgbWiFiCfg->maximum(), 0);
    EXPECT_TRUE(form.txbwSerialRx->isReadOnly());
    EXPECT_FALSE(form.txbwSerialRx->isEnabled());
}

TEST_F(ViewSetupTest, WiFiExpanderShowsAndHidesTheAdvancedGroup)
{
    EXPECT_TRUE(form.lblWiFiFactoryResetTitle->isHidden());
    EXPECT_TRUE(form.btnWiFiFactoryReset->isHidden());
    EXPECT_TRUE(form.wgWiFiAdvConfigModeEnable->isHidden());
    EXPECT_EQ(form.btnWiFiAdvConfigDisp->text(), "More...");
    view->updateWiFiAdvConfigDisp(true);
    EXPECT_FALSE(form.lblWiFiFactoryResetTitle->isHidden());
    EXPECT_FALSE(form.btnWiFiFactoryReset->isHidden());
    EXPECT_FALSE(form.wgWiFiAdvConfigModeEnable->isHidden());
    EXPECT_EQ(form.btnWiFiAdvConfigDisp->text(), "Hide...");
}

TEST_F(ViewSetupTest, VesselTypeListHoldsTheTwentyOneTypes)
{
    view->buildShipTypeResource();
    EXPECT_EQ(view->shipTypeCode[0], 20);
    EXPECT_EQ(view->shipTypeText[0], "20 = WIG");
    EXPECT_EQ(view->shipTypeCode[11], 51);
    EXPECT_EQ(view->shipTypeText[11], "51 = Search & rescue vessel");
    EXPECT_EQ(view->shipTypeCode[17], 59);
    EXPECT_EQ(view->shipTypeText[17], "59 = Resolution 18(Mob-83)");
    EXPECT_EQ(view->shipTypeCode[CAisConfigurationView::kShipTypeCount - 1], 80);
    EXPECT_EQ(view->shipTypeText[CAisConfigurationView::kShipTypeCount - 1], "80 = Tanker");
}

} // namespace
