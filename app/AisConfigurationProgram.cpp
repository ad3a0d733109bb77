// Program Device, the MMSI reset and the sentence senders.
#include "AisConfiguration.h"

#include "device/CommSpaceManage.h"
#include "i62/I62Frame.h"
#include "services/SysDebug.h"
#include "ui_AisConfiguration.h"
#include "view/DialogProvider.h"
#include "view/TransponderText.h"

#include <QPushButton>
#include <cstdarg>
#include <cstdio>
#include <cstring>

namespace {

constexpr int kSentenceSize = 256;
constexpr int kChecksumRoom = 6; // '*', two digits, CR, LF, NUL
constexpr int kKeyExchangeSequences = 10; // 0 to 9, then 0 again
constexpr const char* kConfigurationTitle = "Configuration";

// The device code of each rate the Configuration page offers.
constexpr int kBaudCodeByIndex[] = {2, 5, 6}; // 38400, 9600, 4800

bool isValidNewMmsi(uint32_t mmsi)
{
    return (mmsi >= 200000000u && mmsi <= 799999999u) || (mmsi >= 982000000u && mmsi <= 987999999u);
}

// The reserved characters of a sentence's text fields.
bool isReservedChar(char c)
{
    return std::strchr("!$*,\\^~", c) != nullptr && c != '\0';
}

} // namespace

// Formats one sentence body into a 256-character buffer; false, nothing written to the link, when
// the body would leave no room for its checksum.
static bool formatSentence(char (&sentence)[kSentenceSize], const char* format, ...)
    __attribute__((format(printf, 2, 3)));

static bool formatSentence(char (&sentence)[kSentenceSize], const char* format, ...)
{
    va_list args;
    va_start(args, format);
    const int length = std::vsnprintf(sentence, sizeof(sentence), format, args);
    va_end(args);
    if (length < 0 || length > kSentenceSize - kChecksumRoom) {
        SYS_DEBUG(DEBUG_MSG_ERROR, "Sentence of %d characters refused, at most %d fit", length,
                  kSentenceSize - kChecksumRoom);
        return false;
    }
    return true;
}

void AisConfiguration::onCfgProgramDev()
{
    SYS_DEBUG(DEBUG_MSG_CONTROL, "ProgramDev clicked");
    CAisSentenceHandle* handle = m_commManage->getDeviceComm()->getSentenceHandle();
    auto programmable = [this, handle] {
        return handle->getDevDetectState() == COMM_TRX_DEV_CONFIG_SHOWN && ui->btnCommConnt->isChecked();
    };
    if (!programmable())
        return;

    CSensorConfig* displayed = handle->getDisplayedConfig();
    CSensorConfig copy;
    copy.assign(displayed);
    m_view->getConfigData(&copy);

    CDialogProvider* dialogs = CDialogProvider::instance();
    auto refuse = [dialogs](QWidget* parent, const QString& text) {
        dialogs->messageBox(QMessageBox::Information, parent, kConfigurationTitle, text, QMessageBox::Ok,
                            QMessageBox::NoButton);
    };
    if (displayed->szShipName[0] != '\0' && copy.szShipName[0] == '\0') {
        refuse(this, m_view->strInvalidShipNameTip);
        return;
    }
    if (displayed->szCallSign[0] != '\0' && copy.szCallSign[0] == '\0') {
        refuse(this, m_view->strInvalidCallSignTip);
        return;
    }
    if (displayed->iMmsi == 0 && copy.iMmsi != 0 && !isValidNewMmsi(copy.iMmsi)) {
        refuse(nullptr, m_view->strInvalidMmsiTip);
        return;
    }
    const QMessageBox::StandardButton answer =
        dialogs->messageBox(QMessageBox::Question, this, kConfigurationTitle, m_view->strDeviceConfirm,
                            QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes);
    if (answer != QMessageBox::Yes)
        return;
    // The question waited in its own event loop: the link may have gone, and the device data with
    // it, meanwhile. A lost transponder gets nothing, and its configuration is not shown as written.
    if (!programmable())
        return;

    configVesselDetail(&copy);
    configAdvancedConfiguration(&copy);
    configBaudRate(&copy);
    if (handle->getMachineTypeData().eMachineType == MACHINE_TYPE_KVX_T_362) {
        configSRM(&copy);
        configEncryption(&copy);
    }
    displayed->assign(&copy);
    enableDebugPortView(16, false);
}

void AisConfiguration::onLabelMmsiDoubleClick()
{
    onMmsiReset();
}

void AisConfiguration::onMmsiReset()
{
    sendPQXVMidSentToCommPort(0);
    enableDebugPortView(16, false);
}

void AisConfiguration::configVesselDetail(CSensorConfig* config)
{
    const CSensorConfig* displayed = m_commManage->getDeviceComm()->getSentenceHandle()->getDisplayedConfig();
    sendECSSDSentToCommPort(config->szCallSign, config->szShipName, config->iDimA, config->iDimB, config->iDimC,
                            config->iDimD);
    // An MMSI is programmed only into a transponder that has none.
    if (displayed->iMmsi == 0 && config->iMmsi != 0)
        sendPQXVMidSentToCommPort(static_cast<int>(config->iMmsi));
    sendECVSDSentToCommPort(config->iShipType);
}

void AisConfiguration::configAdvancedConfiguration(CSensorConfig* config)
{
    const int dsc = config->szDscMonitor[0] == '1' ? 1 : 0;
    const SDBGCommandStruct pairs[4] = {
        {101, dsc},
        {50, config->iGpsUpdateRate == 0 ? 1 : 0},
        {51, config->iGpsUpdateRate},
        {703, config->iGpsDynModel},
    };
    sendPDBGSentToCommPort(pairs);

    const MACHINE_TYPE type = m_commManage->getDeviceComm()->getSentenceHandle()->getMachineTypeData().eMachineType;
    const int alrValue = config->bAlrSentence ? 0 : 1;
    if (type == MACHINE_TYPE_T_275) {
        sendPQXVCfgSentToCommPort(true, 31, 7, alrValue, "");
        sendAIEPVSentToCommPort(static_cast<int>(config->iMmsi), 109, static_cast<int>(config->iEpv109));
        sendAIEPVSentToCommPort(static_cast<int>(config->iMmsi), 110, static_cast<int>(config->iEpv110));
    } else if (type == MACHINE_TYPE_KVX_T_362) {
        sendPQXVCfgSentToCommPort(true, 108, 6, alrValue, "");
    }
}

void AisConfiguration::configBaudRate(CSensorConfig* config)
{
    // A rate the page does not offer has no code: its pair stays empty (0,0), so the
    // transponder keeps that port as it is.
    auto pair = [this](int id, int rate) {
        const int index = m_view->getBuadRateIndex(rate);
        return index >= 0 ? SDBGCommandStruct{id, kBaudCodeByIndex[index]} : SDBGCommandStruct{0, 0};
    };
    CAisSentenceHandle* handle = m_commManage->getDeviceComm()->getSentenceHandle();
    const MACHINE_TYPE type = handle->getMachineTypeData().eMachineType;
    if (type == MACHINE_TYPE_T_275) {
        const SDBGCommandStruct pairs[2] = {pair(40, config->iNmea1InBaud), pair(41, config->iNmea2InBaud)};
        sendPQXVDbgSentToCommPort(true, pairs, 2);
    } else if (type == MACHINE_TYPE_KVX_T_362) {
        SDBGCommandStruct pairs[4] = {{0, 0}, {0, 0}, {0, 0}, {0, 0}};
        const int ports = handle->getDisplayedConfig()->iMultipleBaudRate;
        const int used = ports == 2 ? 4 : ports == 3 ? 3 : ports == 4 ? 2 : 0;
        const SDBGCommandStruct all[4] = {pair(40, config->iNmea1InBaud), pair(42, config->iNmea1OutBaud),
                                          pair(38, config->iNmea2InBaud), pair(39, config->iNmea2OutBaud)};
        for (int i = 0; i < used; ++i)
            pairs[i] = all[i];
        sendPDBGSentToCommPort(pairs);
    }
}

void AisConfiguration::configSRM(CSensorConfig* config)
{
    const bool single = TransponderText::srmSingle(*config);
    const int count = TransponderText::srmEffectiveCount(*config);
    if (config->iSrmEnable == 0 && !single)
        return;
    // The texts are held escaped already.
    if (count == 4) {
        for (int i = 0; i < 4; ++i)
            sendPQXVCfgSentToCommPort(true, 30, 5, i, config->aszSrmBox[i]);
    } else if (count == 1) {
        sendPQXVCfgSentToCommPort(true, 30, 3, 14, config->szSrmSingle);
    } else {
        SYS_DEBUG(DEBUG_MSG_WARNING, "SRM box = %d not define", count);
    }
}

void AisConfiguration::configEncryption(CSensorConfig* config)
{
    sendPQXVCfgSentToCommPort(true, 108, 3, config->iEncryptionEnable, "");
    sendPQXVCfgSentToCommPort(true, 108, 4, config->iEncryptionAddrMode, "");
    sendPQXVCfgSentToCommPort(true, 108, 5, config->iEncryptionMmsi, "");

    // Each byte as exactly two digits, whatever its value.
    char hex[2 * sizeof(config->szEncryptionCode) + 1] = {};
    const std::size_t length = strnlen(config->szEncryptionCode, sizeof(config->szEncryptionCode));
    for (std::size_t i = 0; i < length; ++i)
        std::snprintf(hex + 2 * i, 3, "%02X", static_cast<unsigned char>(config->szEncryptionCode[i]));

    if (m_keyExchangeSequence >= kKeyExchangeSequences)
        m_keyExchangeSequence = 0;
    const int sequence = m_keyExchangeSequence++;
    char sentence[kSentenceSize];
    if (formatSentence(sentence, "$AICEK,1,1,%d,%09lld,%s,C", sequence,
                       static_cast<long long>(config->iKeyExchangeMmsi), hex))
        sendCommWithCheckSum(sentence);
}

void AisConfiguration::recomposeSentForReservedChar(char* out, const char* in)
{
    static const char kHex[] = "0123456789ABCDEF";
    char* at = out;
    for (const char* c = in; *c != '\0'; ++c) {
        if (isReservedChar(*c)) {
            const unsigned char code = static_cast<unsigned char>(*c);
            *at++ = '^';
            *at++ = kHex[code >> 4];
            *at++ = kHex[code & 0x0F];
        } else {
            *at++ = *c;
        }
    }
    *at = '\0';
}

bool AisConfiguration::sendAIAIQSentToCommPort(std::string query)
{
    char sentence[kSentenceSize];
    return formatSentence(sentence, "!AIAIQ,%s", query.c_str()) && sendCommWithCheckSum(sentence);
}

bool AisConfiguration::sendPQXVCfgSentToCommPort(bool command, int group, int sub, int value, const char* text)
{
    char sentence[kSentenceSize];
    const char* head = command ? "$PQXV,C,CFG,%d," : "$PQXV,Q,CFG,%d,";
    char start[32];
    std::snprintf(start, sizeof(start), head, group);
    const bool formatted = sub == -1 ? formatSentence(sentence, "%s,,", start)
                                     : formatSentence(sentence, "%s%d,%d,%s", start, sub, value,
                                                      text != nullptr ? text : "");
    return formatted && sendCommWithCheckSum(sentence);
}

bool AisConfiguration::sendPTSTSentToCommPort(unsigned short mask)
{
    char sentence[kSentenceSize];
    return formatSentence(sentence, "$PTST,,,,,%d", mask) && sendCommWithCheckSum(sentence);
}

bool AisConfiguration::sendCommWithCheckSum(const char* text)
{
    char sentence[kSentenceSize];
    if (!formatSentence(sentence, "%s", text) || !I62_Compose_CheckSum(sentence))
        return false;
    return m_commManage->sendCommand(sentence, static_cast<int>(std::strlen(sentence)));
}

bool AisConfiguration::sendPQXVDbgSentToCommPort(bool command, const SDBGCommandStruct* pairs, int count)
{
    char sentence[kSentenceSize];
    int length = std::snprintf(sentence, sizeof(sentence), "%s", command ? "$PQXV,C,DBG," : "$PQXV,Q,DBG,");
    for (int k = 0; k < 4; ++k) {
        const int room = static_cast<int>(sizeof(sentence)) - length;
        length += k < count ? std::snprintf(sentence + length, room, "%d,%d,", pairs[k].id, pairs[k].value)
                            : std::snprintf(sentence + length, room, ",,");
    }
    return sendCommWithCheckSum(sentence);
}

bool AisConfiguration::sendPDBGSentToCommPort(const SDBGCommandStruct* pairs)
{
    char sentence[kSentenceSize];
    return formatSentence(sentence, "$PDBG,%d,%d,%d,%d,%d,%d,%d,%d,", pairs[0].id, pairs[0].value, pairs[1].id,
                          pairs[1].value, pairs[2].id, pairs[2].value, pairs[3].id, pairs[3].value) &&
           sendCommWithCheckSum(sentence);
}

bool AisConfiguration::sendPMIDSentToCommPort(int mmsi)
{
    char sentence[kSentenceSize];
    return formatSentence(sentence, "$PMID,%d,", mmsi) && sendCommWithCheckSum(sentence);
}

bool AisConfiguration::sendPQXVMidSentToCommPort(int mmsi)
{
    char sentence[kSentenceSize];
    return formatSentence(sentence, "$PQXV,C,MID,%d", mmsi) && sendCommWithCheckSum(sentence);
}

bool AisConfiguration::sendECSSDSentToCommPort(const char* callSign, const char* name, int dimA, int dimB, int dimC,
                                               int dimD)
{
    // Each character may become three.
    char escapedCallSign[3 * sizeof(CSensorConfig::szCallSign) + 1];
    char escapedName[3 * sizeof(CSensorConfig::szShipName) + 1];
    char boundedCallSign[sizeof(CSensorConfig::szCallSign)] = {};
    char boundedName[sizeof(CSensorConfig::szShipName)] = {};
    std::memcpy(boundedCallSign, callSign, strnlen(callSign, sizeof(boundedCallSign) - 1));
    std::memcpy(boundedName, name, strnlen(name, sizeof(boundedName) - 1));
    recomposeSentForReservedChar(escapedCallSign, boundedCallSign);
    recomposeSentForReservedChar(escapedName, boundedName);
    char sentence[kSentenceSize];
    return formatSentence(sentence, "$ECSSD,%s,%s,%d,%d,%d,%d,,", escapedCallSign, escapedName, dimA, dimB, dimC,
                          dimD) &&
           sendCommWithCheckSum(sentence);
}

bool AisConfiguration::sendECVSDSentToCommPort(int shipType)
{
    char sentence[kSentenceSize];
    return formatSentence(sentence, "$ECVSD,%d,,,,,,,,", shipType) && sendCommWithCheckSum(sentence);
}

bool AisConfiguration::sendAIEPVSentToCommPort(int mmsi, int property, int value)
{
    char sentence[kSentenceSize];
    return formatSentence(sentence, "$AIEPV,C,AI,%09d,%d,%d", mmsi, property, value) &&
           sendCommWithCheckSum(sentence);
}
