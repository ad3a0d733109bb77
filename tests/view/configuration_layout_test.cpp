// The Configuration page's groups laid out anew on a later connection, as the controller does
// after a reset: a group the new layout does not place shows nowhere, a placed one shows.
#include "GrabShot.h"
#include "ViewOnForm.h"

#include <QGridLayout>
#include <gtest/gtest.h>

namespace {

class ConfigurationLayout : public ::testing::Test
{
protected:
    void SetUp() override
    {
        SMachineTypeData machine{};
        machine.eMachineType = MACHINE_TYPE_KVX_T_362;
        v.view->setMachineInfo(machine);
        v.config.iSrmBoxCount = 4;
        v.window.resize(1200, 800);
        v.window.show();
        v.form.tbwgMain->setCurrentWidget(v.form.tabMainConfiguration);
    }

    // A configuration handed over for display, as the refresh tick does it.
    void handOver(int srmFlags, int srmEnable, int srmBoxCount, int encryptionPresent)
    {
        v.config.iSrmFlags = srmFlags;
        v.config.iSrmEnable = srmEnable;
        v.config.iSrmBoxCount = srmBoxCount;
        v.config.iEncryptionPresent = encryptionPresent;
        v.view->updateConfigurationInfo();
        v.view->initUiObjCfgLayout();
        v.view->updateCfgViewText();
    }

    bool placed(QWidget* group)
    {
        const Ui::AisConfiguration& ui = v.form;
        return ui.gdLoCfgMainPage->indexOf(group) >= 0 || ui.gdLoCfgRightPage->indexOf(group) >= 0 ||
               ui.gdLoCfgLeftPage->indexOf(group) >= 0;
    }

    // Shown on the page, side panels included.
    bool shown(QWidget* group) { return group->isVisibleTo(v.form.tabMainConfiguration); }

    QList<QWidget*> groups()
    {
        const Ui::AisConfiguration& ui = v.form;
        return {ui.wgCfgVesselDetail, ui.wgCfgShipDim,   ui.wgCfgNmeaBaundRate, ui.wgCfgSRM,
                ui.wgCfgEncryption,   ui.wgCfgAdvConfig, ui.wgCfgSpace};
    }

    SViewOnForm v;
};

} // namespace

TEST_F(ConfigurationLayout, ALaterConnectionShowsOnlyTheGroupsItPlaces)
{
    Ui::AisConfiguration& ui = v.form;
    // SRM enabled with two boxes and no encryption: no SRM group in the layout, though the record
    // asks for one; four groups on one page.
    const auto fourGroups = [&](const char* after) {
        SCOPED_TRACE(after);
        v.view->cfgLayoutInfo.reset();
        handOver(0, 1, 2, 0);
        ASSERT_EQ(v.view->cfgLayoutInfo.iPageCount, 1);
        v.view->updateConfigurationInfo(); // the page opened
        QApplication::processEvents();
        for (QWidget* group : {ui.wgCfgVesselDetail, ui.wgCfgShipDim, ui.wgCfgNmeaBaundRate, ui.wgCfgAdvConfig}) {
            EXPECT_TRUE(placed(group)) << group->objectName().toStdString();
            EXPECT_TRUE(shown(group)) << group->objectName().toStdString();
        }
        for (QWidget* group : {ui.wgCfgSRM, ui.wgCfgEncryption, ui.wgCfgSpace}) {
            EXPECT_FALSE(placed(group)) << group->objectName().toStdString();
            EXPECT_FALSE(shown(group)) << group->objectName().toStdString();
        }
    };

    // First connection: single SRM text and encryption, six groups, SRM on page one.
    handOver(2, 0, 4, 1);
    ASSERT_EQ(v.view->cfgLayoutInfo.iPageCount, 2);
    for (QWidget* group : groups())
        EXPECT_TRUE(placed(group) && group->isVisibleTo(group->parentWidget())) << group->objectName().toStdString();
    EXPECT_TRUE(shown(ui.wgCfgSRM));
    fourGroups("after page one of six");
    EXPECT_FALSE(TestSupport::saveShot(ui.wgConfiguration, "configuration-relayout-four-groups").isEmpty());

    // Six again: the groups hidden above show again where they are placed. The user turns to
    // page two, which puts encryption, advanced configuration and the filler into the main grid.
    v.view->cfgLayoutInfo.reset();
    handOver(0, 1, 4, 1);
    QApplication::processEvents();
    ASSERT_EQ(v.view->cfgLayoutInfo.iPageCount, 2);
    for (QWidget* group : groups()) {
        EXPECT_TRUE(placed(group)) << group->objectName().toStdString();
        EXPECT_TRUE(shown(group)) << group->objectName().toStdString();
    }
    EXPECT_TRUE(shown(ui.wgCfgSRMText3));
    EXPECT_FALSE(TestSupport::saveShot(ui.wgConfiguration, "configuration-relayout-six-groups").isEmpty());
    v.view->cfgLayoutInfo.iCurrentPage = 1;
    v.view->setCfgLayoutOrder(1);
    EXPECT_TRUE(shown(ui.wgCfgSpace));
    fourGroups("after page two of six");

    // Encryption reported as 2 takes its place in the layout, while the group itself shows only
    // for 1: it stays hidden on a page turn as well.
    v.view->cfgLayoutInfo.reset();
    handOver(0, 1, 4, 2);
    EXPECT_TRUE(placed(ui.wgCfgEncryption));
    EXPECT_FALSE(shown(ui.wgCfgEncryption));
    v.view->setCfgLayoutOrder(1);
    EXPECT_FALSE(shown(ui.wgCfgEncryption));
}
