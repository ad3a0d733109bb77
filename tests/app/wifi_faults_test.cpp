// Each Wi-Fi job with the module falling silent, refusing ("+err") or the transponder hanging up
// in its middle: no crash, no waiting page beyond the time-out, the link back to sentences, and
// a reconnect that starts clean; the same reconnect after a hang-up under an open dialog.
#include "WiFiWindow.h"

#include <cstring>
#include <ostream>

using namespace WiFiScope;
using namespace WiFiWindow;

namespace {

enum class JOB { Query, SetUp, Scan, Connect, ModeCtrl, FactoryReset };
enum class FAULT { Silent, Refused, HangUp };

struct SJobFault
{
    JOB job;
    FAULT fault;
    const char* word; // the command the fault strikes
    const char* name;
};

// Test listings name the case, not its bytes.
void PrintTo(const SJobFault& fault, std::ostream* out)
{
    *out << fault.name;
}

std::string nameOf(const ::testing::TestParamInfo<SJobFault>& info)
{
    return info.param.name;
}

class WiFiFaults : public WiFiWindowTest, public ::testing::WithParamInterface<SJobFault>
{
protected:
    void strike()
    {
        m_mark = m_module.commands().size();
        if (GetParam().fault == FAULT::Silent)
            m_module.silence(GetParam().word);
        else if (GetParam().fault == FAULT::Refused)
            m_module.refuse(GetParam().word);
    }

    // The job under way, up to its fault (the first query has already run, unless it is the job).
    void startJob()
    {
        // Only the struck command's wait is shortened: an answer, however late, is never timed out.
        device()->setWiFiReplyTimeoutMs(kShortReplyTimeoutMs, GetParam().word);
        if (GetParam().job == JOB::Query) {
            strike();
            ASSERT_TRUE(connectAndDetect());
            return;
        }
        const bool client = GetParam().job == JOB::Scan || GetParam().job == JOB::Connect;
        if (client)
            clientModule("");
        ASSERT_TRUE(connectAndQuery());
        openWiFiPage();
        switch (GetParam().job) {
        case JOB::SetUp:
            ui()->edtWifiCfgSSID->setText("Bridge Deck");
            ui()->edtWiFiCfgPassword->setText("seaworthy1");
            strike();
            QTest::mouseClick(ui()->btnWiFiCfgApply, Qt::LeftButton);
            break;
        case JOB::Scan:
            // Opening the page has started the first scan.
            strike();
            break;
        case JOB::Connect:
            ASSERT_TRUE(runJob());
            strike();
            doubleClickCell(1, 2); // the open network
            break;
        case JOB::ModeCtrl:
            strike();
            w().dialogs().answers.push_back(QMessageBox::Yes);
            clickRadio(ui()->rdbWiFiClient);
            break;
        case JOB::FactoryReset:
            QTest::mouseClick(ui()->btnWiFiAdvConfigDisp, Qt::LeftButton);
            strike();
            w().dialogs().answers.push_back(QMessageBox::Yes);
            QTest::mouseClick(ui()->btnWiFiFactoryReset, Qt::LeftButton);
            break;
        default:
            break;
        }
    }

    // The command the fault strikes has reached the module.
    bool struck()
    {
        const std::vector<std::string> commands = m_module.commands();
        for (size_t i = m_mark; i < commands.size(); ++i) {
            if (commands[i].compare(0, std::strlen(GetParam().word), GetParam().word) == 0)
                return true;
        }
        return false;
    }

    size_t m_mark = 0;
};

} // namespace

TEST_P(WiFiFaults, TheWindowRecoversAndTheLinkCarriesSentences)
{
    startJob();
    ASSERT_TRUE(tickUntil([&] { return struck(); }, 30));
    // The jobs after it are answered: they wait as long as the module may take.
    device()->setWiFiReplyTimeoutMs(CDeviceComm::kWiFiReplyTimeoutMs, GetParam().word);

    if (GetParam().fault == FAULT::HangUp) {
        ASSERT_TRUE(w().hangUp());
        // The window is back where a disconnection leaves it, whatever the job was doing.
        EXPECT_FALSE(waiting());
        EXPECT_TRUE(procIs(WIFI_MAIN_PROC_START));
        EXPECT_EQ(wifi()->m_cfgType, WIFI_CFG_QUERY);
        EXPECT_EQ(wifi()->systemMode(), WIFI_SYS_MODE_UNKNOWN);
        EXPECT_FALSE(ui()->wgMainMenu->isEnabled());
        EXPECT_TRUE(ui()->btnCommConnt->isEnabled());
        w().tick(3);

        // A new connection starts clean: the transponder is taken out of pass-through by the
        // detection, and the first query is the whole query and nothing else.
        ASSERT_TRUE(reconnectAndRunFirstJob());
        EXPECT_EQ(wireFromEnter(), passThrough(kQueries));
        EXPECT_TRUE(ui()->wgMainMenu->isEnabled());
        return;
    }

    // Silent or refused: the job ends, by its own road or by the 70 s limit (twice at most).
    const long long struckAt = AisConfiguration::nowSeconds();
    ASSERT_TRUE(runJob(160));
    EXPECT_LE(AisConfiguration::nowSeconds() - struckAt, 2 * 70 + 10);
    EXPECT_TRUE(sentenceMode());
    EXPECT_FALSE(w().sim().inPassThrough());
    EXPECT_TRUE(ui()->wgMainMenu->isEnabled());
    EXPECT_TRUE(ui()->btnCommConnt->isEnabled());
    // The link carries sentences again: the Diagnostics page's status query goes out.
    w().sim().clearReceived();
    QTest::mouseClick(ui()->btnMMDiagnostics, Qt::LeftButton);
    w().tick(2);
    EXPECT_TRUE(w().waitFor([this] { return !w().sim().receivedStartingWith("$PQXV,Q,CFG,8117").empty(); }));
}

INSTANTIATE_TEST_SUITE_P(
    EachJob, WiFiFaults,
    ::testing::Values(SJobFault{JOB::Query, FAULT::Silent, "AT+APSSID", "QuerySilent"},
                      SJobFault{JOB::Query, FAULT::Refused, "AT+APSSID", "QueryRefused"},
                      SJobFault{JOB::Query, FAULT::HangUp, "AT+APSSID", "QueryHangUp"},
                      SJobFault{JOB::SetUp, FAULT::Silent, "AT+APPLY", "SetUpSilent"},
                      SJobFault{JOB::SetUp, FAULT::Refused, "AT+APPLY", "SetUpRefused"},
                      SJobFault{JOB::SetUp, FAULT::HangUp, "AT+APCHAN", "SetUpHangUp"},
                      SJobFault{JOB::Scan, FAULT::Silent, "AT+SCAN", "ScanSilent"},
                      SJobFault{JOB::Scan, FAULT::Refused, "AT+SCAN", "ScanRefused"},
                      SJobFault{JOB::Scan, FAULT::HangUp, "AT+SCAN", "ScanHangUp"},
                      SJobFault{JOB::Connect, FAULT::Silent, "AT+WAPPLY", "ConnectSilent"},
                      SJobFault{JOB::Connect, FAULT::Refused, "AT+WAPPLY", "ConnectRefused"},
                      SJobFault{JOB::Connect, FAULT::HangUp, "AT+SECMODE", "ConnectHangUp"},
                      SJobFault{JOB::ModeCtrl, FAULT::Silent, "AT+WAPPLY", "ModeCtrlSilent"},
                      SJobFault{JOB::ModeCtrl, FAULT::Refused, "AT+WAPPLY", "ModeCtrlRefused"},
                      SJobFault{JOB::ModeCtrl, FAULT::HangUp, "AT+DHCPCEN", "ModeCtrlHangUp"},
                      SJobFault{JOB::FactoryReset, FAULT::Silent, "AT+APPLY", "FactoryResetSilent"},
                      SJobFault{JOB::FactoryReset, FAULT::Refused, "AT+APPLY", "FactoryResetRefused"},
                      SJobFault{JOB::FactoryReset, FAULT::HangUp, "AT+FACTDEF", "FactoryResetHangUp"}),
    nameOf);

namespace {

// A dialog of the Wi-Fi page or of a job, open when the transponder hangs up.
enum class DIALOG { FactoryResetQuestion, RefusedInputBox, JoinPassword, ConnectFailureBox };

struct SDialogCase
{
    DIALOG dialog;
    const char* name;
};

void PrintTo(const SDialogCase& c, std::ostream* out)
{
    *out << c.name;
}

std::string dialogName(const ::testing::TestParamInfo<SDialogCase>& info)
{
    return info.param.name;
}

class WiFiHangUpUnderDialog : public WiFiWindowTest, public ::testing::WithParamInterface<SDialogCase>
{
};

} // namespace

// The answer to a dialog belongs to the link that was there when it opened: after a hang-up under
// it, the next connection starts with its own first query and nothing of the old answer.
TEST_P(WiFiHangUpUnderDialog, TheNextConnectionStartsWithItsFirstQueryOnly)
{
    const DIALOG dialog = GetParam().dialog;
    const bool client = dialog == DIALOG::JoinPassword || dialog == DIALOG::ConnectFailureBox;
    if (client)
        clientModule("");
    if (dialog == DIALOG::ConnectFailureBox)
        m_module.setJoinDelayMs(-1);
    ASSERT_TRUE(connectAndQuery());
    openWiFiPage();
    if (client) {
        ASSERT_TRUE(runJob()); // the first scan
    }

    bool hungUp = false;
    {
        CWhileBoxOpen box(w().dialogs(), [&] {
            hungUp = true;
            EXPECT_TRUE(w().hangUp());
        });
        switch (dialog) {
        case DIALOG::FactoryResetQuestion:
            QTest::mouseClick(ui()->btnWiFiAdvConfigDisp, Qt::LeftButton);
            w().dialogs().answers.push_back(QMessageBox::Yes);
            QTest::mouseClick(ui()->btnWiFiFactoryReset, Qt::LeftButton);
            break;
        case DIALOG::RefusedInputBox:
            ui()->edtWifiCfgSSID->clear();
            QTest::mouseClick(ui()->btnWiFiCfgApply, Qt::LeftButton);
            break;
        case DIALOG::JoinPassword: {
            // Through the row's picture, whose item goes with the list the hang-up empties.
            clickCell(0, 2);
            ASSERT_TRUE(showsPicture(0, 3, "7.Connect"));
            w().dialogs().texts.push_back({"harbour2024", true});
            clickCell(0, 3);
            break;
        }
        case DIALOG::ConnectFailureBox:
            w().dialogs().texts.push_back({"marina-pass", true});
            doubleClickCell(2, 2);
            tickUntil([&] { return hungUp; });
            break;
        }
    }
    ASSERT_TRUE(hungUp);
    EXPECT_TRUE(procIs(WIFI_MAIN_PROC_START));
    EXPECT_EQ(wifi()->m_cfgType, WIFI_CFG_QUERY);
    EXPECT_EQ(wifi()->m_jobStep, 0);

    const size_t commands = m_module.commands().size();
    ASSERT_TRUE(reconnectAndRunFirstJob());
    EXPECT_EQ(wireFromEnter(), passThrough(kQueries));
    EXPECT_EQ(m_module.commands().size(), commands + kQueries.size());
    EXPECT_EQ(wifi()->m_settingsReadOnce, 1);
    EXPECT_TRUE(ui()->wgMainMenu->isEnabled());
}

INSTANTIATE_TEST_SUITE_P(EachDialog, WiFiHangUpUnderDialog,
                         ::testing::Values(SDialogCase{DIALOG::FactoryResetQuestion, "FactoryResetQuestion"},
                                           SDialogCase{DIALOG::RefusedInputBox, "RefusedInputBox"},
                                           SDialogCase{DIALOG::JoinPassword, "JoinPassword"},
                                           SDialogCase{DIALOG::ConnectFailureBox, "ConnectFailureBox"}),
                         dialogName);
