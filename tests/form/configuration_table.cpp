// The Configuration page's frame and the holding page with the seven configuration groups.
#include "FormTable.h"

#include <QFrame>

namespace FormTable {

namespace {

const std::vector<Prop> kPreviewArea{{"frameShape", int(QFrame::NoFrame)},
                                     {"horizontalScrollBarPolicy", int(Qt::ScrollBarAlwaysOff)},
                                     {"verticalScrollBarPolicy", int(Qt::ScrollBarAlwaysOff)},
                                     {"widgetResizable", true}};
const std::vector<Prop> kNoItems{{"count", 0}};
const std::vector<Prop> kEmptyGrid{{"itemCount", 0}};

// A ship dimension: caption, spin box and unit in one row of gridLayout_23.
std::vector<Row> dimensionRow(int row, const char* caption, const char* spin, const char* unit, const char* letter)
{
    return {
        {caption, "QLabel", "wgCfgVslDimValue", "gridLayout_23", grid(row, 0), letter, {}},
        {spin, "QSpinBox", "wgCfgVslDimValue", "gridLayout_23", grid(row, 1), nullptr,
         {{"hAlign", int(Qt::AlignHCenter)}, {"value", 0}}},
        {unit, "QLabel", "wgCfgVslDimValue", "gridLayout_23", grid(row, 2), "m", {}},
    };
}

// A baud-rate row: a widget in gridLayout_9 holding caption and combo box side by side.
std::vector<Row> baudRow(int row, const char* holder, const char* caption, const char* text, const char* combo)
{
    return {
        {holder, "QWidget", "wgCfgNmeaBaundRateSet", "gridLayout_9", grid(row, -1), nullptr,
         {{"layoutClass", QString("QHBoxLayout")}}},
        {caption, "QLabel", holder, nullptr, item(1), text, {}},
        {combo, "QComboBox", holder, nullptr, item(2), nullptr, kNoItems},
    };
}

// A caption and a combo box of the transceiver settings, captions over columns 0 and 1.
std::vector<Row> transceiverRow(int row, const char* caption, const char* text, const char* combo,
                                std::vector<Prop> comboProps = kNoItems)
{
    return {
        {caption, "QLabel", "wgCfgTransceiver", "gridLayout_10", grid(row, 0, 1, 2), text, {}},
        {combo, "QComboBox", "wgCfgTransceiver", "gridLayout_10", grid(row, 2, 1, 2), nullptr, comboProps},
    };
}

// An SRM row: digits count from 0, captions from 1.
std::vector<Row> srmRow(int row)
{
    static const char* const kHolders[] = {"wgCfgSRMText0", "wgCfgSRMText1", "wgCfgSRMText2", "wgCfgSRMText3"};
    static const char* const kCaptions[] = {"lblCfgSRMText0", "lblCfgSRMText1", "lblCfgSRMText2", "lblCfgSRMText3"};
    static const char* const kTexts[] = {"SRM Text 1", "SRM Text 2", "SRM Text 3", "SRM Text 4"};
    static const char* const kEdits[] = {"edtCfgSRMText0", "edtCfgSRMText1", "edtCfgSRMText2", "edtCfgSRMText3"};
    return {
        {kHolders[row], "QWidget", "wgCfgSRMSet", "gridLayout_46", grid(row, -1), nullptr, {}},
        {kCaptions[row], "QLabel", kHolders[row], nullptr, inLayout(), kTexts[row], {}},
        {kEdits[row], "QLineEdit", kHolders[row], nullptr, inLayout(), "", {}},
    };
}

void append(std::vector<Row>& rows, const std::vector<Row>& more)
{
    rows.insert(rows.end(), more.begin(), more.end());
}

} // namespace

std::vector<Row> configurationRows()
{
    std::vector<Row> rows{
        // Frame of tabMainConfiguration: left preview and arrow, main area, right arrow and preview.
        {"gridLayoutTabConfig", "QGridLayout", "tabMainConfiguration", nullptr, own(), nullptr, {}},
        {"wgConfiguration", "QWidget", "tabMainConfiguration", "gridLayoutTabConfig", grid(0, 0), nullptr, {}},
        {"gridLayout_42", "QGridLayout", "wgConfiguration", nullptr, own(), nullptr, {}},
        {"wgCfgLeftPage", "QWidget", "wgConfiguration", "gridLayout_42", grid(0, 1), nullptr, {}},
        {"scaCfgLeftPage", "QScrollArea", "wgCfgLeftPage", nullptr, grid(0, 2), nullptr, kPreviewArea},
        {"wgScaLeftPageContents", "QWidget", "scaCfgLeftPage", nullptr, contents(), nullptr, {}},
        {"wgScaContentsLeftPage", "QWidget", "wgScaLeftPageContents", nullptr, grid(0, 0), nullptr, {}},
        {"gdLoCfgLeftPage", "QGridLayout", "wgScaContentsLeftPage", nullptr, grid(0, 0), nullptr, kEmptyGrid},
        {"lblCfgLeftArrow", "QLabel", "wgCfgLeftPage", nullptr, grid(0, 3), "", {}},
        {"wgCfgMainPage", "QWidget", "wgConfiguration", "gridLayout_42", grid(0, 2), nullptr, {}},
        {"gdLoCfgMainPage", "QGridLayout", "wgCfgMainPage", nullptr, grid(0, 0), nullptr, kEmptyGrid},
        {"wgCfgRightPage", "QWidget", "wgConfiguration", "gridLayout_42", grid(0, 3), nullptr, {}},
        {"lblCfgRightArrow", "QLabel", "wgCfgRightPage", nullptr, grid(0, 0), "", {}},
        {"scaCfgRightPage", "QScrollArea", "wgCfgRightPage", nullptr, grid(0, 1), nullptr, kPreviewArea},
        {"wgScaRightPageContents", "QWidget", "scaCfgRightPage", nullptr, contents(), nullptr, {}},
        {"wgScaContentsRightPage", "QWidget", "wgScaRightPageContents", nullptr, inLayout(), nullptr, {}},
        {"gdLoCfgRightPage", "QGridLayout", "wgScaContentsRightPage", nullptr, grid(0, 0), nullptr, kEmptyGrid},
        {"wgCfgProgramDev", "QWidget", "wgConfiguration", "gridLayout_42", grid(1, 1, 1, 3), nullptr,
         {{"layoutClass", QString("QHBoxLayout")}}},
        {"btnCfgProgramDev", "QPushButton", "wgCfgProgramDev", nullptr, inLayout(), "Program Device", {}},

        // Holding page: a tab widget of two pages with the groups at their design places.
        {"gridLayout_44", "QGridLayout", "tbConfigurationUtility", nullptr, own(), nullptr, {}},
        {"tabWgCfgUtility", "QTabWidget", "tbConfigurationUtility", "gridLayout_44", grid(0, 0), nullptr,
         {{"currentIndex", 0}, {"count", 2}}},
        {"tbCfgUtility1", "QWidget", "tabWgCfgUtility", nullptr, page(0), "Tab 1", {}},
        {"wgCfgUtility1", "QWidget", "tbCfgUtility1", nullptr, inLayout(), nullptr, {}},
        {"gdLayoutCfgUtility", "QGridLayout", "wgCfgUtility1", nullptr, own(), nullptr, {}},
        {"tbCfgUtility2", "QWidget", "tabWgCfgUtility", nullptr, page(1), "Tab 2", {}},
        {"wgCfgUtility2", "QWidget", "tbCfgUtility2", nullptr, inLayout(), nullptr, {}},
        {"gridLayout_39", "QGridLayout", "wgCfgUtility2", nullptr, own(), nullptr, {}},
        {"wgCfgVesselDetail", "QWidget", "wgCfgUtility1", "gdLayoutCfgUtility", grid(0, 0), nullptr,
         {{"layoutClass", QString("QVBoxLayout")}}},
        {"wgCfgShipDim", "QWidget", "wgCfgUtility1", "gdLayoutCfgUtility", grid(0, 1), nullptr,
         {{"layoutClass", QString("QVBoxLayout")}}},
        {"wgCfgNmeaBaundRate", "QWidget", "wgCfgUtility1", "gdLayoutCfgUtility", grid(1, 0), nullptr,
         {{"layoutClass", QString("QVBoxLayout")}}},
        {"wgCfgAdvConfig", "QWidget", "wgCfgUtility1", "gdLayoutCfgUtility", grid(1, 1), nullptr,
         {{"layoutClass", QString("QVBoxLayout")}}},
        {"wgCfgSRM", "QWidget", "wgCfgUtility2", "gridLayout_39", grid(0, 0), nullptr,
         {{"layoutClass", QString("QVBoxLayout")}}},
        {"wgCfgEncryption", "QWidget", "wgCfgUtility2", "gridLayout_39", grid(0, 1), nullptr, {{"enabled", true}}},
        {"wgCfgSpace", "QWidget", "wgCfgUtility2", "gridLayout_39", grid(1, 0), nullptr, {}},

        // Vessel details: captions in column 0, inputs in column 2, a spacer in column 1 of row 2.
        {"wgCfgVslDetailTitle", "QWidget", "wgCfgVesselDetail", nullptr, item(1), nullptr, {}},
        {"lblCfgVesselDetailTitle", "QLabel", "wgCfgVslDetailTitle", nullptr, inLayout(), "Configure Vessel Details", {}},
        {"wgCfgVesselDetailSet", "QWidget", "wgCfgVesselDetail", nullptr, item(2), nullptr, {}},
        {"gridLayout_7", "QGridLayout", "wgCfgVesselDetailSet", nullptr, own(), nullptr,
         {{"spacers", QStringList{"2,1"}}}},
        {"lblCfgShipName", "QLabel", "wgCfgVesselDetailSet", "gridLayout_7", grid(0, 0), "Ship's Name", {}},
        {"edtCfgShipName", "QLineEdit", "wgCfgVesselDetailSet", "gridLayout_7", grid(0, 2), "",
         {{"hAlign", int(Qt::AlignLeft)}}},
        {"lblCfgCallSign", "QLabel", "wgCfgVesselDetailSet", "gridLayout_7", grid(1, 0), "Call Sign",
         {{"frameShape", int(QFrame::NoFrame)}}},
        {"edtCfgCallSign", "QLineEdit", "wgCfgVesselDetailSet", "gridLayout_7", grid(1, 2), "", {}},
        {"wgMmsi", "QWidget", "wgCfgVesselDetailSet", "gridLayout_7", grid(2, 0), nullptr, {{"itemCount", 2}}},
        {"loCfgMmsi", "QVBoxLayout", "wgMmsi", nullptr, item(1), nullptr, {}},
        {"lblCfgMmsi", "QLabel", "wgMmsi", "loCfgMmsi", inLayout(), "MMSI", {}},
        {"btnMmsiHelp", "QToolButton", "wgMmsi", nullptr, item(2), "",
         {{"cursorShape", int(Qt::PointingHandCursor)}}},
        {"edtCfgMmsi", "QLineEdit", "wgCfgVesselDetailSet", "gridLayout_7", grid(2, 2), "", {}},
        {"lblCfgVesselType", "QLabel", "wgCfgVesselDetailSet", "gridLayout_7", grid(3, 0), "Vessel Type", {}},
        {"cbbxCfgVesselType", "QComboBox", "wgCfgVesselDetailSet", "gridLayout_7", grid(3, 2), nullptr, kNoItems},

        // Ship dimensions: the drawing beside the value block.
        {"wgCfgShipDimTitle", "QWidget", "wgCfgShipDim", nullptr, item(1), nullptr, {}},
        {"lblCFShipDimTitle", "QLabel", "wgCfgShipDimTitle", nullptr, inLayout(),
         "Ship Dimensions and GPS Antenna Location", {}},
        {"wgCfgVslDim", "QWidget", "wgCfgShipDim", nullptr, item(2), nullptr, {}},
        {"gridLayout_25", "QGridLayout", "wgCfgVslDim", nullptr, own(), nullptr, {}},
        {"imgCfgVslDim", "QLabel", "wgCfgVslDim", "gridLayout_25", grid(0, 0), "Dimension", {}},
        {"wgCfgVslDimValue", "QWidget", "wgCfgVslDim", "gridLayout_25", grid(0, 1), nullptr, {}},
        {"gridLayout_23", "QGridLayout", "wgCfgVslDimValue", nullptr, own(), nullptr, {}},

        // NMEA 0183 baud rates: rows 2 and 5 empty, a spacer in row 6.
        {"wgCfgNmeaBaudRateTitle", "QWidget", "wgCfgNmeaBaundRate", nullptr, item(1), nullptr, {}},
        {"lblCfgNmeaBaundRateTitle", "QLabel", "wgCfgNmeaBaudRateTitle", nullptr, inLayout(),
         "Configure NMEA0183 Baud Rate", {}},
        {"wgCfgNmeaBaundRateSet", "QWidget", "wgCfgNmeaBaundRate", nullptr, item(2), nullptr, {}},
        {"gridLayout_9", "QGridLayout", "wgCfgNmeaBaundRateSet", nullptr, own(), nullptr,
         {{"emptyRows", QVariantList{2, 5}}, {"spacerRows", QVariantList{6}}}},

        // Advanced configuration: title row with the expander, captions over columns 0-1.
        {"wgCfgAdvConfigTitle", "QWidget", "wgCfgAdvConfig", nullptr, item(1), nullptr,
         {{"itemCount", 3}, {"spacers", QStringList{"item 2"}}}},
        {"lblCfgAdvancedConfTitle", "QLabel", "wgCfgAdvConfigTitle", nullptr, item(1), "Advanced Configuration", {}},
        {"loCfgAdvConfig", "QGridLayout", "wgCfgAdvConfigTitle", nullptr, item(3), nullptr, {}},
        {"btnCfgAdvancedConfDisp", "QPushButton", "wgCfgAdvConfigTitle", "loCfgAdvConfig", grid(0, 0), "",
         {{"flat", false}}},
        {"wgCfgTransceiver", "QWidget", "wgCfgAdvConfig", nullptr, item(2), nullptr, {}},
        {"gridLayout_10", "QGridLayout", "wgCfgTransceiver", nullptr, own(), nullptr,
         {{"spacerRows", QVariantList{7}}}},
        {"lblCfgTransceiver", "QLabel", "wgCfgTransceiver", "gridLayout_10", grid(0, 0, 1, 2), "Configure Transceiver", {}},
        {"chbxCfgMsg27", "QCheckBox", "wgCfgTransceiver", "gridLayout_10", grid(6, 0, 1, 4),
         "Enable long-range AIS broadcast Message 27", {{"checked", false}}},

        // SRM texts: a spacer in row 4.
        {"wgCfgSRMTitle", "QWidget", "wgCfgSRM", nullptr, item(1), nullptr, {}},
        {"lblCfgSRMTitle", "QLabel", "wgCfgSRMTitle", nullptr, inLayout(), "SRM Text", {}},
        {"wgCfgSRMSet", "QWidget", "wgCfgSRM", nullptr, item(2), nullptr, {}},
        {"gridLayout_46", "QGridLayout", "wgCfgSRMSet", nullptr, own(), nullptr, {{"spacerRows", QVariantList{4}}}},

        // Encryption: body column 0 empty, a spacer in row 3.
        {"gridLayout_49", "QGridLayout", "wgCfgEncryption", nullptr, own(), nullptr, {}},
        {"wgCfgEncryptionTitle", "QWidget", "wgCfgEncryption", "gridLayout_49", grid(0, -1), nullptr, {}},
        {"lblCfgEncryptionTitle", "QLabel", "wgCfgEncryptionTitle", nullptr, inLayout(), "Encryption", {}},
        {"wgCfgEncryptionSet", "QWidget", "wgCfgEncryption", "gridLayout_49", grid(1, -1), nullptr, {}},
        {"gridLayout_47", "QGridLayout", "wgCfgEncryptionSet", nullptr, own(), nullptr,
         {{"emptyColumns", QVariantList{0}}, {"spacerRows", QVariantList{3}}}},
        {"chbxEncryptionModeEnable", "QCheckBox", "wgCfgEncryptionSet", "gridLayout_47", grid(0, 1, 1, 2),
         "Enable encryption mode", {{"checked", false}}},
        {"wgCfgEncryptionAddressMode", "QWidget", "wgCfgEncryptionSet", "gridLayout_47", grid(1, 1), nullptr,
         {{"layoutClass", QString("QHBoxLayout")}}},
        {"chbxEncryptionAddressMode", "QCheckBox", "wgCfgEncryptionAddressMode", nullptr, item(1), "Address Mode",
         {{"checked", false}}},
        {"wgCfgEncryptionMMSI", "QWidget", "wgCfgEncryptionAddressMode", nullptr, item(2), nullptr,
         {{"layoutClass", QString("QHBoxLayout")}}},
        {"lblCfgEncryptionMMSI", "QLabel", "wgCfgEncryptionMMSI", nullptr, item(1), "MMSI", {}},
        {"edtCfgEncryptionMMSI", "QLineEdit", "wgCfgEncryptionMMSI", nullptr, item(2), "", {}},
        {"wgCfgEncryptionCode", "QWidget", "wgCfgEncryptionSet", "gridLayout_47", grid(2, 1), nullptr,
         {{"layoutClass", QString("QVBoxLayout")}}},
        {"lblCfgEncryptionCode", "QLabel", "wgCfgEncryptionCode", nullptr, item(1), "Encryption Code", {}},
        {"edtCfgEncryptionCode", "QLineEdit", "wgCfgEncryptionCode", nullptr, item(2), "", {}},

        // The space filler: one spacer and nothing else.
        {"gridLayout_59", "QGridLayout", "wgCfgSpace", nullptr, own(), nullptr, {{"itemCount", 1}, {"spacerCount", 1}}},
    };
    append(rows, dimensionRow(0, "lblCfgVslDimA", "spbxCfgVslDimA", "lblCfgVslDimAUnit", "A"));
    append(rows, dimensionRow(1, "lblCfgVslDimB", "spbxCfgVslDimB", "lblCfgVslDimBUnit", "B"));
    append(rows, dimensionRow(2, "lblCfgVslDimC", "spbxCfgVslDimC", "lblCfgVslDimCUnit", "C"));
    append(rows, dimensionRow(3, "lblCfgVslDimD", "spbxCfgVslDimD", "lblCfgVslDimDUnit", "D"));
    append(rows, baudRow(0, "wgCfgNmea1Input", "lblCfgNmea1Input", "NMEA 1 Input", "cbbxCfgNmea1Input"));
    append(rows, baudRow(1, "wgCfgNmea1Output", "lblCfgNmea1Output", "NMEA 1 Output", "cbbxCfgNmea1Output"));
    append(rows, baudRow(3, "wgCfgNmea2Input", "lblCfgNmea2Input", "NMEA 2 Input", "cbbxCfgNmea2Input"));
    append(rows, baudRow(4, "wgCfgNmea2Output", "lblCfgNmea2Output", "NMEA 2 Output", "cbbxCfgNmea2Output"));
    append(rows, transceiverRow(1, "lblCfgDscMonitoring", "DSC Monitoring", "cbbxCfgDscMonitoring"));
    append(rows, transceiverRow(2, "lblCfgGpsUpdateRate", "GPS Update Rate", "cbbxCfgGpsUpdateRate",
                                {{"count", 0}, {"maxVisibleItems", 11}}));
    append(rows, transceiverRow(3, "lblCfgGpsMode", "GPS Mode", "cbbxCfgGpsMode"));
    append(rows, transceiverRow(4, "lblCfgAlrSentence", "ALR Sentence", "cbbxCfgAlrSentence"));
    append(rows, transceiverRow(5, "lblCfgNMEADevInst", "NMEA 2000 Device Instance", "cbbxCfgNMEADevInst"));
    for (int row = 0; row < 4; ++row)
        append(rows, srmRow(row));
    return rows;
}

} // namespace FormTable
