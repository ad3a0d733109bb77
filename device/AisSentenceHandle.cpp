#include "device/AisSentenceHandle.h"

#include "i62/AisStation.h"
#include "i62/I62Frame.h"
#include "services/SysDebug.h"
#include "wifi/XQDWiFiPaser.h"

#include <QMutexLocker>
#include <cmath>
#include <cstdlib>
#include <cstring>

namespace {

struct SKnownMachine
{
    const char* name;
    MACHINE_TYPE type;
    int cfgGroup;
};

// The model names the transponders report in the version reply's eighth field.
constexpr SKnownMachine kKnownMachines[] = {
    {"KVX-T-362", MACHINE_TYPE_KVX_T_362, 108},
    {"T-275", MACHINE_TYPE_T_275, 600},
};

constexpr const char* kStatusReplyHead = "$PQXV,R,CFG,8117";

bool isBlankField(const char* field)
{
    return field == nullptr || field[std::strspn(field, " ")] == '\0';
}

// A field cut to the width less one; missing or blank fields give empty text.
template <std::size_t N> void textOf(char (&destination)[N], const char* field)
{
    std::memset(destination, 0, N);
    if (isBlankField(field))
        return;
    std::memcpy(destination, field, strnlen(field, N - 1));
}

int intOf(const char* field)
{
    return isBlankField(field) ? 0 : std::atoi(field);
}

bool startsWith(const char* text, const char* head)
{
    return std::strncmp(text, head, std::strlen(head)) == 0;
}

// Compares an atomic state and moves it on only from the expected value.
void advanceState(std::atomic<int>& state, COMM_TRX_DEV_STATE from, COMM_TRX_DEV_STATE to)
{
    int expected = from;
    state.compare_exchange_strong(expected, to);
}

} // namespace

CAisSentenceHandle::CAisSentenceHandle(QObject* parent) : CSensorSentenceHandle(parent)
{
    std::memset(&m_machine, 0, sizeof(m_machine));
}

bool CAisSentenceHandle::sensorSentenceProc(SENSOR_SENTENCE_PACKAGE& package)
{
    if (m_stationResetPending.exchange(false))
        ShipInitial();
    const char* text = package.sentence;
    SYS_DEBUG(DEBUG_MSG_INFO, "%s", text);

    if (startsWith(text, "$AIVER"))
        identifyMachine(text);
    if (applyConfigReply(text))
        return true;
    applyConfigText(text);

    if (CXQDWiFiPaser::checkCfgModeEnable(text)) {
        SYS_DEBUG(DEBUG_MSG_INFO, "Check WiFi Mode Sentence: %s", text);
        emit signalWiFiCfgModeEnable(1);
    } else {
        emit signalWiFiCfgModeEnable(0);
    }
    return false;
}

void CAisSentenceHandle::identifyMachine(const char* sentence)
{
    MACHINE_TYPE type;
    {
        QMutexLocker locker(&m_mutex);
        updateAIVERData(sentence, m_machine.sAiver);
        textOf(m_machine.szMachineName, m_machine.sAiver.szSoftwareRev);
        for (const SKnownMachine& known : kKnownMachines) {
            if (std::strcmp(m_machine.sAiver.szSoftwareRev, known.name) == 0) {
                m_machine.eMachineType = known.type;
                m_machine.iCfgGroup = known.cfgGroup;
            }
        }
        type = m_machine.eMachineType;
    }
    if (type != MACHINE_TYPE_NONE)
        advanceState(m_detectState, COMM_TRX_DEV_OPENED, COMM_TRX_DEV_IDENTIFIED);
}

// A CFG, EPV or CEK reply goes into the received record; true when the text was one.
bool CAisSentenceHandle::applyConfigReply(const char* sentence)
{
    if (!m_aisControl.paser(sentence))
        return false;
    const SAISCommandData data = m_aisControl.commandData();
    {
        QMutexLocker locker(&m_mutex);
        m_receivedConfig.updateConfigDataForStd(sentence, m_machine.eMachineType, data);
    }
    // Marked after the record holds the values, so that a reader who takes the mark sees them.
    if (startsWith(sentence, kStatusReplyHead))
        m_statusReplied = true;
    return true;
}

void CAisSentenceHandle::applyConfigText(const char* text)
{
    bool ended;
    {
        QMutexLocker locker(&m_mutex);
        ended = m_receivedConfig.updateConfigData(text);
    }
    if (!ended)
        return;
    advanceState(m_detectState, COMM_TRX_DEV_IDENTIFIED, COMM_TRX_DEV_CONFIG_TEXT);
    m_configTextEnded = true;
}

void CAisSentenceHandle::sensorAisListener(char* sentence, int iI62Listener, char channel)
{
    const bool own = iI62Listener == SensorScope::SENSOR_I62_LISTENER_OWN_PRIMARY;
    QMutexLocker locker(&m_mutex);
    if (sentence != nullptr && sentence[0] == '!')
        m_diagnostics.updateRxTxStatistics(own, channel);
    if (own) {
        m_dOwnLatitude = static_cast<double>(ShipData[0].latitude);
        m_dOwnLongitude = static_cast<double>(ShipData[0].longitude);
    }
}

// $AIVER,<total>,<number>,<device type>,<vendor>,<unique id>,<serial>,<model code>,<software rev>,
// <hardware rev>,<sequential message id>*hh
bool CAisSentenceHandle::updateAIVERData(const char* sentence, SAiverData& data)
{
    if (sentence == nullptr || strnlen(sentence, I62_MAX_SENTENCE_LEN + 1) > I62_MAX_SENTENCE_LEN)
        return false;
    char copy[I62_SENTENCE_BUF_SIZE] = {};
    std::strncpy(copy, sentence, sizeof(copy) - 1);
    if (I62_Parse_CheckSum(copy, sizeof(copy)) != I62_CHECKSUM_OK)
        return false;

    SAiverData parsed;
    std::memset(&parsed, 0, sizeof(parsed));
    textOf(parsed.szSentenceId, StrToken(copy, ","));
    parsed.iTotalSentences = intOf(StrToken(nullptr, ","));
    parsed.iSentenceNumber = intOf(StrToken(nullptr, ","));
    textOf(parsed.szDeviceType, StrToken(nullptr, ","));
    textOf(parsed.szVendorId, StrToken(nullptr, ","));
    textOf(parsed.szUniqueId, StrToken(nullptr, ","));
    const char* serial = StrToken(nullptr, ",");
    // The serial number is 64 bits wide: atoi would wrap anything past 2^31.
    parsed.llSerialNumber = isBlankField(serial) ? 0 : std::strtoll(serial, nullptr, 10);
    parsed.iModelCode = intOf(StrToken(nullptr, ","));
    textOf(parsed.szSoftwareRev, StrToken(nullptr, ","));
    textOf(parsed.szHardwareRev, StrToken(nullptr, ","));
    textOf(parsed.szSeqMessageId, StrToken(nullptr, "*"));
    parsed.usCheckNumber = static_cast<uint16_t>(intOf(StrToken(nullptr, "\r")));
    data = parsed;
    return true;
}

int CAisSentenceHandle::getReplyState() const
{
    if (m_configTextEnded)
        return REPLY_STATE_CONFIG_END;
    return m_statusReplied ? REPLY_STATE_STATUS : REPLY_STATE_NONE;
}

void CAisSentenceHandle::setReplyState(int state)
{
    if (state == REPLY_STATE_CONFIG_END) {
        m_configTextEnded = true;
    } else if (state == REPLY_STATE_STATUS) {
        m_statusReplied = true;
    } else {
        m_configTextEnded = false;
        m_statusReplied = false;
    }
}

int CAisSentenceHandle::takeReplyState(bool withStatus)
{
    if (m_configTextEnded.exchange(false)) {
        m_statusReplied = false;
        return REPLY_STATE_CONFIG_END;
    }
    if (withStatus && m_statusReplied.exchange(false))
        return REPLY_STATE_STATUS;
    return REPLY_STATE_NONE;
}

void CAisSentenceHandle::initConfigInfo()
{
    m_detectState = COMM_TRX_DEV_NONE;
    {
        QMutexLocker locker(&m_mutex);
        m_receivedConfig.initial();
        m_displayedConfig.initial();
        std::memset(&m_machine, 0, sizeof(m_machine));
        m_diagnostics.clearTxRxDiagnostics();
        m_diagnostics.setGpsFix(false);
        // A new connection must not show the last one's fix.
        m_dOwnLatitude = 91.0;
        m_dOwnLongitude = 181.0;
    }
    setReplyState(REPLY_STATE_NONE);
    m_stationResetPending = true;
}

void CAisSentenceHandle::initDiagnoseInfo()
{
    QMutexLocker locker(&m_mutex);
    m_diagnostics.clearTxRxDiagnostics();
    m_diagnostics.setGpsFix(false);
    for (CSensorConfig* config : {&m_receivedConfig, &m_displayedConfig}) {
        for (int& status : config->aiCfgStatus)
            status = -1;
        config->bMmsiProgrammed = false;
        std::memset(config->szSerialNumber, 0, sizeof(config->szSerialNumber));
        std::memset(config->szFirmware, 0, sizeof(config->szFirmware));
    }
}

bool CAisSentenceHandle::isChangedConfigDisp()
{
    QMutexLocker locker(&m_mutex);
    return m_receivedConfig.differsForDisplay(m_displayedConfig);
}

bool CAisSentenceHandle::refreshConfigInfo()
{
    QMutexLocker locker(&m_mutex);
    const bool changedForDisplay = m_receivedConfig.differsForDisplay(m_displayedConfig);
    if (std::memcmp(&m_receivedConfig, &m_displayedConfig, sizeof(CSensorConfig)) != 0)
        m_displayedConfig.assign(&m_receivedConfig);
    return changedForDisplay;
}

bool CAisSentenceHandle::isHostPosFixed() const
{
    QMutexLocker locker(&m_mutex);
    return std::fabs(m_dOwnLongitude) < 180.1 && std::fabs(m_dOwnLatitude) < 90.1;
}

void CAisSentenceHandle::updateDiagnosticsData()
{
    const bool fixed = isHostPosFixed();
    QMutexLocker locker(&m_mutex);
    m_diagnostics.setGpsFix(fixed);
}

SMachineTypeData CAisSentenceHandle::getMachineTypeData() const
{
    QMutexLocker locker(&m_mutex);
    return m_machine;
}

CSensorConfig CAisSentenceHandle::getReceivedConfig() const
{
    QMutexLocker locker(&m_mutex);
    return m_receivedConfig;
}

CDiagnostics CAisSentenceHandle::getDiagnostics() const
{
    QMutexLocker locker(&m_mutex);
    return m_diagnostics;
}
