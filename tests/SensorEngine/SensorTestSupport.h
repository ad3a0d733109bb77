#pragma once

// A link whose received-data queues the test fills, and a clock the test sets.
#include "comm/ServiceComm.h"

#include "SentenceFeed.h"

#include <QByteArray>
#include <ctime>
#include <string>

namespace TestSupport {

class CFakeLink : public COMM::CServiceComm
{
public:
    explicit CFakeLink(bool primary = true) : CServiceComm(setting(primary), COMM::RAWDATA_SENTENCE)
    {
        setCommType(COMM::COMM_TYPE_SERIAL);
        timerSetup(false);
    }

    COMM::SCommConntProfile getProfile() override { return {}; }

    // Bytes as a transport hands them over: filed, cut and announced.
    void receive(const std::string& bytes)
    {
        rxPackageProc(QByteArray(bytes.data(), static_cast<int>(bytes.size())), false);
    }

private:
    static COMM::COMM_CONNT_SETTING setting(bool primary)
    {
        COMM::COMM_CONNT_SETTING value;
        value.DevPrimaryPos = primary ? COMM::PRIMARY_POS_PRIMARY : COMM::PRIMARY_POS_SECONDARY;
        value.DevName[0] = L'T';
        return value;
    }
};

// A host clock the test moves by hand.
struct STestClock
{
    static inline time_t now = 1000000;
    static time_t read() { return now; }
};

} // namespace TestSupport
