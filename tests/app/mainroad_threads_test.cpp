// The tick against the communication thread: while the simulated transponder floods the link,
// the window detects it, hands configurations over, programs it and reads it back again and
// again. Run in the thread-checked build, any unguarded read of what the communication thread
// writes is reported.
#include "MainRoadSupport.h"

#include <atomic>
#include <gtest/gtest.h>
#include <thread>

using namespace MainRoad;

namespace {

// Sends configuration replies nobody asked for, every few milliseconds, from a thread of its own:
// the received record is written while the tick compares and copies it. They carry the values the
// simulated transponder holds anyway.
class CUnaskedReplies
{
public:
    explicit CUnaskedReplies(CSimTransponderPort& sim)
        : m_thread([this, &sim] {
              const std::string lines[] = {wire("$PQXV,R,CFG,8117,01234,01010,5"), wire("$PQXV,R,CFG,183,2000,17,")};
              while (!m_stop) {
                  for (const std::string& line : lines)
                      sim.send(line);
                  std::this_thread::sleep_for(std::chrono::milliseconds(5));
              }
          })
    {
    }
    ~CUnaskedReplies() { stop(); }
    void stop()
    {
        m_stop = true;
        if (m_thread.joinable())
            m_thread.join();
    }

private:
    std::atomic<bool> m_stop{false};
    std::thread m_thread;
};

} // namespace

TEST(MainRoadThreads, TickHandsOverWhileTheTransponderKeepsSending)
{
    for (int model : {1, 2}) {
        CWindowHarness w(model);
        w.sim().modifyState([](SSimTransponderState& s) {
            s.wifiModule = 0;
            s.wifiPresent = 0;
        });
        // Own-ship and target sentences every 20 ms: the receive side is never idle.
        w.sim().setPeriodMs(20);
        ASSERT_TRUE(detectOnce(w)) << "model " << model;
        openConfigurationPage(w);

        CUnaskedReplies sender(w.sim());

        for (int round = 0; round < 3; ++round) {
            w.dialogs().answers.push_back(QMessageBox::Yes);
            typeInto(w.ui()->edtCfgShipName, QString("ROUND %1").arg(round));
            clickProgramDevice(w);
            // Ticks run while the replies come in, not only after them: the outcome does not hang on
            // the stepped time, so these ticks do not wait for the link to settle.
            for (int i = 0; i < 30 && w.handle()->getReplyState() != CAisSentenceHandle::REPLY_STATE_CONFIG_END;
                 ++i) {
                w.tickNow();
                w.waitFor([] { return false; }, 20);
            }
            ASSERT_TRUE(readBack(w)) << "model " << model << " round " << round;
            EXPECT_EQ(w.ui()->edtCfgShipName->text(), QString("ROUND %1").arg(round));
        }

        // The Diagnostics page: a status query every 5 s, handed over there.
        QTest::mouseClick(w.ui()->btnMMDiagnostics, Qt::LeftButton);
        w.processEvents();
        for (int i = 0; i < 12; ++i) {
            w.tickNow();
            w.waitFor([] { return false; }, 20);
        }
        sender.stop();
        EXPECT_EQ(w.detectState(), COMM_TRX_DEV_CONFIG_SHOWN);
        EXPECT_GT(w.sim().sentVdo('A') + w.sim().sentVdo('B'), 50);
    }
}
