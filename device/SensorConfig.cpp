#include "device/SensorConfig.h"

#include "i62/I62Frame.h"
#include "services/SysDebug.h"

#include <cctype>
#include <cstddef>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

constexpr uint32_t kBaudRates[] = {115200, 57600, 38400, 19200, 14400, 9600, 4800};
constexpr int kMaxStatusDigits = 9; // 10 to the power 8 still fits an int
constexpr int kCekKeyChars = 79;
constexpr int kCekLeadingZeros = 16;

// The text between the end of key and the first terminator after it, cut to size - 1.
// Without a terminator behind the value the field becomes empty.
template <std::size_t N> void textField(char (&field)[N], const char* line, const char* key, const char* terminator)
{
    const char* at = std::strstr(line, key);
    if (at == nullptr)
        return;
    const char* value = at + std::strlen(key);
    const char* end = std::strstr(line, terminator);
    while (end != nullptr && end < value)
        end = std::strstr(end + 1, terminator);
    std::memset(field, 0, N);
    if (end == nullptr)
        return;
    const std::size_t length = static_cast<std::size_t>(end - value);
    std::memcpy(field, value, length < N - 1 ? length : N - 1);
}

bool numberField(int* out, const char* line, const char* key)
{
    return intDataRead(out, key, line);
}

bool isDecimal(const char* text)
{
    if (text == nullptr || text[0] == '\0')
        return false;
    for (const char* c = text; *c != '\0'; ++c) {
        if (!std::isdigit(static_cast<unsigned char>(*c)))
            return false;
    }
    return true;
}

} // namespace

bool floatDataRead(float* out, const char* key, const char* text)
{
    const char* at = text != nullptr && key != nullptr ? std::strstr(text, key) : nullptr;
    if (at == nullptr || out == nullptr)
        return false;
    *out = static_cast<float>(std::atof(at + std::strlen(key)));
    return true;
}

bool charDataRead(char* out, std::size_t size, const char* key, int length, const char* text)
{
    const char* at = text != nullptr && key != nullptr ? std::strstr(text, key) : nullptr;
    if (at == nullptr || out == nullptr || size == 0 || length < 0)
        return false;
    // At most length characters, none past the end of the text, and the NUL within size.
    const char* value = at + std::strlen(key);
    std::size_t n = strnlen(value, static_cast<std::size_t>(length));
    n = n < size - 1 ? n : size - 1;
    std::memcpy(out, value, n);
    out[n] = '\0';
    return true;
}

bool boolDataRead(bool* out, const char* key, const char* text)
{
    const char* at = text != nullptr && key != nullptr ? std::strstr(text, key) : nullptr;
    if (at == nullptr || out == nullptr)
        return false;
    char window[10] = {};
    const char* value = at + std::strlen(key);
    std::memcpy(window, value, strnlen(value, 9));
    if (std::strstr(window, "ON") != nullptr)
        *out = true;
    else if (std::strchr(window, '1') != nullptr)
        *out = true;
    else if (std::strstr(window, "OFF") != nullptr)
        *out = false;
    else if (std::strchr(window, '0') != nullptr)
        *out = false;
    return true;
}

bool intDataRead(int* out, const char* key, const char* text)
{
    const char* at = text != nullptr && key != nullptr ? std::strstr(text, key) : nullptr;
    if (at == nullptr || out == nullptr)
        return false;
    *out = std::atoi(at + std::strlen(key));
    return true;
}

CSensorConfig::CSensorConfig()
{
    std::memset(static_cast<void*>(this), 0, sizeof(*this));
    for (int& status : aiCfgStatus)
        status = -1;
}

void CSensorConfig::initial()
{
    int status[CFG_STATUS_COUNT];
    std::memcpy(status, aiCfgStatus, sizeof(status));
    std::memset(static_cast<void*>(this), 0, sizeof(*this));
    std::memcpy(aiCfgStatus, status, sizeof(status));
}

void CSensorConfig::assign(const CSensorConfig* other)
{
    if (other != nullptr && other != this)
        std::memcpy(static_cast<void*>(this), other, sizeof(*this));
}

bool CSensorConfig::differsForDisplay(const CSensorConfig& other) const
{
    CSensorConfig a;
    CSensorConfig b;
    a.assign(this);
    b.assign(&other);
    for (int i = 0; i < CFG_STATUS_COUNT; ++i)
        a.aiCfgStatus[i] = b.aiCfgStatus[i] = 0;
    a.bMmsiProgrammed = b.bMmsiProgrammed = false;
    return std::memcmp(&a, &b, sizeof(a)) != 0;
}

bool CSensorConfig::updateConfigData(const char* text)
{
    if (text == nullptr)
        return false;
    int number = 0;
    if (numberField(&number, text, "MMSI:(")) {
        iMmsi = static_cast<uint32_t>(number);
        bMmsiProgrammed = iMmsi != 0;
    }
    textField(szShipName, text, "Name:(", ")");
    textField(szCallSign, text, "Call Sign:(", ")\r\n");
    if (std::strstr(text, "Ship Cargo Type") != nullptr) {
        int* const fields[] = {&iShipType, &iDimA, &iDimB, &iDimC, &iDimD};
        const char* const keys[] = {"Ship Cargo Type:(", "A:(", "B:(", "C:(", "D:("};
        for (int i = 0; i < 5; ++i) {
            if (!numberField(fields[i], text, keys[i]))
                *fields[i] = 0;
        }
    }
    textField(szSerialNumber, text, "S/N:(", ")\r\n");
    textField(szFirmware, text, "Firmware:", "\r\n");
    textField(szDscMonitor, text, "DSC Monitor:(", ")");
    numberField(&iSrmBoxCount, text, "4 SRM box:(");
    textField(szFwVersion, text, "[FwVersion]=", "\r\n");
    if (numberField(&number, text, "[WiFiModule]="))
        bWiFiModule = number == 2;
    if (numberField(&number, text, "[GPS_OnOff]=")) {
        bGpsOn = number == 1;
        bGpsOnCopy = bGpsOn;
    }
    numberField(&iMultipleBaudRate, text, "[MultipleBaudRate]=");
    if (numberField(&number, text, "[GPS_RI]="))
        iGpsUpdateRate = bGpsOn ? number : 0;
    numberField(&iGpsDynModel, text, "[GPS_NAV5_dynModel]=");
    return std::strstr(text, "[SYSTEM DATA END]") != nullptr;
}

bool CSensorConfig::updateConfigDataForStd(const char* sentence, MACHINE_TYPE type, const SAISCommandData& data)
{
    if (sentence == nullptr || strnlen(sentence, I62_MAX_SENTENCE_LEN + 1) > I62_MAX_SENTENCE_LEN)
        return false;
    char copy[I62_SENTENCE_BUF_SIZE] = {};
    std::strncpy(copy, sentence, sizeof(copy) - 1);
    if (I62_Parse_CheckSum(copy, sizeof(copy)) != 0)
        return false;
    if (std::strstr(copy, "$PQXV,R,CFG,") != nullptr)
        applyCFGCommandData(data.cfg, type);
    else if (std::strstr(copy, "$AIEPV,R,AI,") != nullptr)
        applyEPVData(data.epv);
    else if (std::strstr(copy, "$AICEK,1,1,,") != nullptr)
        applyCEKData(data.cek);
    return false;
}

void CSensorConfig::applyCFGCommandData(const SCFGCommandStruct& cfg, MACHINE_TYPE type)
{
    const int sub = cfg.subIndex;
    const int value = cfg.value;
    switch (cfg.group) {
    case 30:
        if (type != MACHINE_TYPE_KVX_T_362)
            break;
        if (sub == 1) {
            iSrmFlags = value;
        } else if (sub == 3 && value == 12) {
            std::memcpy(szGroup30Text12, cfg.text, CFG_SRM_TEXT_SIZE);
        } else if (sub == 3 && value == 14) {
            std::memcpy(szSrmSingle, cfg.text, CFG_SRM_TEXT_SIZE);
        } else if (sub == 5 && value >= 0 && value < CFG_SRM_BOX_COUNT) {
            std::memcpy(aszSrmBox[value], cfg.text, CFG_SRM_TEXT_SIZE);
        }
        break;
    case 31:
        if (type == MACHINE_TYPE_T_275 && sub == 7)
            bAlrSentence = value == 0;
        break;
    case 108: {
        int* const values[CFG_GROUP108_VALUES] = {&iSrmEnable, &iEncryptionPresent, &iEncryptionEnable,
                                                  &iEncryptionAddrMode, &iEncryptionMmsi};
        if (sub >= 1 && sub <= CFG_GROUP108_VALUES)
            *values[sub - 1] = value;
        else if (sub == 6)
            bAlrSentence = value == 0;
        else if (sub == 109)
            iGroup108Value109 = value;
        break;
    }
    case 183:
        if (sub == 2000) {
            iNmea2000Instance = value >= 0 && value <= 255 ? value : 0;
        } else if (type == MACHINE_TYPE_KVX_T_362) {
            const int baud = static_cast<int>(convBaudRateValue(value));
            if (sub == 11)
                iNmea1InBaud = baud;
            else if (sub == 10)
                iNmea1OutBaud = baud;
            else if (sub == 21)
                iNmea2InBaud = baud;
            else if (sub == 20)
                iNmea2OutBaud = baud;
        } else if (type == MACHINE_TYPE_T_275) {
            const int baud = static_cast<int>(convBaudRateValue(value));
            if (sub == 1)
                iNmea1InBaud = iNmea1OutBaud = baud;
            else if (sub == 2)
                iNmea2InBaud = iNmea2OutBaud = baud;
        }
        break;
    case 600:
        if (sub == 11)
            bWiFiModule = value == 1;
        break;
    case 8117:
        applyStatusDigits(cfg);
        break;
    default:
        break;
    }
}

// Several status values in one reply: the text gives the digit count n, and the k-th digit of
// the sub-index names the status that the k-th digit of the value goes to.
void CSensorConfig::applyStatusDigits(const SCFGCommandStruct& cfg)
{
    char digits[CFG_TEXT_SIZE + 1] = {};
    std::memcpy(digits, cfg.text, CFG_TEXT_SIZE);
    if (!isDecimal(digits))
        return;
    const long count = std::strtol(digits, nullptr, 10);
    // More digits than an int holds would overflow the divisor.
    if (count < 1 || count > kMaxStatusDigits || cfg.subIndex < 0 || cfg.value < 0)
        return;
    int divisor = 1;
    for (long k = 1; k < count; ++k)
        divisor *= 10;
    for (; divisor > 0; divisor /= 10) {
        const int index = cfg.subIndex / divisor % 10;
        if (index < CFG_STATUS_COUNT)
            aiCfgStatus[index] = cfg.value / divisor % 10;
    }
}

void CSensorConfig::applyEPVData(const SEPVCommandStruct& epv)
{
    if (epv.propertyId == 110)
        iEpv110 = epv.value;
    else if (epv.propertyId == 109)
        iEpv109 = epv.value;
}

void CSensorConfig::applyCEKData(const SCEKCommandStruct& cek)
{
    iCekField1 = cek.field1;
    iCekSequence = cek.field3;
    iKeyExchangeMmsi = cek.field4;
    cCekStatus = cek.status;
    if (cek.status != 'R')
        return;
    const std::size_t chars = strnlen(cek.key, kCekKeyChars);
    unsigned char bytes[(kCekKeyChars + 1) / 2] = {};
    std::size_t count = 0;
    for (std::size_t i = 0; i < chars; i += 2) {
        char pair[3] = {cek.key[i], i + 1 < chars ? cek.key[i + 1] : '\0', '\0'};
        unsigned char byte = 0;
        if (std::sscanf(pair, "%2hhx", &byte) != 1)
            break;
        bytes[count++] = byte;
    }
    std::size_t start = 0;
    while (start < count && start < static_cast<std::size_t>(kCekLeadingZeros) && bytes[start] == 0)
        ++start;
    std::memset(szEncryptionCode, 0, sizeof(szEncryptionCode));
    for (std::size_t i = start, out = 0; i < count && bytes[i] != 0 && out < sizeof(szEncryptionCode) - 1; ++i)
        szEncryptionCode[out++] = static_cast<char>(bytes[i]);
}

uint32_t CSensorConfig::convBaudRateValue(int code)
{
    if (code >= 0 && code < static_cast<int>(sizeof(kBaudRates) / sizeof(kBaudRates[0])))
        return kBaudRates[code];
    SYS_DEBUG(DEBUG_MSG_WARNING, "baud rate code %d unknown, 115200 taken", code);
    return kBaudRates[0];
}
