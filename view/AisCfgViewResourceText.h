#pragma once

#include "device/DeviceDefine.h"

#include <QString>

// A baud-rate row of the Configuration page.
enum BAUDRATE : int {
    BAUDRATE_NMEA1_IN = 0,
    BAUDRATE_NMEA1_OUT = 1,
    BAUDRATE_NMEA2_IN = 2,
    BAUDRATE_NMEA2_OUT = 3,
    BAUDRATE_COUNT = 4,
};

// An SRM text row of the Configuration page (boxes 1 to 4).
enum SRM_DISP_TEXT : int {
    SRM_DISP_TEXT_1 = 0,
    SRM_DISP_TEXT_2 = 1,
    SRM_DISP_TEXT_3 = 2,
    SRM_DISP_TEXT_4 = 3,
    SRM_DISP_TEXT_COUNT = 4,
};

// The captions of the baud-rate and SRM rows; the page display and the summary report read
// them directly. An empty caption means the row does not exist on the connected unit.
class CResourceText
{
public:
    CResourceText();

    void initCfgBaudRateName();
    void initCfgSRMName();
    // Rows outside 0 to 3 are ignored.
    void setBaudRateName(BAUDRATE row, const QString& name);
    void setSRMName(SRM_DISP_TEXT row, const QString& name);

    QString strBaudRateName[BAUDRATE_COUNT];
    QString strSRMName[SRM_DISP_TEXT_COUNT];
};

// Renames the rows after the transponder's model and what its configuration reports.
class CAisCfgViewResourceText : public CResourceText
{
public:
    // count: the "[MultipleBaudRate]" value of the configuration.
    void updateBaudRateName(MACHINE_TYPE type, int count);
    // single: the single-text bit of the SRM flags.
    void updateSRMName(int srmEnable, int count, bool single);
};
