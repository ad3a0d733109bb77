// The view's message boxes, text table, run-time texts and styling, on the real form, with the
// program's translations installed.
#include "ScriptedDialogs.h"
#include "SheetProbe.h"
#include "ViewOnForm.h"
#include "theme/ObjPalette.h"
#include "widgets/LibraryImage.h"
#include "widgets/StyledItemDelegate.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QRegularExpression>
#include <QTranslator>
#include <gtest/gtest.h>

#ifdef KELVORA_TEST_GUI
#include "GrabShot.h"
#endif

namespace {

class ViewText : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        s_translator = new QTranslator;
        ASSERT_TRUE(s_translator->load(QStringLiteral(":/Translations/Languages/AisConfiguration_en.qm")));
        QCoreApplication::installTranslator(s_translator);
    }
    static void TearDownTestSuite()
    {
        QCoreApplication::removeTranslator(s_translator);
        delete s_translator;
        s_translator = nullptr;
    }
    void SetUp() override { m_view = std::make_unique<SViewOnForm>(); }

    CAisConfigurationView& view() { return *m_view->view; }
    Ui::AisConfiguration& form() { return m_view->form; }

    static QStringList items(const QComboBox* combo)
    {
        QStringList all;
        for (int i = 0; i < combo->count(); ++i)
            all << combo->itemText(i);
        return all;
    }

    static inline QTranslator* s_translator = nullptr;
    std::unique_ptr<SViewOnForm> m_view;
};

} // namespace

TEST_F(ViewText, MessageBoxesGoThroughTheDialogSeam)
{
    ScriptedDialogs dialogs;
    struct SCase
    {
        MSG_BOX_S kind;
        int first;
        int second;
        QMessageBox::Icon icon;
        QMessageBox::StandardButtons buttons;
        QMessageBox::StandardButton defaultButton;
    };
    const SCase cases[] = {
        {MSG_BOX_INFORMATION, QMessageBox::Ok, 0, QMessageBox::Information, QMessageBox::Ok, QMessageBox::Ok},
        {MSG_BOX_WARNING, QMessageBox::Ok, 0, QMessageBox::Warning, QMessageBox::Ok, QMessageBox::Ok},
        {MSG_BOX_QUESTION, QMessageBox::Yes, QMessageBox::No, QMessageBox::Question,
         QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes},
        {MSG_BOX_CRITICAL, QMessageBox::Yes, QMessageBox::No | QMessageBox::Default, QMessageBox::Critical,
         QMessageBox::Yes | QMessageBox::No, QMessageBox::No},
    };
    for (const SCase& c : cases) {
        dialogs.asked.clear();
        view().showMsgBox(&m_view->window, c.kind, "Title", "Line one\nLine two", c.first, c.second);
        ASSERT_EQ(dialogs.asked.size(), 1) << c.kind;
        const ScriptedDialogs::SAsked& asked = dialogs.asked.back();
        EXPECT_EQ(asked.icon, c.icon);
        EXPECT_EQ(asked.title, "Title");
        EXPECT_EQ(asked.text, "Line one\nLine two");
        EXPECT_EQ(asked.buttons, c.buttons) << c.kind;
        EXPECT_EQ(asked.defaultButton, c.defaultButton) << c.kind;
    }

    dialogs.asked.clear();
    view().showMsgBox(&m_view->window, static_cast<MSG_BOX_S>(4), "Title", "Text", QMessageBox::Ok, 0);
    view().showMsgBox(&m_view->window, static_cast<MSG_BOX_S>(-1), "Title", "Text", QMessageBox::Ok, 0);
    EXPECT_TRUE(dialogs.asked.isEmpty());
}

TEST_F(ViewText, TextTableHoldsTheTranslatedTexts)
{
    const CAisCfgViewWiFiText table;
    const std::pair<QString CAisCfgViewWiFiText::*, const char*> expected[] = {
        {&CAisCfgViewWiFiText::strUnknown, "Unknown"},
        {&CAisCfgViewWiFiText::strInformation, "Information"},
        {&CAisCfgViewWiFiText::strWarning, "Warning"},
        {&CAisCfgViewWiFiText::strAccessPoint, "Access Point"},
        {&CAisCfgViewWiFiText::strClient, "Client"},
        {&CAisCfgViewWiFiText::strAutoSelect, "Auto Select"},
        {&CAisCfgViewWiFiText::strSsidRequired, "The wireless network must have a name(SSID)."},
        {&CAisCfgViewWiFiText::strPasswordFormat, "Invalid password format.\n"},
        {&CAisCfgViewWiFiText::strPasswordLength,
         "Invalid password format. Password between 8 and 63 alpha-numeric characters is allowed."},
        {&CAisCfgViewWiFiText::strInvalidChannel, "Invalid channel."},
        {&CAisCfgViewWiFiText::strInvalidIpAddress, "Invalid IP address."},
        {&CAisCfgViewWiFiText::strInvalidSubnetMask, "Invalid subnet mask."},
        {&CAisCfgViewWiFiText::strInvalidPort, "Invalid port value.\nThe port range is from 0 to 65535."},
        {&CAisCfgViewWiFiText::strInvalidWiFi, "InValid Wi-Fi"},
        {&CAisCfgViewWiFiText::strApplyingShort, "Applying Wi-Fi setting.\nPlease wait a moment."},
        {&CAisCfgViewWiFiText::strApplyingLong, "Applying Wi-Fi setting.\nPlease wait around 1 minute."},
        {&CAisCfgViewWiFiText::strLoading, "Loading Wi-Fi setting..."},
        {&CAisCfgViewWiFiText::strWiFiConfiguration, "Wi-Fi Configuration"},
        {&CAisCfgViewWiFiText::strPasswordTitle, "Input Wi-Fi password"},
        {&CAisCfgViewWiFiText::strPasswordPrompt, "Please input Wi-Fi password"},
        {&CAisCfgViewWiFiText::strConnectFail, "Connect fail.\nPlease try again!"},
        {&CAisCfgViewWiFiText::strFactoryResetTitle, "Wi-Fi Factory Reset"},
        {&CAisCfgViewWiFiText::strFactoryResetQuestion,
         "Factory Wi-Fi setting will be applied restored.\nDO you want to continue?"},
        {&CAisCfgViewWiFiText::strSwitchToClient,
         "You are about to switch to [Client] mode.\nDo you want to continue?"},
        {&CAisCfgViewWiFiText::strSwitchToAccessPoint,
         "You are about to switch to [Access Point] mode.\nDo you want to continue?"},
        {&CAisCfgViewWiFiText::strEnableWiFi, "Wi-Fi function will be enabled.\nDo you want to continue?"},
        {&CAisCfgViewWiFiText::strDisableWiFi, "Wi-Fi function will be disabled.\nDo you want to continue?"},
        {&CAisCfgViewWiFiText::strContinueQuestion, "Do you want to continue?"},
        {&CAisCfgViewWiFiText::strPowerSupply,
         "Make sure your AIS device is supplied with a 12/24V DC power for performing Wi-Fi configuration."},
        {&CAisCfgViewWiFiText::strDeterminingModule,
         "Determining the Wi-Fi module. Please confirm AIS device is connected to a power supply."},
        {&CAisCfgViewWiFiText::strQuitQuestion,
         "Wi-Fi setting is in progress!\nDo you want to force the application to quit?"},
        {&CAisCfgViewWiFiText::strSettingFail, "WiFi setting fail!\nPlease try again."},
        {&CAisCfgViewWiFiText::strWiFiService, "Wi-Fi Service"},
        {&CAisCfgViewWiFiText::strProgramWiFi, "Program Wi-Fi Module"},
    };
    for (const auto& [field, text] : expected)
        EXPECT_EQ((table.*field).toStdString(), text);
}

TEST_F(ViewText, RunTimeTextsAndGeneratedItems)
{
    view().updateUiObjText();

    const std::pair<QString CAisConfigurationView::*, const char*> members[] = {
        {&CAisConfigurationView::strAppTitle, "Kelvora AIS Class B Configuration"},
        {&CAisConfigurationView::strConnect, "Connect"},
        {&CAisConfigurationView::strDisconnect, "Disconnect"},
        {&CAisConfigurationView::strDisconnectTip, "Click to connect the device!"},
        {&CAisConfigurationView::strConnectCheckTip, "Determining the AIS Device Type..."},
        {&CAisConfigurationView::strInUse, " - IN USE"},
        {&CAisConfigurationView::strMore, "More..."},
        {&CAisConfigurationView::strInvalidShipNameTip, "The field \u201cShip's Name\u201d cannot be left blank"},
        {&CAisConfigurationView::strInvalidCallSignTip, "The field \u201cCall Sign\u201d cannot be left blank"},
        {&CAisConfigurationView::strMmsiTitle, "Maritime Mobile Service Identity (MMSI)"},
        {&CAisConfigurationView::strMmsiHelp,
         "MMSI - A unique nine digit number that identifies a particular ship or shore station.\n\nThe MMSI can "
         "be programmed only once. Please contact your dealer if you are unsure of your MMSI number."},
        {&CAisConfigurationView::strInvalidMmsiTip, "The entered MMSI is not in the valid range"},
        {&CAisConfigurationView::strOn, "ON"},
        {&CAisConfigurationView::strOff, "OFF"},
        {&CAisConfigurationView::strAdvMore, "More..."},
        {&CAisConfigurationView::strAdvHide, "Hide..."},
        {&CAisConfigurationView::strDeviceConfirm, "Save settings to device?"},
        {&CAisConfigurationView::strStartLog, "Start Log"},
        {&CAisConfigurationView::strStopLog, "Stop Log"},
        {&CAisConfigurationView::strPortUnavailable,
         "The selected serial port is not available.\nPlease choose a port and connect again."},
    };
    for (const auto& [member, text] : members)
        EXPECT_EQ((view().*member).toStdString(), text);

    EXPECT_EQ(form().lblBorderTitleName->text(), "Kelvora AIS Class B Configuration");
    EXPECT_TRUE(form().btnBorderTitleLogo->text().isEmpty());
    EXPECT_FALSE(form().btnBorderTitleLogo->icon().isNull());
    EXPECT_EQ(form().lblConntStatus->text(), "Click to connect the device!");
    EXPECT_TRUE(form().btnMMHome->text().isEmpty());
    for (QLabel* more : {form().lblHomeConfigurationMore, form().lblHomeGPSStatusMore, form().lblHomeDiagnosticsMore,
                         form().lblHomeOtherVesselsMore, form().lblHomeWiFiSetMore})
        EXPECT_EQ(more->text(), "More...") << more->objectName().toStdString();
    EXPECT_EQ(form().lblHomeWiFiWaiting->text(),
              "Determining the Wi-Fi module. Please confirm AIS device is connected to a power supply.");
    EXPECT_EQ(view().mmsiLabel.text(), "MMSI");
    EXPECT_TRUE(form().imgCfgVslDim->text().isEmpty());
    // Before the window is shown no row is visible: both expanders offer more.
    EXPECT_EQ(form().btnCfgAdvancedConfDisp->text(), "More...");
    EXPECT_EQ(form().btnWiFiAdvConfigDisp->text(), "More...");
    EXPECT_EQ(form().btnEnableLog->text(), "Stop Log");
    EXPECT_EQ(form().lblWiFiEnableTitle->text(), "Wi-Fi Service");
    EXPECT_EQ(form().btnWiFiCfgApply->text(), "Program Wi-Fi Module");
    EXPECT_EQ(form().lblWiFiWaiting->text(), "Applying Wi-Fi setting.\nPlease wait a moment.");

    EXPECT_EQ(items(form().cbbxCfgDscMonitoring), QStringList({"OFF", "ON"}));
    EXPECT_EQ(items(form().cbbxCfgAlrSentence), QStringList({"OFF", "ON"}));
    EXPECT_EQ(items(form().cbbxCfgGpsUpdateRate),
              QStringList({"OFF", "1s", "2s", "3s", "4s", "5s", "6s", "7s", "8s", "9s", "10s"}));
    EXPECT_EQ(items(form().cbbxCfgGpsMode), QStringList({"Altitude higher than 500m", "At sea level"}));
    const QStringList instances = items(form().cbbxCfgNMEADevInst);
    ASSERT_EQ(instances.size(), 256);
    EXPECT_EQ(instances.first(), "0");
    EXPECT_EQ(instances[17], "17");
    EXPECT_EQ(instances.last(), "255");
    EXPECT_EQ(items(form().cbbxWifiCfgChannel),
              QStringList({"Auto Select", "1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "11"}));
    EXPECT_EQ(form().cbbxCfgVesselType->count(), CAisConfigurationView::kShipTypeCount);

    // A second call replaces the items rather than adding to them.
    view().updateUiObjText();
    EXPECT_EQ(form().cbbxCfgGpsUpdateRate->count(), 11);
    EXPECT_EQ(form().cbbxWifiCfgChannel->count(), 12);
}

TEST_F(ViewText, WhiteThemeCoversTheWholeWindowWithoutStyleSheetWarnings)
{
    const QStringList messages = SheetProbe::capture([&] {
        view().updateUiObjPalette();
        view().updateUiObjText();
        m_view->window.show();
        m_view->window.ensurePolished();
        for (QWidget* child : m_view->window.findChildren<QWidget*>())
            child->ensurePolished();
        m_view->window.grab();
    });
    // The offscreen platform's own notice about size hints is not about the sheets.
    const QStringList warnings = messages.filter(QRegularExpression(QStringLiteral("^(?!.*propagateSizeHints)")));
    EXPECT_TRUE(warnings.isEmpty()) << warnings.join('\n').toStdString();

    EXPECT_TRUE(form().centralWidget->styleSheet().endsWith(ObjPalette::compWhiteThemeWgsStyle()));
    const QList<QComboBox*> combos = form().centralWidget->findChildren<QComboBox*>();
    ASSERT_GE(combos.size(), 10);
    for (QComboBox* combo : combos)
        EXPECT_EQ(combo->itemDelegate(), &view().itemDelegate) << combo->objectName().toStdString();

    // Elements styled one by one carry a sheet of their own.
    for (QWidget* styled :
         {static_cast<QWidget*>(form().lblConntStatus), form().wgMain, static_cast<QWidget*>(form().btnMMHome),
          form().wgHomeConfiguration, form().wgCfgVslDetailTitle, static_cast<QWidget*>(form().btnCfgAdvancedConfDisp),
          form().wgGPSStatus, form().wgDiagSysCheckTitle, static_cast<QWidget*>(form().txbwSerialRx),
          form().wgWiFiStatus, static_cast<QWidget*>(form().btnWiFiAdvConfigDisp)})
        EXPECT_FALSE(styled->styleSheet().isEmpty()) << styled->objectName().toStdString();
    EXPECT_TRUE(form().btnMMHome->styleSheet().contains("MainMenu/0.Home.png")) << "the captionless Home entry";
    EXPECT_EQ(form().btnCfgAdvancedConfDisp->cursor().shape(), Qt::PointingHandCursor);
    EXPECT_EQ(form().btnWiFiAdvConfigDisp->cursor().shape(), Qt::PointingHandCursor);

    // Lamps start grey and checks failed.
    for (QLabel* image : {form().imgDiagStatusPowerOk, form().imgDiagStatusSilentMode, form().imgDiagCheckMmsi,
                          form().imgDiagCheckAisTxPos, form().imgSatelliteInView, form().imgSatelliteInUse}) {
        EXPECT_FALSE(image->pixmap(Qt::ReturnByValue).isNull()) << image->objectName().toStdString();
    }
    const LibraryImage images;
    EXPECT_EQ(images.getSatelliteImagePath(0), ":/Satellite/Graphic/Satellite/Map.png");
    EXPECT_EQ(images.getLedImagePath(0, 1), ":/Led/Symbol/Led/A30/Green.png");
    EXPECT_EQ(images.getLogoImagePath(2), ":/Logo/Images/Logo/Kelvora.png");
}
