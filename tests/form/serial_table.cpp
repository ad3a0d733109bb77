// The Other Vessels and Serial Data pages.
#include "FormTable.h"

namespace FormTable {

std::vector<Row> serialRows()
{
    return {
        {"gridLayout_38", "QGridLayout", "tabMainOtherVessels", nullptr, own(), nullptr, {}},
        {"wgOtherVessels", "QWidget", "tabMainOtherVessels", "gridLayout_38", grid(0, 0), nullptr, {}},
        {"gridLayout_37", "QGridLayout", "wgOtherVessels", nullptr, own(), nullptr, {{"emptyColumns", QVariantList{0}}}},
        {"tbvwOtherVessels", "QTableView", "wgOtherVessels", "gridLayout_37", grid(0, 1, 1, 2), nullptr,
         {{"hHeaderHidden", true},
          {"vHeaderHidden", true},
          {"hHeaderCascading", false},
          {"vHeaderCascading", false},
          {"hasModel", false}}},

        // Serial Data: content from grid row 1; record line, monitor row and command line.
        {"gridLayout", "QGridLayout", "tabMainSerialData", nullptr, own(), nullptr, {{"emptyRows", QVariantList{0}}}},
        {"wgSerialData", "QWidget", "tabMainSerialData", "gridLayout", grid(1, 0, 2, 1), nullptr,
         {{"layoutClass", QString("QVBoxLayout")}, {"itemCount", 3}}},
        {"wgMsgRecord", "QWidget", "wgSerialData", nullptr, item(1), nullptr, {}},
        {"wgSerialRx", "QWidget", "wgSerialData", nullptr, item(2), nullptr, {}},
        {"wgSendCommand", "QWidget", "wgSerialData", nullptr, item(3), nullptr, {}},
        {"lblMsgRecordTitle", "QLabel", "wgMsgRecord", nullptr, item(1), "Record to this file", {}},
        {"edtMsgRecordPath", "QLineEdit", "wgMsgRecord", nullptr, item(2), "", {}},
        {"btnMsgRecordBrowse", "QPushButton", "wgMsgRecord", nullptr, item(3), "Browse", {}},
        {"loMsgRecord", "QHBoxLayout", "wgMsgRecord", nullptr, item(4), nullptr, {{"itemCount", 0}}},
        {"wgSerialRxControl", "QWidget", "wgSerialRx", nullptr, item(1), nullptr,
         {{"layoutClass", QString("QVBoxLayout")}, {"itemCount", 4}, {"spacers", QStringList{"item 3"}}}},
        {"loEnableLog", "QLayout", "wgSerialRxControl", nullptr, item(1), nullptr, {{"itemCount", 1}}},
        {"btnEnableLog", "QPushButton", "wgSerialRxControl", "loEnableLog", inLayout(), "Enable Log", {}},
        {"btnClearLog", "QPushButton", "wgSerialRxControl", nullptr, item(2), "Clear Log", {}},
        {"btnSaveToFile", "QPushButton", "wgSerialRxControl", nullptr, item(4), "Save to File", {}},
        {"txbwSerialRx", "QTextBrowser", "wgSerialRx", nullptr, item(2), nullptr,
         {{"inputMethodHints", int(Qt::ImhMultiLine)}, {"plainText", QString()}}},
        {"lblEnterCommand", "QLabel", "wgSendCommand", nullptr, item(1), "Enter Command:", {}},
        {"edtSendCommand", "QLineEdit", "wgSendCommand", nullptr, item(2), "", {}},
        {"btnSendCommand", "QPushButton", "wgSendCommand", nullptr, item(3), "Send Command", {}},
    };
}

} // namespace FormTable
