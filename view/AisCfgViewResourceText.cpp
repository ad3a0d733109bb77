#include "view/AisCfgViewResourceText.h"

#include "services/SysDebug.h"

namespace {

const char* const kDefaultBaudRateNames[BAUDRATE_COUNT] = {"NMEA 1 Input", "NMEA 1 Output", "NMEA 2 Input",
                                                           "NMEA 2 Output"};
const char* const kDefaultSRMNames[SRM_DISP_TEXT_COUNT] = {"SRM Text 1", "SRM Text 2", "SRM Text 3", "SRM Text 4"};

// The baud-rate rows of the first model by its "[MultipleBaudRate]" count; null is no row.
struct SBaudRateNames
{
    int count;
    const char* names[BAUDRATE_COUNT];
};

const SBaudRateNames kKvxBaudRateNames[] = {
    {2, {"NMEA 1 Input", "NMEA 1 Output", "NMEA 2 Input", "NMEA 2 Output"}},
    {3, {"NMEA 1 Input", "NMEA 1 Output", "NMEA 2 Input/Output", nullptr}},
    {4, {"NMEA 1 Input", "NMEA 1 Output", nullptr, nullptr}},
};

const char* const kT275BaudRateNames[BAUDRATE_COUNT] = {"NMEA 1", nullptr, "NMEA 2", nullptr};

void assignNames(QString (&target)[BAUDRATE_COUNT], const char* const (&names)[BAUDRATE_COUNT])
{
    for (int row = 0; row < BAUDRATE_COUNT; ++row)
        target[row] = names[row] != nullptr ? QString::fromLatin1(names[row]) : QString();
}

} // namespace

CResourceText::CResourceText()
{
    initCfgBaudRateName();
    initCfgSRMName();
}

void CResourceText::initCfgBaudRateName()
{
    assignNames(strBaudRateName, kDefaultBaudRateNames);
}

void CResourceText::initCfgSRMName()
{
    for (int row = 0; row < SRM_DISP_TEXT_COUNT; ++row)
        strSRMName[row] = QString::fromLatin1(kDefaultSRMNames[row]);
}

void CResourceText::setBaudRateName(BAUDRATE row, const QString& name)
{
    if (row >= 0 && row < BAUDRATE_COUNT)
        strBaudRateName[row] = name;
}

void CResourceText::setSRMName(SRM_DISP_TEXT row, const QString& name)
{
    if (row >= 0 && row < SRM_DISP_TEXT_COUNT)
        strSRMName[row] = name;
}

void CAisCfgViewResourceText::updateBaudRateName(MACHINE_TYPE type, int count)
{
    // Until the model is known the rows keep what they show.
    if (type == MACHINE_TYPE_NONE)
        return;
    for (QString& name : strBaudRateName)
        name.clear();
    switch (type) {
    case MACHINE_TYPE_T_275:
        assignNames(strBaudRateName, kT275BaudRateNames);
        break;
    case MACHINE_TYPE_KVX_T_362:
        for (const SBaudRateNames& entry : kKvxBaudRateNames) {
            if (entry.count == count)
                assignNames(strBaudRateName, entry.names);
        }
        break;
    default:
        SYS_DEBUG(DEBUG_MSG_INFO, "%s", "Machine Type out of range !");
        break;
    }
}

void CAisCfgViewResourceText::updateSRMName(int srmEnable, int count, bool single)
{
    for (QString& name : strSRMName)
        name.clear();
    if (srmEnable != 1 && !single)
        return;
    const int boxes = single ? 1 : count;
    if (boxes == 4) {
        initCfgSRMName();
    } else if (boxes == 1) {
        strSRMName[SRM_DISP_TEXT_1] = QStringLiteral("SRM Text");
    }
}
