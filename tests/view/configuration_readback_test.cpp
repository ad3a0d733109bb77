// The Configuration page read back into a record: a text longer than its field, which the input
// rules normally keep out, is cut to the field and terminated, and nothing beside it changes.
#include "ViewOnForm.h"

#include <QComboBox>
#include <QLineEdit>
#include <cstring>
#include <gtest/gtest.h>
#include <string>

namespace {

// The edit takes any text of any length, as if its input rules had let it through.
void forceText(QLineEdit* edit, const QString& text)
{
    edit->setValidator(nullptr);
    edit->setMaxLength(32767);
    edit->setText(text);
}

} // namespace

TEST(ConfigurationReadBack, OverlongTextsAreCutToTheirFieldsAndTerminated)
{
    SViewOnForm v;
    SMachineTypeData machine{};
    machine.eMachineType = MACHINE_TYPE_KVX_T_362;
    v.view->setMachineInfo(machine);
    v.config.iShipType = 37;
    v.config.iSrmEnable = 1;
    v.config.iSrmBoxCount = 4;
    v.config.iEncryptionPresent = 1;
    v.view->updateConfigurationInfo();

    Ui::AisConfiguration& ui = v.form;
    forceText(ui.edtCfgShipName, QString(40, QChar(0xB0))); // one Latin-1 byte each
    forceText(ui.edtCfgCallSign, "CALLSIGN1234");
    forceText(ui.edtCfgEncryptionCode, QString(150, 'K'));
    forceText(ui.edtCfgSRMText3, QString(200, ',')); // three bytes each once escaped

    CSensorConfig read;
    read.assign(&v.config);
    read.cCekStatus = 'X';
    read.iGroup108Value109 = 4242;
    v.view->getConfigData(&read);

    EXPECT_EQ(std::string(read.szShipName, sizeof(read.szShipName)),
              std::string(sizeof(read.szShipName) - 1, '\xB0') + '\0');
    EXPECT_EQ(std::string(read.szCallSign, sizeof(read.szCallSign)), std::string("CALLSIGN") + '\0');
    EXPECT_EQ(read.iShipType, 37);
    EXPECT_EQ(strnlen(read.szEncryptionCode, sizeof(read.szEncryptionCode)), sizeof(read.szEncryptionCode) - 1);
    EXPECT_EQ(read.cCekStatus, 'X');
    // Whole escapes only: 85 of them fill 255 bytes.
    const std::string srm(read.aszSrmBox[3], strnlen(read.aszSrmBox[3], sizeof(read.aszSrmBox[3])));
    EXPECT_EQ(srm.size(), 255u);
    EXPECT_EQ(srm.substr(0, 6), "^2C^2C");
    EXPECT_EQ(srm.substr(srm.size() - 3), "^2C");
    EXPECT_EQ(read.iGroup108Value109, 4242);
}
