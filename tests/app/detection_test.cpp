// Detection of the transponder on the 1 s tick, through the real window and the simulated
// transponder: the version query and its repeats, the full read and its repeats, the hand-over of
// the received configuration, and what a silent, garbling or vanishing transponder leaves behind.
#include "MainRoadSupport.h"

#include "device/CommSpaceManage.h"

#include <algorithm>
#include <gtest/gtest.h>

using namespace MainRoad;

namespace {

struct SModelCase
{
    int model;
    MACHINE_TYPE type;
    int cfgGroup;
};

class Detection : public ::testing::TestWithParam<SModelCase>
{
};

// The configuration is not available until it has been shown: Home only, menu disabled.
void expectHomeOnly(CWindowHarness& w, const char* when)
{
    EXPECT_FALSE(w.ui()->wgMainMenu->isEnabled()) << when;
    EXPECT_FALSE(w.ui()->tbwgMain->isVisible()) << when;
    EXPECT_TRUE(w.ui()->wgMainContent->isVisible()) << when;
}

} // namespace

// The version query on the first tick, the full read five seconds after it and again on every
// tick until the system-data text has ended, then the hand-over: exact lines, by tick.
TEST_P(Detection, SentencesByTickThenTheConfigurationShows)
{
    const SModelCase c = GetParam();
    CWindowHarness w(c.model);
    // Without a Wi-Fi module the menu opens as soon as the configuration shows.
    w.sim().modifyState([](SSimTransponderState& s) { s.wifiModule = 0; });
    // The first read gets no system-data text, so the read must be repeated on the next tick.
    w.sim().addFault("$PTST", SIM_FAULT::Drop);
    ASSERT_TRUE(w.connect());
    CWireLog log(w);

    w.tick(); // second 1: the stamp was 0, so the query goes at once
    ASSERT_TRUE(log.waitForCount(2));
    EXPECT_EQ(log.lines(), (std::vector<std::string>{kLeaveWiFi, kVersionQuery}));
    ASSERT_TRUE(w.waitFor([&] { return w.detectState() == COMM_TRX_DEV_IDENTIFIED; }));
    expectHomeOnly(w, "model identified");

    // Seconds 2 to 5: the view learns the model at once; nothing is sent.
    w.tick();
    EXPECT_EQ(w.view()->machineInfo.eMachineType, c.type);
    EXPECT_EQ(w.view()->machineInfo.iCfgGroup, c.cfgGroup);
    w.tick(3);
    log.mark();

    w.tick(); // second 6: five seconds after the accepted query
    const std::vector<std::string> read = fullRead(c.model);
    ASSERT_TRUE(log.waitForCount(read.size()));
    EXPECT_EQ(log.lines(), read) << "nothing went out between the query and the read";
    EXPECT_EQ(w.detectState(), COMM_TRX_DEV_IDENTIFIED);

    log.mark();
    w.tick(); // second 7: the system-data text is still missing, so the read goes again
    ASSERT_TRUE(log.waitForCount(read.size()));
    EXPECT_EQ(log.lines(), read);
    ASSERT_TRUE(w.waitFor([&] { return w.detectState() == COMM_TRX_DEV_CONFIG_TEXT; }));
    expectHomeOnly(w, "configuration text received, not yet shown");

    log.mark();
    w.tick(); // second 8: handed over
    EXPECT_EQ(w.detectState(), COMM_TRX_DEV_CONFIG_SHOWN);
    EXPECT_TRUE(w.ui()->wgMainMenu->isEnabled());
    EXPECT_TRUE(w.ui()->lblConntStatus->text().isEmpty());
    const SSimTransponderState sim = w.sim().state();
    const CSensorConfig* shown = w.handle()->getDisplayedConfig();
    EXPECT_EQ(shown->iMmsi, sim.mmsi);
    EXPECT_STREQ(shown->szShipName, sim.shipName.c_str());

    // Once shown, the ticks read nothing more on the Home page.
    w.tick(3);
    w.processEvents();
    EXPECT_TRUE(log.lines().empty());
}

INSTANTIATE_TEST_SUITE_P(BothModels, Detection,
                         ::testing::Values(SModelCase{1, MACHINE_TYPE_KVX_T_362, 108},
                                           SModelCase{2, MACHINE_TYPE_T_275, 600}),
                         [](const auto& info) { return "Model" + std::to_string(info.param.model); });

// A transponder that never answers is asked every two seconds for as long as the link is open,
// and nothing but the detection tip is shown.
TEST(DetectionFaults, SilentTransponderIsPolledEveryTwoSeconds)
{
    CWindowHarness w;
    for (int i = 0; i < 10; ++i)
        w.sim().addFault("!AIAIQ,VER", SIM_FAULT::Drop);
    ASSERT_TRUE(w.connect());
    CWireLog log(w);

    std::vector<std::string> expected;
    for (int second = 1; second <= 7; ++second) {
        w.tick();
        if (second % 2 == 1) {
            expected.push_back(kLeaveWiFi);
            expected.push_back(kVersionQuery);
            // Whatever an even second had sent would have arrived before this pair.
            ASSERT_TRUE(log.waitForCount(expected.size())) << "second " << second;
            EXPECT_EQ(log.lines(), expected) << "second " << second;
        }
    }
    EXPECT_EQ(w.detectState(), COMM_TRX_DEV_OPENED);
    EXPECT_EQ(w.view()->machineInfo.eMachineType, MACHINE_TYPE_NONE);
    expectHomeOnly(w, "never answered");
    EXPECT_EQ(w.ui()->lblConntStatus->text(), "Determining the AIS Device Type...");
    EXPECT_TRUE(w.dialogs().asked.isEmpty());
}

// A version reply with a wrong checksum, or with a character changed, names no model: it is
// ignored and the next query, two seconds later, is answered and taken.
TEST(DetectionFaults, DamagedVersionRepliesAreIgnored)
{
    for (SIM_FAULT fault : {SIM_FAULT::WrongChecksum, SIM_FAULT::Garble}) {
        CWindowHarness w;
        w.sim().addFault("!AIAIQ,VER", fault);
        ASSERT_TRUE(w.connect());
        CWireLog log(w);
        w.tick();
        ASSERT_TRUE(w.waitFor([&] { return w.sim().pendingFaults() == 0 && !w.sim().sent().empty(); }));
        // The damaged reply has been written and read.
        w.waitSettled();
        EXPECT_EQ(w.detectState(), COMM_TRX_DEV_OPENED);
        w.tick(); // second 2: no query
        w.tick(); // second 3: asked again, answered soundly
        ASSERT_TRUE(log.waitForCount(4));
        EXPECT_EQ(log.lines(), (std::vector<std::string>{kLeaveWiFi, kVersionQuery, kLeaveWiFi, kVersionQuery}));
        EXPECT_TRUE(w.waitFor([&] { return w.detectState() == COMM_TRX_DEV_IDENTIFIED; }));
    }
}

// Configuration replies with a wrong checksum or a changed character change nothing: the values
// they carried stay as they were, the rest of the read is shown.
TEST(DetectionFaults, DamagedConfigurationRepliesAreIgnored)
{
    CWindowHarness w;
    // The read may be repeated before its system-data text arrives: every read gets them.
    for (int i = 0; i < 20; ++i) {
        w.sim().addFault("$PQXV,Q,CFG,183", SIM_FAULT::Garble);
        w.sim().addFault("$PQXV,Q,CFG,108", SIM_FAULT::WrongChecksum);
    }
    ASSERT_TRUE(detectOnce(w));
    const CSensorConfig* shown = w.handle()->getDisplayedConfig();
    EXPECT_EQ(shown->iNmea1InBaud, 0);
    EXPECT_EQ(shown->iNmea2000Instance, 0);
    EXPECT_EQ(shown->iEncryptionPresent, 0);
    EXPECT_EQ(shown->iSrmEnable, 0);
    EXPECT_STREQ(shown->szShipName, w.sim().state().shipName.c_str());
    openConfigurationPage(w);
    EXPECT_EQ(w.ui()->cbbxCfgNmea1Input->currentIndex(), -1);
    EXPECT_FALSE(w.ui()->wgCfgEncryption->isVisibleTo(w.ui()->wgConfiguration));
}

// The transponder unplugged in the middle of the read: nothing of it is shown, the window is back
// to its state before Connect, and a new connection detects from the start.
TEST(DetectionFaults, HangUpDuringTheReadLeavesNothingAndReconnectStartsClean)
{
    CWindowHarness w;
    w.sim().addFault("$PQXV,Q,CFG,183", SIM_FAULT::HangUp, 2);
    ASSERT_TRUE(w.connect());
    w.tick(); // version query
    ASSERT_TRUE(w.waitFor([&] { return w.detectState() == COMM_TRX_DEV_IDENTIFIED; }));
    w.tick(5); // the read, answered up to two lines of group 183, then the line goes dead
    ASSERT_TRUE(w.waitFor([&] { return !w.ui()->btnCommConnt->isChecked() && w.ui()->btnCommConnt->isEnabled(); }));

    EXPECT_EQ(w.detectState(), COMM_TRX_DEV_NONE);
    expectHomeOnly(w, "after the hang-up");
    const CSensorConfig* shown = w.handle()->getDisplayedConfig();
    EXPECT_EQ(shown->iMmsi, 0u);
    EXPECT_EQ(shown->szShipName[0], '\0');
    EXPECT_EQ(w.handle()->getReceivedConfig().iSrmEnable, 0) << "the half-received record is gone";
    EXPECT_FALSE(w.view()->cfgLayoutInfo.bBuilt);
    for (int i = 0; i < 3; ++i)
        w.tick();
    EXPECT_EQ(w.detectState(), COMM_TRX_DEV_NONE);

    // Plugged in again: detection from the first step.
    ASSERT_TRUE(w.sim().reopen());
    w.sim().clearReceived();
    ASSERT_TRUE(w.connect());
    CWireLog log(w);
    w.tick();
    ASSERT_TRUE(log.waitForCount(2));
    EXPECT_EQ(log.lines(), (std::vector<std::string>{kLeaveWiFi, kVersionQuery}));
    ASSERT_TRUE(w.waitFor([&] { return w.detectState() == COMM_TRX_DEV_IDENTIFIED; }));
    w.tickUntil([&] { return w.detectState() == COMM_TRX_DEV_CONFIG_SHOWN; }, 20);
    ASSERT_EQ(w.detectState(), COMM_TRX_DEV_CONFIG_SHOWN);
    EXPECT_EQ(shown->iMmsi, w.sim().state().mmsi);
    EXPECT_EQ(shown->iSrmEnable, 1);
    EXPECT_TRUE(w.view()->cfgLayoutInfo.bBuilt);
}

// A box the tick opens (the power reminder of a transponder with a Wi-Fi module) waits in its own
// event loop while the refresh timer keeps firing. A tick arriving then must not run the tick's
// work inside the first: here another configuration text is pending, which must not be handed
// over, nor a box opened, in the middle of the first hand-over.
TEST(DetectionFaults, TickDoesNotRunInsideItselfWhileItsBoxIsOpen)
{
    CWindowHarness w(1);
    class CDialogsTickingInside : public ScriptedDialogs
    {
    public:
        explicit CDialogsTickingInside(CWindowHarness& harness) : m_w(harness) {}
        QMessageBox::StandardButton messageBox(QMessageBox::Icon icon, QWidget* parent, const QString& title,
                                               const QString& text, QMessageBox::StandardButtons buttons,
                                               QMessageBox::StandardButton defaultButton) override
        {
            ++depth;
            maxDepth = std::max(maxDepth, depth);
            if (nestedTicks < 2) {
                ++nestedTicks;
                m_w.handle()->setReplyState(CAisSentenceHandle::REPLY_STATE_CONFIG_END);
                m_w.tick();
                pendingAfterNestedTick = m_w.handle()->getReplyState();
            }
            const QMessageBox::StandardButton answer =
                ScriptedDialogs::messageBox(icon, parent, title, text, buttons, defaultButton);
            --depth;
            return answer;
        }
        int depth = 0;
        int maxDepth = 0;
        int nestedTicks = 0;
        int pendingAfterNestedTick = -1;

    private:
        CWindowHarness& m_w;
    };
    CDialogsTickingInside dialogs(w);
    dialogs.answers.push_back(QMessageBox::No); // no power: the Wi-Fi procedure stays out of it
    ASSERT_TRUE(detectOnce(w));
    ASSERT_GE(dialogs.asked.size(), 1);
    EXPECT_EQ(dialogs.asked.front().title, "Information");
    EXPECT_EQ(dialogs.pendingAfterNestedTick, CAisSentenceHandle::REPLY_STATE_CONFIG_END)
        << "a configuration was handed over inside the hand-over";
    EXPECT_EQ(dialogs.maxDepth, 1) << "a box opened inside the box";
    EXPECT_EQ(dialogs.asked.size(), 1);
    // The pending text is handed over by the next tick, after the box.
    w.tick();
    EXPECT_EQ(w.handle()->getReplyState(), CAisSentenceHandle::REPLY_STATE_NONE);
    EXPECT_EQ(w.detectState(), COMM_TRX_DEV_CONFIG_SHOWN);
}
