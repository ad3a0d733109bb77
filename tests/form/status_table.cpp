// The GPS Status and Diagnostics pages.
#include "FormTable.h"

namespace FormTable {

namespace {

const Prop kRight{"hAlign", int(Qt::AlignRight)};
const Prop kMiddle{"vAlign", int(Qt::AlignVCenter)};
const Prop kCentre{"hAlign", int(Qt::AlignHCenter)};

// A caption and, right below it, its value: centred and aligned to the top.
std::vector<Row> infoPair(const char* block, int first, const char* caption, const char* text, const char* value,
                          const char* sample)
{
    return {
        {caption, "QLabel", block, nullptr, item(first), text, {}},
        {value, "QLabel", block, nullptr, item(first + 1), sample, {kCentre, {"vAlign", int(Qt::AlignTop)}}},
    };
}

// One grid row of caption and value (or icon); columns only where the Part fixes them.
std::vector<Row> gridPair(const char* body, const char* layout, int row, bool columns, const char* caption,
                          const char* text, const char* value, const char* sample, std::vector<Prop> valueProps)
{
    return {
        {caption, "QLabel", body, layout, grid(row, columns ? 0 : -1), text, {}},
        {value, "QLabel", body, layout, grid(row, columns ? 1 : -1), sample, valueProps},
    };
}

// A title widget holding its one title label.
std::vector<Row> title(const char* holder, Place at, const char* parent, const char* label, const char* text,
                       std::vector<Prop> labelProps = {})
{
    return {
        {holder, "QWidget", parent, nullptr, at, nullptr, {}},
        {label, "QLabel", holder, nullptr, inLayout(), text, labelProps},
    };
}

} // namespace

std::vector<Row> statusRows()
{
    std::vector<Row> rows{
        // GPS Status: text values left, sky map and legend right, signal bars below the map.
        {"gridLayout_11", "QGridLayout", "tabMainGPSStatus", nullptr, own(), nullptr, {}},
        {"wgGPSStatus", "QWidget", "tabMainGPSStatus", "gridLayout_11", grid(0, 0), nullptr, {}},
        {"gridLayout_24", "QGridLayout", "wgGPSStatus", nullptr, own(), nullptr, {}},
        {"wgSatelliteInfo", "QWidget", "wgGPSStatus", "gridLayout_24", grid(0, 0, 2, 1), nullptr,
         {{"layoutClass", QString("QVBoxLayout")}, {"itemCount", 3}, {"spacers", QStringList{"item 3"}}}},
        {"wgSatelliteChart", "QWidget", "wgGPSStatus", "gridLayout_24", grid(0, 1), nullptr, {}},
        {"wgSatelliteSNR", "QWidget", "wgGPSStatus", "gridLayout_24", grid(1, 1), nullptr,
         {{"layoutClass", QString("QHBoxLayout")}}},
        {"wgSatelliteInfo1", "QWidget", "wgSatelliteInfo", nullptr, item(1), nullptr,
         {{"layoutClass", QString("QVBoxLayout")}}},
        {"wgSatelliteInfo2", "QWidget", "wgSatelliteInfo", nullptr, item(2), nullptr,
         {{"layoutClass", QString("QVBoxLayout")}}},
        {"gridLayout_13", "QGridLayout", "wgSatelliteChart", nullptr, own(), nullptr,
         {{"emptyRows", QVariantList{0}}, {"emptyColumns", QVariantList{2, 3}}, {"spacers", QStringList{"1,0", "1,5"}}}},
        {"loSatelliteMap", "QHBoxLayout", "wgSatelliteChart", "gridLayout_13", grid(1, 1), nullptr, {}},
        {"gpvwSatelliteMap", "QGraphicsView", "wgSatelliteChart", "loSatelliteMap", inLayout(), nullptr,
         {{"fixedSize", QSize(280, 280)}}},
        {"wgSatelliteState", "QWidget", "wgSatelliteChart", "gridLayout_13", grid(1, 4), nullptr, {}},
        {"gridLayout_12", "QGridLayout", "wgSatelliteState", nullptr, own(), nullptr, {{"spacerRows", QVariantList{2}}}},
        {"loSatelliteSNR", "QLayout", "wgSatelliteSNR", nullptr, inLayout(), nullptr, {{"itemCount", 0}}},

        // Diagnostics: lamps, internal data and report left; checks and statistics right; refresh below.
        {"tabMainDiagnostics", "QWidget", nullptr, nullptr, within(), nullptr, {{"layoutClass", QString("QHBoxLayout")}}},
        {"wgDiagnostics", "QWidget", "tabMainDiagnostics", nullptr, inLayout(), nullptr, {}},
        {"gridLayout_52", "QGridLayout", "wgDiagnostics", nullptr, own(), nullptr, {}},
        {"wgDiagDeviceCheck", "QWidget", "wgDiagnostics", "gridLayout_52", grid(0, 0), nullptr,
         {{"layoutClass", QString("QVBoxLayout")}, {"itemCount", 5}, {"spacers", QStringList{"item 3", "item 5"}}}},
        {"wgDiagDiagnosis", "QWidget", "wgDiagnostics", "gridLayout_52", grid(0, 1), nullptr, {}},
        {"gridLayout_16", "QGridLayout", "wgDiagDiagnosis", nullptr, own(), nullptr, {}},
        {"wgDiagDiagnosisCheck", "QWidget", "wgDiagDiagnosis", "gridLayout_16", grid(2, 0, 1, 2), nullptr, {}},
        {"wgDiagDiagnosisReset", "QWidget", "wgDiagnostics", "gridLayout_52", grid(1, 0, 1, 2), nullptr,
         {{"layoutClass", QString("QHBoxLayout")}}},
        {"btnDiagRefresh", "QPushButton", "wgDiagDiagnosisReset", nullptr, inLayout(), "Refresh", {}},

        {"wgDiagStatus", "QWidget", "wgDiagDeviceCheck", nullptr, item(1), nullptr,
         {{"layoutClass", QString("QGridLayout")}}},
        {"wgDiagStatusType", "QWidget", "wgDiagStatus", nullptr, grid(1, 0, 1, 2), nullptr, {}},
        {"gridLayout_21", "QGridLayout", "wgDiagStatusType", nullptr, own(), nullptr, {}},
        {"wgDiagDevice", "QWidget", "wgDiagDeviceCheck", nullptr, item(2), nullptr,
         {{"layoutClass", QString("QVBoxLayout")}}},
        {"wgDiagInterData", "QWidget", "wgDiagDevice", nullptr, item(2), nullptr, {}},
        {"gridLayout_14", "QGridLayout", "wgDiagInterData", nullptr, own(), nullptr, {}},
        {"wgDiagGenerateReport", "QWidget", "wgDiagDeviceCheck", nullptr, item(4), nullptr,
         {{"layoutClass", QString("QVBoxLayout")}}},
        {"wgBtnDiagGenerateReport", "QWidget", "wgDiagGenerateReport", nullptr, item(2), nullptr, {}},
        {"btnDiagGenerateReport", "QPushButton", "wgBtnDiagGenerateReport", nullptr, inLayout(), "Generate", {}},

        {"gridLayout_19", "QGridLayout", "wgDiagDiagnosisCheck", nullptr, own(), nullptr,
         {{"spacerRows", QVariantList{4}}}},
        {"wgDiagSystemCheck", "QWidget", "wgDiagDiagnosisCheck", "gridLayout_19", grid(1, -1), nullptr, {}},
        {"gridLayout_20", "QGridLayout", "wgDiagSystemCheck", nullptr, own(), nullptr, {}},
        {"wgDiagRxTxStatistics", "QWidget", "wgDiagDiagnosisCheck", "gridLayout_19", grid(3, -1), nullptr, {}},
        {"gridLayout_15", "QGridLayout", "wgDiagRxTxStatistics", nullptr, own(), nullptr, {}},
    };
    const std::vector<std::vector<Row>> more{
        infoPair("wgSatelliteInfo1", 1, "lblSatelliteFixTitle", "Fix", "lblSatelliteFixText", "Fix 3D"),
        infoPair("wgSatelliteInfo1", 3, "lblSatelliteUtcTitle", "UTC", "lblSatelliteUtcText", "UTC Time"),
        infoPair("wgSatelliteInfo1", 5, "lblSatelliteLatTitle", "Latitude", "lblSatelliteLatText", "Latitude Pos"),
        infoPair("wgSatelliteInfo1", 7, "lblSatelliteLonTitle", "Longitude", "lblSatelliteLonText", "Longitude Pos"),
        infoPair("wgSatelliteInfo2", 1, "lblSatelliteCogTitle", "Course Over Ground (COG)", "lblSatelliteCogText",
                 "Course"),
        infoPair("wgSatelliteInfo2", 3, "lblSatelliteSogTitle", "Speed Over Ground (SOG)", "lblSatelliteSogText",
                 "Speed"),
        infoPair("wgSatelliteInfo2", 5, "lblSatelliteHdopTitle", "Horizontal Dilution Of Precision (HDOP)",
                 "lblSatelliteHdopText", "HDOP"),
        gridPair("wgSatelliteState", "gridLayout_12", 0, false, "lblSatelliteInView", "In view", "imgSatelliteInView",
                 "icon", {}),
        gridPair("wgSatelliteState", "gridLayout_12", 1, false, "lblSatelliteInUse", "In use", "imgSatelliteInUse",
                 "icon", {}),

        title("wgDiagStatusTitle", grid(0, 0, 1, 2), "wgDiagStatus", "lblDiagStatusTitle", "Status"),
        gridPair("wgDiagStatusType", "gridLayout_21", 0, false, "lblDiagStatusPowerOk", "Power OK",
                 "imgDiagStatusPowerOk", "icon", {kCentre, kMiddle}),
        gridPair("wgDiagStatusType", "gridLayout_21", 1, false, "lblDiagStatusTxTimeout", "Tx Timeout",
                 "imgDiagStatusTxTimeout", "icon", {kCentre, kMiddle}),
        gridPair("wgDiagStatusType", "gridLayout_21", 2, false, "lblDiagStatusError", "Error", "imgDiagStatusError",
                 "icon", {kCentre, kMiddle}),
        gridPair("wgDiagStatusType", "gridLayout_21", 3, false, "lblDiagStatusSilentMode", "Silent Mode",
                 "imgDiagStatusSilentMode", "icon", {kCentre, kMiddle}),

        title("wgDiagInterDataTitle", item(1), "wgDiagDevice", "lblDiagInterDataTitle", "Device Internal Data"),
        gridPair("wgDiagInterData", "gridLayout_14", 0, false, "lblDiagProductSN", "Product Serial Number",
                 "lblDiagProductSNValue", "number", {kRight, kMiddle}),
        gridPair("wgDiagInterData", "gridLayout_14", 1, false, "lblDiagProductFV", "Product Firmware Version",
                 "lblDiagProductFVValue", "version", {kRight, kMiddle}),
        gridPair("wgDiagInterData", "gridLayout_14", 2, false, "lblDiagVSWR", "Votage Standing Wave Radio (VSWR)",
                 "lblDiagVSWRValue", "vswr", {kRight, kMiddle}),

        title("wgDiagGenerateReportTitle", item(1), "wgDiagGenerateReport", "lblDiagGenerateReportTitle",
              "Generate Configuration Summary", {kCentre}),

        title("wgDiagSysCheckTitle", grid(0, -1), "wgDiagDiagnosisCheck", "lblDiagSysCheckTitle", "System Check"),
        title("wgDiagStatisticsTitle", grid(2, -1), "wgDiagDiagnosisCheck", "lblDiagRxTxStatisticsTitle",
              "Rx/Tx Statistics"),
        gridPair("wgDiagSystemCheck", "gridLayout_20", 0, true, "lblDiagCheckMmsi", "Is vessel MMSI valid?",
                 "imgDiagCheckMmsi", "icon", {kCentre}),
        gridPair("wgDiagSystemCheck", "gridLayout_20", 1, true, "lblDiagCheckExtPwr", "Is external power supply OK?",
                 "imgDiagCheckExtPwr", "icon", {kCentre}),
        gridPair("wgDiagSystemCheck", "gridLayout_20", 2, true, "lblDiagCheckAisAnte",
                 "Is AIS antenna connection normal?", "imgDiagCheckAisAnte", "icon", {kCentre}),
        gridPair("wgDiagSystemCheck", "gridLayout_20", 3, true, "lblDiagCheckGpsFix", "Is GPS position fixed?",
                 "imgDiagCheckGpsFix", "icon", {kCentre}),
        gridPair("wgDiagSystemCheck", "gridLayout_20", 4, true, "lblDiagCheckAisRxPos",
                 "Has AIS received a position report?", "imgDiagCheckAisRxPos", "icon", {kCentre}),
        gridPair("wgDiagSystemCheck", "gridLayout_20", 5, true, "lblDiagCheckAisTxPos",
                 "Has AIS transmitted a position report?", "imgDiagCheckAisTxPos", "icon", {kCentre}),
        gridPair("wgDiagRxTxStatistics", "gridLayout_15", 0, true, "lblDiagRxChA", "Received messages channel A",
                 "lblDiagRxChAValue", "number", {kRight}),
        gridPair("wgDiagRxTxStatistics", "gridLayout_15", 1, true, "lblDiagRxChB", "Received messages channel B",
                 "lblDiagRxChBValue", "number", {kRight}),
        gridPair("wgDiagRxTxStatistics", "gridLayout_15", 2, true, "lblDiagTxChA", "Transmitted messages channel A",
                 "lblDiagTxChAValue", "number", {kRight}),
        gridPair("wgDiagRxTxStatistics", "gridLayout_15", 3, true, "lblDiagTxChB", "Transmitted messages channel B",
                 "lblDiagTxChBValue", "number", {kRight}),
    };
    for (const auto& part : more)
        rows.insert(rows.end(), part.begin(), part.end());
    return rows;
}

} // namespace FormTable
