// The Home page: five boxes, each a title button over a body.
#include "FormTable.h"

#include <QFrame>

namespace FormTable {

namespace {

const Prop kRight{"hAlign", int(Qt::AlignRight)};
const Prop kMiddle{"vAlign", int(Qt::AlignVCenter)};

// A box of gridLayout_8 with the pointing-hand cursor, its title widget, title button and body.
std::vector<Row> box(const char* name, Place at, const char* title, const char* button, const char* text,
                     const char* body, std::vector<Prop> titleProps)
{
    return {
        {name, "QWidget", "wgMainHome", "gridLayout_8", at, nullptr, {{"cursorShape", int(Qt::PointingHandCursor)}}},
        {title, "QWidget", name, nullptr, inLayout(), nullptr, titleProps},
        {button, "QPushButton", title, nullptr, item(1), text, {{"fixedSize", QSize(250, 30)}}},
        {body, "QWidget", name, nullptr, inLayout(), nullptr, {}},
    };
}

const std::vector<Prop> kButtonThenSpacer{{"itemCount", 2}, {"spacers", QStringList{"item 2"}}};

// A caption and its value, the value aligned right (and vertically centred where the Part says).
std::vector<Row> pair(const char* body, const char* layout, int row, const char* caption, const char* text,
                      const char* value, const char* sample, std::vector<Prop> valueProps)
{
    return {
        {caption, "QLabel", body, layout, grid(row, 0), text, {}},
        {value, "QLabel", body, layout, grid(row, 1), sample, valueProps},
    };
}

} // namespace

std::vector<Row> homeRows()
{
    std::vector<Row> rows{
        {"gridLayout_2", "QGridLayout", "tabMainHome", nullptr, own(), nullptr, {}},
        {"wgMainHome", "QWidget", "tabMainHome", "gridLayout_2", grid(0, 0, 1, 2), nullptr, {}},
        {"gridLayout_8", "QGridLayout", "wgMainHome", nullptr, own(), nullptr, {}},

        // Configuration box.
        {"gridLayout_4", "QGridLayout", "wgHomeConfigurationSet", nullptr, own(), nullptr,
         {{"spacerRows", QVariantList{4}}}},
        {"wgHomeMmsi", "QWidget", "wgHomeConfigurationSet", "gridLayout_4", grid(2, 0), nullptr, {{"spacerCount", 1}}},
        {"lblHomeMmsiTitle", "QLabel", "wgHomeMmsi", nullptr, inLayout(), "MMSI", {}},
        {"lblHomeMmsi", "QLabel", "wgHomeConfigurationSet", "gridLayout_4", grid(2, 1), "mmsi", {kRight, kMiddle}},
        {"lblHomeConfigurationMore", "QLabel", "wgHomeConfigurationSet", "gridLayout_4", grid(5, 0, 1, 2), "More...",
         {{"frameShape", int(QFrame::NoFrame)}, kRight}},

        // Diagnostics box.
        {"gridLayout_5", "QGridLayout", "wgHomeDiagnosticsSet", nullptr, own(), nullptr,
         {{"spacerRows", QVariantList{3}}}},
        {"lblHomeDiagnosticsMore", "QLabel", "wgHomeDiagnosticsSet", "gridLayout_5", grid(4, 0, 1, 2), "More...",
         {{"frameShape", int(QFrame::NoFrame)}, kRight}},

        // GPS box: the small sky map's placeholder, without a fixed size.
        {"gridLayout_26", "QGridLayout", "wgHomeGPSStatusMap", nullptr, own(), nullptr, {}},
        {"gpvwHomeSatelliteMap", "QGraphicsView", "wgHomeGPSStatusMap", "gridLayout_26", grid(0, 1), nullptr,
         {{"fixedSize", QSize()}, {"maximumSize", QSize(16777215, 16777215)}}},
        {"lblHomeGPSStatusMore", "QLabel", "wgHomeGPSStatusMap", "gridLayout_26", grid(1, 0, 1, 3), "More...", {kRight}},

        // Other vessels box.
        {"wgHomeSerialDataSet", "QWidget", "wgHomeOtherVessels", nullptr, inLayout(), nullptr,
         {{"layoutClass", QString("QVBoxLayout")}}},
        {"tbvwHomeOtherVessels", "QTableView", "wgHomeSerialDataSet", nullptr, item(1), nullptr,
         {{"hHeaderHidden", true},
          {"vHeaderHidden", true},
          {"hHeaderCascading", false},
          {"vHeaderCascading", false},
          {"hasModel", false}}},
        {"lblHomeOtherVesselsMore", "QLabel", "wgHomeSerialDataSet", nullptr, item(2), "More...", {kRight}},

        // Wi-Fi box: the waiting text in the title, one row of mode and firmware in the body.
        {"lblHomeWiFiWaiting", "QLabel", "wgHomeWiFiTitle", nullptr, item(2), "TextLabel", {}},
        {"gridLayout_31", "QGridLayout", "wgHomeWiFiSet", nullptr, own(), nullptr,
         {{"emptyColumns", QVariantList{0}}, {"spacers", QStringList{"0,6"}}}},
        {"lblHomeWiFiTitleStatus", "QLabel", "wgHomeWiFiSet", "gridLayout_31", grid(0, 1), "Wi-Fi Mode: ",
         {{"hAlign", int(Qt::AlignLeft)}}},
        {"lblHomeWiFiModeValue", "QLabel", "wgHomeWiFiSet", "gridLayout_31", grid(0, 2), "", {}},
        {"space", "QWidget", "wgHomeWiFiSet", "gridLayout_31", grid(0, 3), nullptr, {}},
        {"lblHomeWiFiFirmwareVerTitle", "QLabel", "wgHomeWiFiSet", "gridLayout_31", grid(0, 4),
         "Wi-Fi  Module Firmware Version: ", {}},
        {"lblHomeWiFiFirmwareVerValue", "QLabel", "wgHomeWiFiSet", "gridLayout_31", grid(0, 5), "", {}},
        {"wgHomeWiFISetMore", "QWidget", "wgHomeWiFiSet", "gridLayout_31", grid(0, 7), nullptr,
         {{"layoutClass", QString("QVBoxLayout")}, {"itemCount", 0}}},
        {"lblHomeWiFiSetMore", "QLabel", "wgHomeWiFiSet", "gridLayout_31", grid(1, 6), "More...",
         {kRight, {"vAlign", int(Qt::AlignBottom)}}},
    };
    const std::vector<std::vector<Row>> more{
        box("wgHomeConfiguration", grid(0, 0), "wgHomeConfigurationTitle", "btnHomeConfiguration", "Configuration",
            "wgHomeConfigurationSet", kButtonThenSpacer),
        box("wgHomeDiagnostics", grid(0, 1), "wgHomeDiagnosticsTitle", "btnHomeDiagnostics", "Diagnostics",
            "wgHomeDiagnosticsSet", kButtonThenSpacer),
        box("wgHomeGPSStatus", grid(1, 0), "wgHomeGPSStatusTitle", "btnHomeSatelliteStatus", "GPS Status",
            "wgHomeGPSStatusMap", kButtonThenSpacer),
        box("wgHomeOtherVessels", grid(1, 1), "wgHomeSerialDataTitle", "btnHomeOtherVessels", "Other Vessels",
            "wgHomeSerialDataSet", kButtonThenSpacer),
        box("wgHomeWiFi", grid(2, 0, 1, 2), "wgHomeWiFiTitle", "btnHomeWiFi", "Wi-Fi", "wgHomeWiFiSet",
            {{"itemCount", 3}, {"spacers", QStringList{"item 3"}}}),
        pair("wgHomeConfigurationSet", "gridLayout_4", 0, "lblHomeShipNameTitle", "Ship's Name", "lblHomeShipName",
             "name", {kRight, kMiddle}),
        pair("wgHomeConfigurationSet", "gridLayout_4", 1, "lblHomeCallSignTitle", "Call Sign", "lblHomeCallSign",
             "call sign", {kRight, kMiddle}),
        pair("wgHomeConfigurationSet", "gridLayout_4", 3, "lblHomeVslTypeTitle", "Vessel Type", "lblHomeVesselType",
             "type", {kRight, kMiddle}),
        pair("wgHomeDiagnosticsSet", "gridLayout_5", 0, "lblHomeProductSN", "Product Serial Number",
             "lblHomeProductSNValue", "number", {kRight}),
        pair("wgHomeDiagnosticsSet", "gridLayout_5", 1, "lblHomeProductFV", "Product Firmware Version",
             "lblHomeProductFVValue", "version", {kRight}),
        pair("wgHomeDiagnosticsSet", "gridLayout_5", 2, "lblHomeVSWR", "Votage Standing Wave Radio (VSWR)",
             "lblHomeVSWRValue", "vswr", {kRight}),
    };
    for (const auto& part : more)
        rows.insert(rows.end(), part.begin(), part.end());
    return rows;
}

} // namespace FormTable
