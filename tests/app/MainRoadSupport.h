#pragma once

// What the tests of detection, the Configuration page and Program Device share: the exact lines
// the window must put on the wire, the lines the simulator received since a mark, and the page's
// inputs driven the way a person drives them.

#include "SimSentence.h"
#include "WindowHarness.h"
#include "device/AisSentenceHandle.h"
#include "device/SensorConfig.h"

#include <QComboBox>
#include <QCursor>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTest>
#include <string>
#include <vector>

namespace MainRoad {

// A sentence body as it must arrive: checksum and CR LF added by the simulator's own code.
inline std::string wire(const std::string& body)
{
    return SimSentence::complete(body);
}

inline std::vector<std::string> wire(const std::vector<std::string>& bodies)
{
    std::vector<std::string> lines;
    for (const std::string& body : bodies)
        lines.push_back(wire(body));
    return lines;
}

// The leave line goes out with its checksum already in the text.
inline const std::string kLeaveWiFi = "$PDBG,163,0,,,,,,*15\r\n";
inline const std::string kLeaveWiFiLfOnly = "$PDBG,163,0,,,,,,*15\n";
inline const std::string kVersionQuery = wire("!AIAIQ,VER");

// The full configuration read of a model.
inline std::vector<std::string> fullRead(int model)
{
    if (model == 2)
        return wire({"$PQXV,Q,CFG,8117,,,", "$PQXV,Q,CFG,600,,,", "$PQXV,Q,CFG,183,,,", "!AIAIQ,CEK",
                     "$PQXV,Q,CFG,30,,,", "!AIAIQ,EPV", "$PQXV,Q,CFG,31,,,", "$PTST,,,,,16"});
    return wire({"$PQXV,Q,CFG,8117,,,", "$PQXV,Q,CFG,108,,,", "$PQXV,Q,CFG,183,,,", "!AIAIQ,CEK",
                 "$PQXV,Q,CFG,30,,,", "$PTST,,,,,16"});
}

inline std::vector<std::string> concat(std::vector<std::string> a, const std::vector<std::string>& b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

// The lines the simulator received after a mark, bytes only.
class CWireLog
{
public:
    explicit CWireLog(CWindowHarness& w) : m_w(w) { mark(); }

    void mark() { m_mark = m_w.sim().received().size(); }
    std::vector<std::string> lines() const
    {
        const std::vector<SSimRxLine> all = m_w.sim().received();
        std::vector<std::string> out;
        for (size_t i = m_mark; i < all.size(); ++i) {
            // Until the device object has seen a sentence it cannot know the link is out of
            // pass-through, and ends its own lines with LF alone; either end is right then.
            out.push_back(all[i].bytes == kLeaveWiFiLfOnly ? kLeaveWiFi : all[i].bytes);
        }
        return out;
    }
    // Waits until at least count lines have come since the mark.
    bool waitForCount(size_t count)
    {
        return m_w.waitFor([&] { return lines().size() >= count; });
    }
    // Waits until the lines since the mark end with expected, then returns all of them.
    bool waitForTail(const std::string& expected)
    {
        return m_w.waitFor([&] {
            const std::vector<std::string> got = lines();
            return !got.empty() && got.back() == expected;
        });
    }

private:
    CWindowHarness& m_w;
    size_t m_mark = 0;
};

// Connects and detects with exactly one full read: each tick waits for what the last one asked,
// so no second read is left answering after the configuration is shown (its text would look
// like the answer to a later read).
inline bool detectOnce(CWindowHarness& w)
{
    if (!w.connect())
        return false;
    w.tick();
    if (!w.waitFor([&] { return w.detectState() == COMM_TRX_DEV_IDENTIFIED; }))
        return false;
    w.tick(5); // the fifth second after the query sends the read
    if (!w.waitFor([&] { return w.detectState() == COMM_TRX_DEV_CONFIG_TEXT; }))
        return false;
    w.tick();
    return w.detectState() == COMM_TRX_DEV_CONFIG_SHOWN;
}

// Waits until the simulator has answered the whole read the window asked last (its system-data
// text ends it), then hands it over with one tick.
inline bool readBack(CWindowHarness& w)
{
    if (!w.waitFor([&] { return w.handle()->getReplyState() == CAisSentenceHandle::REPLY_STATE_CONFIG_END; }))
        return false;
    w.tick();
    // A status reply may have come in since the hand-over; only the ended text must be taken.
    return w.handle()->getReplyState() != CAisSentenceHandle::REPLY_STATE_CONFIG_END;
}

inline void openConfigurationPage(CWindowHarness& w)
{
    QTest::mouseClick(w.ui()->btnMMConfiguration, Qt::LeftButton);
    w.processEvents();
}

// Replaces an edit's text with keystrokes, as a person selects it all and types.
inline void typeInto(QLineEdit* edit, const QString& text)
{
    QTest::mouseClick(edit, Qt::LeftButton);
    edit->setFocus();
    QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(edit, Qt::Key_Delete);
    QTest::keyClicks(edit, text);
}

inline void typeInto(QSpinBox* spin, int value)
{
    spin->setFocus();
    QTest::keyClick(spin, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(spin, QString::number(value));
    QTest::keyClick(spin, Qt::Key_Enter);
}

// Moves a combo to an item with the arrow keys, as a person does with the list closed.
inline void chooseItem(QComboBox* combo, int index)
{
    combo->setFocus();
    if (combo->currentIndex() < 0)
        QTest::keyClick(combo, Qt::Key_Home);
    // Bounded: a combo that takes no keys (hidden, disabled) is left as it is.
    for (int i = 0; i <= combo->count() && combo->currentIndex() < index; ++i)
        QTest::keyClick(combo, Qt::Key_Down);
    for (int i = 0; i <= combo->count() && combo->currentIndex() > index; ++i)
        QTest::keyClick(combo, Qt::Key_Up);
}

// Clicks a side panel of the Configuration page as a person does: the cursor put there first,
// since the window decides by the cursor's place on the release.
inline void clickPanel(CWindowHarness& w, QWidget* panel)
{
    w.processEvents();
    const QPoint at = panel->rect().center();
    QCursor::setPos(panel->mapToGlobal(at));
    QTest::mouseClick(panel, Qt::LeftButton, Qt::NoModifier, at);
    w.processEvents();
}

inline void clickProgramDevice(CWindowHarness& w)
{
    QTest::mouseClick(w.ui()->btnCfgProgramDev, Qt::LeftButton);
    w.processEvents();
}

} // namespace MainRoad
