#include "device/CommSpaceManage.h"

#include "services/PortalTime.h"
#include "services/SysDebug.h"

#include <cstring>

CCommSpaceManage::CCommSpaceManage(QObject* parent) : CCommSpace(false, parent) {}

CCommSpaceManage::~CCommSpaceManage() = default;

void CCommSpaceManage::connectDeviceComm(COMM::SCommConntProfile& profile)
{
    saveComm(profile);
}

void CCommSpaceManage::disconnectDeviceComm()
{
    COMM::CServiceComm* current = m_deviceComm.currentComm();
    if (current == nullptr)
        return;
    uint64_t serial = 0;
    COMM::CCommData* link = getCommData(current, &serial);
    if (link != nullptr)
        deleteComm(link, serial);
}

bool CCommSpaceManage::sendCommand(const char* data, int length)
{
    if (!m_deviceComm.isCommConnected()) {
        SYS_DEBUG(DEBUG_MSG_ERROR, "%s", kCommFailedText);
        return false;
    }
    if (data == nullptr || length < 0 || length > COMM::kTxPackageDataSize) {
        SYS_DEBUG(DEBUG_MSG_ERROR, "Sentence of %d bytes refused, at most %d fit a package", length,
                  COMM::kTxPackageDataSize);
        return false;
    }
    COMM::STxPackage package;
    std::memcpy(package.data, data, static_cast<size_t>(length));
    package.length = length;
    package.skipIfSame = false; // a sentence equal to the last one goes out again
    package.seriesFlag = false;
    package.gapMs = kSentenceGapMs;
    package.createdMs = Portal::Time::Clock::msecsSinceStart();
    if (!m_deviceComm.appendToCommQ(package)) {
        // The link went away between the test and the queueing.
        SYS_DEBUG(DEBUG_MSG_ERROR, "%s", kCommFailedText);
        return false;
    }
    return true;
}

void CCommSpaceManage::commReleaseTh()
{
    m_deviceComm.end();
}

void CCommSpaceManage::commCommDataSaved(COMM::CCommData* link)
{
    // No link came of the request: nothing to bind, and detection does not start.
    if (link == nullptr)
        return;
    m_deviceComm.setComm(link);
    m_deviceComm.connectSetup();
    m_deviceComm.getSentenceHandle()->setDevDetectState(COMM_TRX_DEV_OPENED);
}

void CCommSpaceManage::commDeleteCommData(COMM::CCommData* link)
{
    m_deviceComm.pareComm(link);
}

// Every tick: the GUI thread's senders learn whether the link is still connected.
void CCommSpaceManage::commCycleChecking()
{
    m_deviceComm.refreshCommState();
}
