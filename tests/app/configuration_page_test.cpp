// The Configuration page after detection, through the real window and the simulated transponder:
// the model's groups four to a page, its row names, every field showing what the transponder
// reported, the advanced rows, and the pictures of both sub-pages.
#include "MainRoadSupport.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <gtest/gtest.h>

using namespace MainRoad;

namespace {

void withoutWiFi(CWindowHarness& w)
{
    w.sim().modifyState([](SSimTransponderState& s) {
        s.wifiModule = 0;
        s.wifiPresent = 0;
    });
}

QWidget* at(QGridLayout* grid, int row, int column)
{
    QLayoutItem* item = grid->itemAtPosition(row, column);
    return item != nullptr ? item->widget() : nullptr;
}

bool shownOnPage(CWindowHarness& w, QWidget* widget)
{
    return widget->isVisibleTo(w.ui()->tabMainConfiguration);
}

} // namespace

// "KVX-T-362" as the simulator reports it: SRM (single text) and encryption, so six groups on
// two pages.
TEST(ConfigurationPage, KvxShowsSixGroupsOnTwoPagesWithItsValues)
{
    CWindowHarness w(1);
    withoutWiFi(w);
    ASSERT_TRUE(detectOnce(w));
    openConfigurationPage(w);
    Ui::AisConfiguration* ui = w.ui();
    ASSERT_EQ(ui->tbwgMain->currentWidget(), ui->tabMainConfiguration);

    const SCfgLayoutInfo& layout = w.view()->cfgLayoutInfo;
    EXPECT_TRUE(layout.bBuilt);
    EXPECT_EQ(layout.iShownGroupCount, 6);
    EXPECT_EQ(layout.iPageCount, 2);
    EXPECT_EQ(at(ui->gdLoCfgMainPage, 0, 0), ui->wgCfgVesselDetail);
    EXPECT_EQ(at(ui->gdLoCfgMainPage, 0, 1), ui->wgCfgShipDim);
    EXPECT_EQ(at(ui->gdLoCfgMainPage, 1, 0), ui->wgCfgNmeaBaundRate);
    EXPECT_EQ(at(ui->gdLoCfgMainPage, 1, 1), ui->wgCfgSRM);
    EXPECT_EQ(at(ui->gdLoCfgRightPage, 0, 0), ui->wgCfgEncryption);
    EXPECT_EQ(at(ui->gdLoCfgRightPage, 0, 1), ui->wgCfgAdvConfig);
    EXPECT_EQ(at(ui->gdLoCfgRightPage, 1, 0), ui->wgCfgSpace);
    EXPECT_TRUE(ui->wgCfgRightPage->isVisible());
    EXPECT_FALSE(ui->wgCfgLeftPage->isVisible());

    const SSimTransponderState s = w.sim().state();
    EXPECT_EQ(ui->edtCfgShipName->text().toStdString(), s.shipName);
    EXPECT_EQ(ui->edtCfgCallSign->text().toStdString(), s.callSign);
    EXPECT_EQ(ui->edtCfgMmsi->text(), "366123456");
    EXPECT_FALSE(ui->edtCfgMmsi->isEnabled()) << "a programmed MMSI cannot be edited";
    EXPECT_EQ(ui->cbbxCfgVesselType->currentText(), "37 = Vessel-Pleasure craft");
    EXPECT_EQ(ui->spbxCfgVslDimA->value(), s.dimA);
    EXPECT_EQ(ui->spbxCfgVslDimB->value(), s.dimB);
    EXPECT_EQ(ui->spbxCfgVslDimC->value(), s.dimC);
    EXPECT_EQ(ui->spbxCfgVslDimD->value(), s.dimD);

    // Port rates by code 2, 5, 5, 6; "[MultipleBaudRate]=2": four rows.
    EXPECT_EQ(ui->lblCfgNmea1Input->text(), "NMEA 1 Input");
    EXPECT_EQ(ui->lblCfgNmea1Output->text(), "NMEA 1 Output");
    EXPECT_EQ(ui->lblCfgNmea2Input->text(), "NMEA 2 Input");
    EXPECT_EQ(ui->lblCfgNmea2Output->text(), "NMEA 2 Output");
    EXPECT_EQ(ui->cbbxCfgNmea1Input->currentText(), "38400");
    EXPECT_EQ(ui->cbbxCfgNmea1Output->currentText(), "9600");
    EXPECT_EQ(ui->cbbxCfgNmea2Input->currentText(), "9600");
    EXPECT_EQ(ui->cbbxCfgNmea2Output->currentText(), "4800");
    for (QWidget* row : {ui->wgCfgNmea1Input, ui->wgCfgNmea1Output, ui->wgCfgNmea2Input, ui->wgCfgNmea2Output})
        EXPECT_TRUE(shownOnPage(w, row)) << row->objectName().toStdString();

    // The single-text bit: one row, "SRM Text", holding the single text.
    EXPECT_TRUE(shownOnPage(w, ui->wgCfgSRM));
    EXPECT_TRUE(shownOnPage(w, ui->wgCfgSRMText0));
    EXPECT_FALSE(shownOnPage(w, ui->wgCfgSRMText1));
    EXPECT_EQ(ui->lblCfgSRMText0->text(), "SRM Text");
    EXPECT_EQ(ui->edtCfgSRMText0->text().toStdString(), s.srmSingle);
    EXPECT_EQ(ui->edtCfgSRMText1->text().toStdString(), s.srmBox[1]);

    // Advanced configuration: DSC 1, GPS every 2 s, dynamic model 4, ALR value 1 (off).
    EXPECT_EQ(ui->cbbxCfgDscMonitoring->currentText(), "ON");
    EXPECT_EQ(ui->cbbxCfgGpsUpdateRate->currentText(), "2s");
    EXPECT_EQ(ui->cbbxCfgGpsMode->currentIndex(), 0);
    EXPECT_EQ(ui->cbbxCfgAlrSentence->currentText(), "OFF");
    EXPECT_EQ(ui->cbbxCfgNMEADevInst->currentText(), "17");

    // Encryption present, not enabled: the code and MMSI shown, their rows disabled.
    EXPECT_FALSE(ui->chbxEncryptionModeEnable->isChecked());
    EXPECT_FALSE(ui->wgCfgEncryptionCode->isEnabled());
    EXPECT_FALSE(ui->wgCfgEncryptionAddressMode->isEnabled());
    EXPECT_EQ(ui->edtCfgEncryptionCode->text(), "KEY");
    EXPECT_EQ(ui->edtCfgEncryptionMMSI->text(), "211000000");
    w.grab("configuration-kvx-page-1");

    // The right panel turns to the second page, the left one back.
    clickPanel(w, ui->wgCfgRightPage);
    EXPECT_EQ(w.view()->cfgLayoutInfo.iCurrentPage, 1);
    EXPECT_EQ(at(ui->gdLoCfgMainPage, 0, 0), ui->wgCfgEncryption);
    EXPECT_EQ(at(ui->gdLoCfgMainPage, 0, 1), ui->wgCfgAdvConfig);
    EXPECT_EQ(at(ui->gdLoCfgLeftPage, 0, 0), ui->wgCfgVesselDetail);
    EXPECT_TRUE(ui->wgCfgLeftPage->isVisible());
    EXPECT_FALSE(ui->wgCfgRightPage->isVisible());
    w.grab("configuration-kvx-page-2");

    QTest::mouseClick(ui->btnCfgAdvancedConfDisp, Qt::LeftButton);
    w.processEvents();
    EXPECT_TRUE(ui->cbbxCfgGpsUpdateRate->isVisible());
    EXPECT_FALSE(ui->chbxCfgMsg27->isVisible()) << "Message 27 belongs to the other model";
    EXPECT_FALSE(ui->cbbxCfgNMEADevInst->isVisible());
    w.grab("configuration-kvx-page-2-advanced");

    clickPanel(w, ui->wgCfgLeftPage);
    EXPECT_EQ(w.view()->cfgLayoutInfo.iCurrentPage, 0);
    EXPECT_EQ(at(ui->gdLoCfgMainPage, 0, 0), ui->wgCfgVesselDetail);
}

// "T-275": no SRM and no encryption, four groups on one page; two port rows named by the model.
TEST(ConfigurationPage, T275ShowsFourGroupsOnOnePageWithItsValues)
{
    CWindowHarness w(2);
    withoutWiFi(w);
    ASSERT_TRUE(detectOnce(w));
    openConfigurationPage(w);
    Ui::AisConfiguration* ui = w.ui();

    const SCfgLayoutInfo& layout = w.view()->cfgLayoutInfo;
    EXPECT_EQ(layout.iShownGroupCount, 4);
    EXPECT_EQ(layout.iPageCount, 1);
    EXPECT_EQ(at(ui->gdLoCfgMainPage, 0, 0), ui->wgCfgVesselDetail);
    EXPECT_EQ(at(ui->gdLoCfgMainPage, 0, 1), ui->wgCfgShipDim);
    EXPECT_EQ(at(ui->gdLoCfgMainPage, 1, 0), ui->wgCfgNmeaBaundRate);
    EXPECT_EQ(at(ui->gdLoCfgMainPage, 1, 1), ui->wgCfgAdvConfig);
    EXPECT_FALSE(ui->wgCfgRightPage->isVisible());
    EXPECT_FALSE(ui->wgCfgLeftPage->isVisible());
    EXPECT_FALSE(shownOnPage(w, ui->wgCfgSRM));
    EXPECT_FALSE(shownOnPage(w, ui->wgCfgEncryption));

    const SSimTransponderState s = w.sim().state();
    EXPECT_EQ(ui->edtCfgShipName->text().toStdString(), s.shipName);
    EXPECT_EQ(ui->edtCfgCallSign->text().toStdString(), s.callSign);
    EXPECT_EQ(ui->edtCfgMmsi->text(), "366123456");
    EXPECT_FALSE(ui->edtCfgMmsi->isEnabled());
    EXPECT_EQ(ui->cbbxCfgVesselType->currentText(), "37 = Vessel-Pleasure craft");
    EXPECT_EQ(ui->spbxCfgVslDimA->value(), s.dimA);
    EXPECT_EQ(ui->spbxCfgVslDimB->value(), s.dimB);
    EXPECT_EQ(ui->spbxCfgVslDimC->value(), s.dimC);
    EXPECT_EQ(ui->spbxCfgVslDimD->value(), s.dimD);
    EXPECT_EQ(ui->cbbxCfgDscMonitoring->currentText(), "ON");
    EXPECT_EQ(ui->cbbxCfgGpsUpdateRate->currentText(), "2s");
    EXPECT_EQ(ui->cbbxCfgGpsMode->currentIndex(), 0);

    EXPECT_EQ(ui->lblCfgNmea1Input->text(), "NMEA 1");
    EXPECT_EQ(ui->lblCfgNmea2Input->text(), "NMEA 2");
    EXPECT_TRUE(shownOnPage(w, ui->wgCfgNmea1Input));
    EXPECT_FALSE(shownOnPage(w, ui->wgCfgNmea1Output));
    EXPECT_TRUE(shownOnPage(w, ui->wgCfgNmea2Input));
    EXPECT_FALSE(shownOnPage(w, ui->wgCfgNmea2Output));
    EXPECT_EQ(ui->cbbxCfgNmea1Input->currentText(), "38400");
    EXPECT_EQ(ui->cbbxCfgNmea2Input->currentText(), "9600");

    // ALR from group 31 value 0 (on); Message 27 from EPV 75 and 76.
    EXPECT_EQ(ui->cbbxCfgAlrSentence->currentText(), "ON");
    EXPECT_TRUE(ui->chbxCfgMsg27->isChecked());
    EXPECT_FALSE(ui->chbxCfgMsg27->isVisible()) << "shown only with the advanced rows";
    EXPECT_FALSE(ui->wgDiagStatus->isVisibleTo(ui->tabMainDiagnostics)) << "this model reports no power status";
    w.grab("configuration-t275-page-1");

    QTest::mouseClick(ui->btnCfgAdvancedConfDisp, Qt::LeftButton);
    w.processEvents();
    EXPECT_TRUE(ui->chbxCfgMsg27->isVisible());
    EXPECT_TRUE(ui->cbbxCfgAlrSentence->isVisible());
    w.grab("configuration-t275-advanced");

    // A click on the hidden side panel's place turns nothing: one page only.
    clickPanel(w, ui->wgCfgMainPage);
    EXPECT_EQ(w.view()->cfgLayoutInfo.iCurrentPage, 0);
}

// Which optional groups a transponder gets, from what it reports, and that a later configuration
// of the same connection keeps the layout.
TEST(ConfigurationPage, OptionalGroupsFollowTheFirstConfigurationOfTheConnection)
{
    struct SCase
    {
        const char* name;
        int srmFlags;
        int srmEnable;
        int srmBoxCount;
        int encryptionPresent;
        bool srm;
        bool encryption;
    };
    const SCase cases[] = {
        {"single-text bit without SRM enabled", 2, 0, 4, 0, true, false},
        {"SRM enabled with two boxes", 0, 1, 2, 0, false, false},
        {"SRM enabled with four boxes, encryption reported as 2", 0, 1, 4, 2, true, true},
    };
    for (const SCase& c : cases) {
        CWindowHarness w(1);
        withoutWiFi(w);
        w.sim().modifyState([&](SSimTransponderState& s) {
            s.srmFlags = c.srmFlags;
            s.group108[1] = c.srmEnable;
            s.srmBoxCount = c.srmBoxCount;
            s.group108[2] = c.encryptionPresent;
        });
        ASSERT_TRUE(detectOnce(w)) << c.name;
        const SCfgLayoutInfo& layout = w.view()->cfgLayoutInfo;
        EXPECT_EQ(layout.bSrm, c.srm) << c.name;
        EXPECT_EQ(layout.bEncryption, c.encryption) << c.name;
        EXPECT_EQ(layout.iShownGroupCount, 4 + (c.srm ? 1 : 0) + (c.encryption ? 1 : 0)) << c.name;
        EXPECT_EQ(layout.lstFirstPage.contains(w.ui()->wgCfgSRM), c.srm) << c.name;
        if (layout.iPageCount == 2) {
            EXPECT_EQ(layout.lstSecondPage.back(), w.ui()->wgCfgSpace) << c.name;
            EXPECT_EQ(layout.lstSecondPage.front(), c.encryption ? w.ui()->wgCfgEncryption : w.ui()->wgCfgAdvConfig)
                << c.name;
        }
        if (c.srmBoxCount == 4 && c.srmEnable == 1) {
            openConfigurationPage(w);
            for (QWidget* row : {w.ui()->wgCfgSRMText0, w.ui()->wgCfgSRMText3})
                EXPECT_TRUE(shownOnPage(w, row)) << row->objectName().toStdString();
            EXPECT_EQ(w.ui()->lblCfgSRMText3->text(), "SRM Text 4");
            EXPECT_EQ(w.ui()->edtCfgSRMText3->text().toStdString(), w.sim().state().srmBox[3]);
            w.grab("configuration-kvx-four-srm-boxes");
        }
    }

    // The transponder changes what it supports; the read-back of the same connection keeps the
    // groups it started with.
    CWindowHarness w(1);
    withoutWiFi(w);
    ASSERT_TRUE(detectOnce(w));
    const QList<QWidget*> first = w.view()->cfgLayoutInfo.lstFirstPage;
    const QList<QWidget*> second = w.view()->cfgLayoutInfo.lstSecondPage;
    w.sim().modifyState([](SSimTransponderState& s) {
        s.srmFlags = 0;
        s.group108[1] = 0;
        s.group108[2] = 0;
    });
    openConfigurationPage(w);
    w.window()->enableDebugPortView(16, false);
    ASSERT_TRUE(readBack(w));
    EXPECT_EQ(w.handle()->getDisplayedConfig()->iEncryptionPresent, 0);
    EXPECT_EQ(w.view()->cfgLayoutInfo.lstFirstPage, first);
    EXPECT_EQ(w.view()->cfgLayoutInfo.lstSecondPage, second);
}

// Name and call sign show upper case as the transponder's record fills them in and as they are
// typed, wherever the cursor stands; the transponder only takes upper-case six-bit characters.
TEST(ConfigurationPage, NameAndCallSignTurnUpperCaseFilledInOrTypedWhereTheCursorStands)
{
    CWindowHarness w(2);
    withoutWiFi(w);
    w.sim().modifyState([](SSimTransponderState& s) {
        s.shipName = "morning tide";
        s.callSign = "pb7q";
    });
    ASSERT_TRUE(detectOnce(w));
    openConfigurationPage(w);
    Ui::AisConfiguration* ui = w.ui();
    EXPECT_EQ(ui->edtCfgShipName->text(), "MORNING TIDE");
    EXPECT_EQ(ui->edtCfgCallSign->text(), "PB7Q");

    typeInto(ui->edtCfgShipName, "sea spray");
    EXPECT_EQ(ui->edtCfgShipName->text(), "SEA SPRAY");
    ui->edtCfgShipName->setCursorPosition(3);
    QTest::keyClicks(ui->edtCfgShipName, "x");
    EXPECT_EQ(ui->edtCfgShipName->text(), "SEAX SPRAY");
    EXPECT_EQ(ui->edtCfgShipName->cursorPosition(), 4);

    typeInto(ui->edtCfgCallSign, "kv12");
    EXPECT_EQ(ui->edtCfgCallSign->text(), "KV12");
    ui->edtCfgCallSign->setCursorPosition(1);
    QTest::keyClicks(ui->edtCfgCallSign, "q");
    EXPECT_EQ(ui->edtCfgCallSign->text(), "KQV12");
    EXPECT_EQ(ui->edtCfgCallSign->cursorPosition(), 2);
}
