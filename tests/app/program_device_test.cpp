// Program Device and the MMSI reset through the real window and the simulated transponder: the
// user's changes typed into the page, the question answered through the dialog seam, the exact
// sentences on the wire in order, and the read-back that shows what the transponder now holds.
#include "MainRoadSupport.h"

#include <QCheckBox>
#include <QLabel>
#include <algorithm>
#include <cstring>
#include <functional>
#include <gtest/gtest.h>

using namespace MainRoad;

namespace {

const QString kConfirm = "Save settings to device?";

void withoutWiFi(CWindowHarness& w)
{
    w.sim().modifyState([](SSimTransponderState& s) {
        s.wifiModule = 0;
        s.wifiPresent = 0;
    });
}

// Connected, configuration shown, Configuration page open.
void ready(CWindowHarness& w)
{
    withoutWiFi(w);
    ASSERT_TRUE(detectOnce(w));
    openConfigurationPage(w);
    ASSERT_EQ(w.ui()->tbwgMain->currentWidget(), w.ui()->tabMainConfiguration);
}

void turnToPage(CWindowHarness& w, int page)
{
    clickPanel(w, page == 1 ? w.ui()->wgCfgRightPage : w.ui()->wgCfgLeftPage);
    ASSERT_EQ(w.view()->cfgLayoutInfo.iCurrentPage, page);
}

void showAdvancedRows(CWindowHarness& w)
{
    if (!w.ui()->lblCfgTransceiver->isVisible())
        QTest::mouseClick(w.ui()->btnCfgAdvancedConfDisp, Qt::LeftButton);
    w.processEvents();
}

int questionsAsked(CWindowHarness& w)
{
    int count = 0;
    for (const ScriptedDialogs::SAsked& a : w.dialogs().asked)
        count += a.text == kConfirm ? 1 : 0;
    return count;
}

std::string hexOf(const std::string& text)
{
    std::string hex;
    char pair[3];
    for (unsigned char c : text) {
        std::snprintf(pair, sizeof(pair), "%02X", c);
        hex += pair;
    }
    return hex;
}

// Answers the window's boxes as ScriptedDialogs does, after running a step while the box is open
// (the box's own event loop runs meanwhile, as a real modal box's does).
class DialogsWithStep : public ScriptedDialogs
{
public:
    QMessageBox::StandardButton messageBox(QMessageBox::Icon icon, QWidget* parent, const QString& title,
                                           const QString& text, QMessageBox::StandardButtons buttons,
                                           QMessageBox::StandardButton defaultButton) override
    {
        ++depth;
        maxDepth = std::max(maxDepth, depth);
        if (step)
            step(text);
        const QMessageBox::StandardButton answer =
            ScriptedDialogs::messageBox(icon, parent, title, text, buttons, defaultButton);
        --depth;
        return answer;
    }

    std::function<void(const QString&)> step;
    int depth = 0;
    int maxDepth = 0;
};

} // namespace

// "KVX-T-362" with a programmed MMSI: every group of both pages edited with the keyboard and the
// mouse, confirmed, then SSD, VSD, the advanced and baud-rate debug sentences, the ALR, SRM and
// encryption settings, the key exchange and the read, in this order; the read-back shows the
// transponder's new values.
TEST(ProgramDevice, KvxWritesEveryGroupInOrderAndReadsBack)
{
    CWindowHarness w(1);
    ready(w);
    Ui::AisConfiguration* ui = w.ui();

    typeInto(ui->edtCfgShipName, "NORTH STAR");
    typeInto(ui->edtCfgCallSign, "PD6543");
    chooseItem(ui->cbbxCfgVesselType, 12); // 52 = Tug
    typeInto(ui->spbxCfgVslDimA, 20);
    typeInto(ui->spbxCfgVslDimC, 4);
    chooseItem(ui->cbbxCfgNmea1Output, 2); // 4800
    chooseItem(ui->cbbxCfgNmea2Input, 0);  // 38400
    typeInto(ui->edtCfgSRMText0, "MAYDAY TEST");
    turnToPage(w, 1);
    showAdvancedRows(w);
    chooseItem(ui->cbbxCfgDscMonitoring, 0);  // OFF
    chooseItem(ui->cbbxCfgGpsUpdateRate, 5);  // 5s
    chooseItem(ui->cbbxCfgGpsMode, 1);        // at sea level
    chooseItem(ui->cbbxCfgAlrSentence, 1);    // ON
    QTest::mouseClick(ui->chbxEncryptionModeEnable, Qt::LeftButton, Qt::NoModifier, QPoint(8, 8));
    ASSERT_TRUE(ui->wgCfgEncryptionAddressMode->isEnabled());
    QTest::mouseClick(ui->chbxEncryptionAddressMode, Qt::LeftButton, Qt::NoModifier, QPoint(8, 8));
    typeInto(ui->edtCfgEncryptionMMSI, "211000001");
    typeInto(ui->edtCfgEncryptionCode, "SECRET1");
    w.grab("program-kvx-edited");

    CWireLog log(w);
    w.dialogs().answers.push_back(QMessageBox::Yes);
    clickProgramDevice(w);

    ASSERT_EQ(w.dialogs().asked.size(), 1);
    const ScriptedDialogs::SAsked& asked = w.dialogs().asked.back();
    EXPECT_EQ(asked.title, "Configuration");
    EXPECT_EQ(asked.text, kConfirm);
    EXPECT_EQ(asked.buttons, QMessageBox::Yes | QMessageBox::No);
    EXPECT_EQ(asked.defaultButton, QMessageBox::Yes);

    const std::vector<std::string> expected = concat(
        wire({"$ECSSD,PD6543,NORTH STAR,20,5,4,3,,", "$ECVSD,52,,,,,,,,", "$PDBG,101,0,50,0,51,5,703,5,",
              "$PQXV,C,CFG,108,6,0,", "$PDBG,40,2,42,6,38,2,39,6,", "$PQXV,C,CFG,30,3,14,MAYDAY TEST",
              "$PQXV,C,CFG,108,3,1,", "$PQXV,C,CFG,108,4,1,", "$PQXV,C,CFG,108,5,211000001,",
              "$AICEK,1,1,0,366999000," + hexOf("SECRET1") + ",C"}),
        fullRead(1));
    ASSERT_TRUE(log.waitForCount(expected.size()));
    EXPECT_EQ(log.lines(), expected);

    ASSERT_TRUE(readBack(w));
    const SSimTransponderState s = w.sim().state();
    EXPECT_EQ(s.shipName, "NORTH STAR");
    EXPECT_EQ(s.gpsDynModel, 5);
    EXPECT_EQ(s.encryptionCode, "SECRET1");
    turnToPage(w, 0);
    EXPECT_EQ(ui->edtCfgShipName->text(), "NORTH STAR");
    EXPECT_EQ(ui->edtCfgCallSign->text(), "PD6543");
    EXPECT_EQ(ui->cbbxCfgVesselType->currentText(), "52 = Tug");
    EXPECT_EQ(ui->spbxCfgVslDimA->value(), 20);
    EXPECT_EQ(ui->spbxCfgVslDimC->value(), 4);
    EXPECT_EQ(ui->cbbxCfgNmea1Output->currentText(), "4800");
    EXPECT_EQ(ui->cbbxCfgNmea2Input->currentText(), "38400");
    EXPECT_EQ(ui->edtCfgSRMText0->text(), "MAYDAY TEST");
    EXPECT_EQ(ui->cbbxCfgDscMonitoring->currentText(), "OFF");
    EXPECT_EQ(ui->cbbxCfgGpsUpdateRate->currentText(), "5s");
    EXPECT_EQ(ui->cbbxCfgGpsMode->currentIndex(), 1);
    EXPECT_EQ(ui->cbbxCfgAlrSentence->currentText(), "ON");
    EXPECT_TRUE(ui->chbxEncryptionModeEnable->isChecked());
    EXPECT_TRUE(ui->chbxEncryptionAddressMode->isChecked());
    EXPECT_EQ(ui->edtCfgEncryptionMMSI->text(), "211000001");
    EXPECT_EQ(ui->edtCfgEncryptionCode->text(), "SECRET1");
    w.grab("program-kvx-read-back");

    // A second programming: the key exchange takes the next sequence number.
    log.mark();
    clickProgramDevice(w);
    const std::string cek = wire("$AICEK,1,1,1,366999000," + hexOf("SECRET1") + ",C");
    ASSERT_TRUE(log.waitForTail(wire("$PTST,,,,,16")));
    const std::vector<std::string> second = log.lines();
    EXPECT_EQ(std::count(second.begin(), second.end(), cek), 1);
    EXPECT_TRUE(w.waitFor([&] { return w.sim().state().cekSequence == 1; }));
}

// "T-275": SSD, VSD, the advanced debug sentence, ALR in group 31, the two EPV properties and
// the port rates in the proprietary debug sentence; no SRM, no encryption.
TEST(ProgramDevice, T275WritesItsSentencesInOrderAndReadsBack)
{
    CWindowHarness w(2);
    ready(w);
    Ui::AisConfiguration* ui = w.ui();

    typeInto(ui->edtCfgShipName, "HARBOUR ONE");
    typeInto(ui->spbxCfgVslDimB, 7);
    chooseItem(ui->cbbxCfgNmea1Input, 2); // 4800
    chooseItem(ui->cbbxCfgNmea2Input, 0); // 38400
    showAdvancedRows(w);
    chooseItem(ui->cbbxCfgAlrSentence, 0); // OFF
    ASSERT_TRUE(ui->chbxCfgMsg27->isChecked());
    QTest::mouseClick(ui->chbxCfgMsg27, Qt::LeftButton, Qt::NoModifier, QPoint(8, 8));
    ASSERT_FALSE(ui->chbxCfgMsg27->isChecked());

    CWireLog log(w);
    clickProgramDevice(w);
    const std::vector<std::string> expected =
        concat(wire({"$ECSSD,WDA1234,HARBOUR ONE,10,7,2,3,,", "$ECVSD,37,,,,,,,,", "$PDBG,101,1,50,0,51,2,703,4,",
                     "$PQXV,C,CFG,31,7,1,", "$AIEPV,C,AI,366123456,109,0", "$AIEPV,C,AI,366123456,110,0",
                     "$PQXV,C,DBG,40,6,41,2,,,,,"}),
               fullRead(2));
    ASSERT_TRUE(log.waitForCount(expected.size()));
    EXPECT_EQ(log.lines(), expected);

    ASSERT_TRUE(readBack(w));
    EXPECT_EQ(ui->edtCfgShipName->text(), "HARBOUR ONE");
    EXPECT_EQ(ui->spbxCfgVslDimB->value(), 7);
    EXPECT_EQ(ui->cbbxCfgNmea1Input->currentText(), "4800");
    EXPECT_EQ(ui->cbbxCfgNmea2Input->currentText(), "38400");
    EXPECT_EQ(ui->cbbxCfgAlrSentence->currentText(), "OFF");
    EXPECT_FALSE(ui->chbxCfgMsg27->isChecked());
    w.grab("program-t275-read-back");
}

// A transponder without an MMSI: the field is empty and open; a new MMSI is checked against the
// ranges, bounds included, and goes out in its own sentence right after SSD.
TEST(ProgramDevice, FirstMmsiIsRangeCheckedAndFollowsSsd)
{
    CWindowHarness w(1);
    w.sim().modifyState([](SSimTransponderState& s) { s.mmsi = 0; });
    ready(w);
    Ui::AisConfiguration* ui = w.ui();
    EXPECT_TRUE(ui->edtCfgMmsi->text().isEmpty());
    EXPECT_TRUE(ui->edtCfgMmsi->isEnabled());

    CWireLog log(w);
    struct SBound
    {
        const char* mmsi;
        bool valid;
    };
    const SBound bounds[] = {{"199999999", false}, {"200000000", true},  {"799999999", true},
                             {"800000000", false}, {"981999999", false}, {"982000000", true},
                             {"987999999", true},  {"988000000", false}};
    for (const SBound& b : bounds) {
        typeInto(ui->edtCfgMmsi, b.mmsi);
        const int before = w.dialogs().asked.size();
        w.dialogs().answers.push_back(QMessageBox::No); // a valid one is asked about, and not written
        clickProgramDevice(w);
        ASSERT_EQ(w.dialogs().asked.size(), before + 1) << b.mmsi;
        const ScriptedDialogs::SAsked& asked = w.dialogs().asked.back();
        if (b.valid) {
            EXPECT_EQ(asked.text, kConfirm) << b.mmsi;
        } else {
            EXPECT_EQ(asked.title, "Configuration") << b.mmsi;
            EXPECT_EQ(asked.text, "The entered MMSI is not in the valid range") << b.mmsi;
            EXPECT_EQ(asked.buttons, QMessageBox::Ok) << b.mmsi;
            EXPECT_FALSE(asked.hasParent) << b.mmsi;
            w.dialogs().answers.clear();
        }
        EXPECT_EQ(ui->edtCfgMmsi->text(), b.mmsi) << "the input stays for correction";
    }
    EXPECT_EQ(w.handle()->getDisplayedConfig()->iMmsi, 0u) << "No leaves the displayed record";

    // Yes: the MMSI sentence right after SSD, then the rest. Nothing of the refused or declined
    // clicks went out before it.
    typeInto(ui->edtCfgMmsi, "244123456");
    w.dialogs().answers.push_back(QMessageBox::Yes);
    clickProgramDevice(w);
    ASSERT_TRUE(log.waitForTail(wire("$PTST,,,,,16")));
    const std::vector<std::string> lines = log.lines();
    ASSERT_GE(lines.size(), 3u);
    EXPECT_EQ(lines[0], wire("$ECSSD,WDA1234,SEA SIMULATOR,10,5,2,3,,"));
    EXPECT_EQ(lines[1], wire("$PQXV,C,MID,244123456"));
    EXPECT_EQ(lines[2], wire("$ECVSD,37,,,,,,,,"));
    EXPECT_EQ(std::count(lines.begin(), lines.end(), wire("$PQXV,C,MID,244123456")), 1);

    ASSERT_TRUE(readBack(w));
    EXPECT_EQ(ui->edtCfgMmsi->text(), "244123456");
    EXPECT_FALSE(ui->edtCfgMmsi->isEnabled());

    // Programmed now: no MMSI sentence any more.
    log.mark();
    clickProgramDevice(w);
    ASSERT_TRUE(log.waitForTail(wire("$PTST,,,,,16")));
    for (const std::string& line : log.lines())
        EXPECT_EQ(line.rfind("$PQXV,C,MID", 0), std::string::npos) << line;
}

// A blank ship's name or call sign is refused while the transponder holds one.
TEST(ProgramDevice, BlankNameOrCallSignIsRefused)
{
    CWindowHarness w(1);
    ready(w);
    CWireLog log(w);
    w.ui()->edtCfgShipName->clear();
    clickProgramDevice(w);
    ASSERT_EQ(w.dialogs().asked.size(), 1);
    EXPECT_EQ(w.dialogs().asked.back().text, "The field \u201cShip's Name\u201d cannot be left blank");
    EXPECT_TRUE(w.dialogs().asked.back().hasParent);
    typeInto(w.ui()->edtCfgShipName, "BACK AGAIN");
    w.ui()->edtCfgCallSign->clear();
    clickProgramDevice(w);
    ASSERT_EQ(w.dialogs().asked.size(), 2);
    EXPECT_EQ(w.dialogs().asked.back().text, "The field \u201cCall Sign\u201d cannot be left blank");
    EXPECT_EQ(questionsAsked(w), 0);
    // The next real programming is the first thing on the wire.
    typeInto(w.ui()->edtCfgCallSign, "CALL1");
    clickProgramDevice(w);
    ASSERT_TRUE(log.waitForCount(1));
    EXPECT_EQ(log.lines().front(), wire("$ECSSD,CALL1,BACK AGAIN,10,5,2,3,,"));
}

// The reserved characters of a sentence travel as a caret and two hexadecimal digits; the
// transponder takes them back and the read-back shows them as typed.
TEST(ProgramDevice, ReservedCharactersAreEscapedInNameAndCallSign)
{
    CWindowHarness w(2);
    ready(w);
    typeInto(w.ui()->edtCfgShipName, "A,B*C^~\\!$");
    typeInto(w.ui()->edtCfgCallSign, "X,Y*Z");
    CWireLog log(w);
    clickProgramDevice(w);
    ASSERT_TRUE(log.waitForCount(1));
    EXPECT_EQ(log.lines().front(), wire("$ECSSD,X^2CY^2AZ,A^2CB^2AC^5E^7E^5C^21^24,10,5,2,3,,"));
    ASSERT_TRUE(readBack(w));
    EXPECT_EQ(w.sim().state().shipName, "A,B*C^~\\!$");
    EXPECT_EQ(w.ui()->edtCfgShipName->text(), "A,B*C^~\\!$");
    EXPECT_EQ(w.ui()->edtCfgCallSign->text(), "X,Y*Z");
}

// A double click on the MMSI caption resets the transponder's MMSI and reads it back: the field
// is then empty and open for a new MMSI.
TEST(ProgramDevice, MmsiResetByDoubleClickOnTheCaption)
{
    CWindowHarness w(1);
    ready(w);
    ASSERT_FALSE(w.ui()->edtCfgMmsi->isEnabled());
    CWireLog log(w);
    QTest::mouseDClick(&w.view()->mmsiLabel, Qt::LeftButton);
    const std::vector<std::string> expected = concat(wire(std::vector<std::string>{"$PQXV,C,MID,0"}), fullRead(1));
    ASSERT_TRUE(log.waitForCount(expected.size()));
    EXPECT_EQ(log.lines(), expected);
    ASSERT_TRUE(readBack(w));
    EXPECT_EQ(w.sim().state().mmsi, 0u);
    EXPECT_TRUE(w.ui()->edtCfgMmsi->text().isEmpty());
    EXPECT_TRUE(w.ui()->edtCfgMmsi->isEnabled());
    w.grab("program-mmsi-reset");
}

// Values the page cannot show are kept, not replaced by the list's first entry or by zero; texts
// come back as they were shown, byte for byte; every character of the encryption code gives two
// hexadecimal digits.
TEST(ProgramDevice, WhatThePageCannotShowOrTypeComesBackUnchanged)
{
    CWindowHarness w(1);
    w.sim().modifyState([](SSimTransponderState& s) {
        s.shipType = 99;   // not in the vessel-type list
        s.gpsRi = 15;      // beyond the update-rate list
        s.baudCode[1] = 0; // 115200: not offered by the page
        s.shipName = "SEA\xB0";
        s.srmFlags = 0;
        s.srmBoxCount = 4;
        s.srmBox[1] = "A^B0B"; // a degree sign, escaped
        s.encryptionCode = "K\xB0Y";
    });
    ready(w);
    Ui::AisConfiguration* ui = w.ui();
    EXPECT_EQ(ui->cbbxCfgVesselType->currentIndex(), -1);
    EXPECT_EQ(ui->cbbxCfgGpsUpdateRate->currentIndex(), -1);
    EXPECT_EQ(ui->cbbxCfgNmea1Output->currentIndex(), -1);
    EXPECT_EQ(ui->edtCfgShipName->text(), QString::fromUtf8("SEA\u00B0"));
    EXPECT_EQ(ui->edtCfgSRMText1->text(), QString::fromUtf8("A\u00B0B"));
    EXPECT_EQ(ui->edtCfgEncryptionCode->text(), QString::fromUtf8("K\u00B0Y"));

    CWireLog log(w);
    clickProgramDevice(w);
    const CSensorConfig* displayed = w.handle()->getDisplayedConfig();
    EXPECT_EQ(displayed->iShipType, 99);
    EXPECT_EQ(displayed->iGpsUpdateRate, 15);
    EXPECT_EQ(displayed->iNmea1OutBaud, 115200);
    ASSERT_TRUE(log.waitForTail(wire("$PTST,,,,,16")));
    const std::vector<std::string> lines = log.lines();
    auto sent = [&lines](const std::string& body) {
        return std::count(lines.begin(), lines.end(), wire(body)) == 1;
    };
    EXPECT_TRUE(sent("$ECSSD,WDA1234,SEA\xB0,10,5,2,3,,"));
    EXPECT_TRUE(sent("$ECVSD,99,,,,,,,,"));
    EXPECT_TRUE(sent("$PDBG,101,1,50,0,51,15,703,4,"));
    EXPECT_TRUE(sent("$PDBG,40,2,0,0,38,5,39,6,")) << "the port the page cannot set is left alone";
    EXPECT_TRUE(sent("$PQXV,C,CFG,30,5,1,A^B0B"));
    EXPECT_TRUE(sent("$AICEK,1,1,0,366999000,4BB059,C"));
}

// "No" writes nothing and leaves the displayed record as it was.
TEST(ProgramDevice, NoWritesNothing)
{
    CWindowHarness w(2);
    ready(w);
    typeInto(w.ui()->edtCfgShipName, "NOT WRITTEN");
    const CSensorConfig before = *w.handle()->getDisplayedConfig();
    CWireLog log(w);
    w.dialogs().answers.push_back(QMessageBox::No);
    clickProgramDevice(w);
    EXPECT_EQ(questionsAsked(w), 1);
    EXPECT_EQ(std::memcmp(&before, w.handle()->getDisplayedConfig(), sizeof(CSensorConfig)), 0);
    // Anything the declined click had queued would arrive before the MMSI reset's sentence.
    w.window()->onMmsiReset();
    ASSERT_TRUE(log.waitForCount(1));
    EXPECT_EQ(log.lines().front(), wire("$PQXV,C,MID,0"));
}

// The transponder unplugged in the middle of the sentences: what it took stays in it, nothing is
// left half-shown or stuck, and the next connection shows what it really holds.
TEST(ProgramDevice, HangUpInTheMiddleLeavesNothingHalfShown)
{
    CWindowHarness w(1);
    ready(w);
    typeInto(w.ui()->edtCfgShipName, "HALF WAY");
    chooseItem(w.ui()->cbbxCfgNmea1Input, 2); // 4800, in a later sentence than the name
    CWireLog log(w);
    clickProgramDevice(w);
    // Unplugged as the second sentence arrives; the port rates would come three sentences later.
    ASSERT_TRUE(log.waitForCount(2));
    w.sim().hangUp();
    EXPECT_EQ(log.lines()[1], wire("$ECVSD,37,,,,,,,,"));
    ASSERT_TRUE(w.waitFor([&] { return !w.ui()->btnCommConnt->isChecked() && w.ui()->btnCommConnt->isEnabled(); }));
    EXPECT_EQ(w.detectState(), COMM_TRX_DEV_NONE);
    EXPECT_FALSE(w.ui()->wgMainMenu->isEnabled());
    EXPECT_EQ(w.handle()->getDisplayedConfig()->szShipName[0], '\0');
    w.tick(3);
    EXPECT_EQ(w.detectState(), COMM_TRX_DEV_NONE);

    ASSERT_TRUE(w.sim().reopen());
    ASSERT_TRUE(detectOnce(w));
    openConfigurationPage(w);
    EXPECT_EQ(w.ui()->edtCfgShipName->text(), "HALF WAY") << "taken before the hang-up";
    EXPECT_EQ(w.ui()->cbbxCfgNmea1Input->currentText(), "38400") << "never reached the transponder";
    EXPECT_TRUE(w.view()->cfgLayoutInfo.bBuilt);
}

// The link lost while the question waits: the answer Yes finds no transponder, so nothing is
// sent and the lost transponder's configuration is not shown as written.
TEST(ProgramDevice, LinkLostWhileAskingWritesNothing)
{
    CWindowHarness w(1);
    ready(w);
    DialogsWithStep dialogs;
    dialogs.step = [&](const QString& text) {
        if (text != kConfirm)
            return;
        w.sim().hangUp();
        w.waitFor([&] { return !w.ui()->btnCommConnt->isChecked() && w.ui()->btnCommConnt->isEnabled(); });
    };
    dialogs.answers.push_back(QMessageBox::Yes);
    typeInto(w.ui()->edtCfgShipName, "NEVER SENT");
    clickProgramDevice(w);
    ASSERT_EQ(dialogs.asked.size(), 1);
    EXPECT_EQ(w.detectState(), COMM_TRX_DEV_NONE);
    EXPECT_EQ(w.handle()->getDisplayedConfig()->szShipName[0], '\0');
}
