// Sheets of spin boxes, combo boxes with their popup list, edits, table and header views.
#include "palette/QtObjPalette.h"

#include "SheetProbe.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QDateEdit>
#include <QLineEdit>
#include <QSpinBox>
#include <QStandardItemModel>
#include <QTableView>
#include <QTextEdit>
#include <QTimeEdit>

namespace {

using P = QtObjPalette;

QWidget* makeCombo()
{
    auto* combo = new QComboBox;
    combo->addItems({"COM1", "COM2"});
    combo->view()->ensurePolished();
    return combo;
}

QWidget* makeTable()
{
    auto* table = new QTableView;
    auto* model = new QStandardItemModel(2, 2, table);
    table->setModel(model);
    table->setSortingEnabled(true);
    return table;
}

// The white theme's spin box.
const SWidgetColor kSpinColor{0x282828, 0xffffff, 0x282828, 0xffffff};
const SWidgetColor kSpinDisabled{0x505050, 0x282828};
const SWidgetColor kCharcoalBackground{kWgColorUnset, 0x282828};
const SWidgetColor kBlackBackground{kWgColorUnset, 0x000000};
const SWidgetBorderLine kGreyLine{1, WG_BORDER_EDGE_SOLID, 0xa9a9a9};
const SWidgetBorderRadius kRadius5{5};
const WIDGET_BORDER kGreyBorder{&kGreyLine, &kRadius5};
const WIDGET_FONT kTahoma14Bold{14, WG_FONT_WEIGHT_BOLD, "Tahoma"};
const WIDGET_SIZE kButton26{26, 26};
const QString kAdd = ":/SpinBox/Widget/SpinBox/A12Gray/Add.png";
const QString kSub = ":/SpinBox/Widget/SpinBox/A12Gray/Sub.png";
const WIDGET_SPIN_BOX kSpin{&kSpinColor,       &kSpinDisabled, &kCharcoalBackground,
                            &kBlackBackground, &kGreyBorder,   &kTahoma14Bold,
                            &kButton26,        kAdd,           kSub};

// The white theme's combo box.
const SWidgetColor kBlackOnWhite{0x000000, 0xffffff};
const SWidgetColor kWhiteOnCornflower{0xffffff, 0x6495ed};
const SWidgetColor kGreyOnCornsilk{0x505050, 0xfffbf0};
const SWidgetGradientColor kSilverToWhite{0, 0, 0, 1, 2, {0, 1}, {0xc0c0c0, 0xffffff}};
const SWidgetBorderLine kCharcoalLine{1, WG_BORDER_EDGE_SOLID, 0x282828};
const WIDGET_BORDER kCharcoalBorder{&kCharcoalLine, &kRadius5};
const QString kArrow = ":/ComboBox/Widget/ComboBox/A16Gray/DownArrow.png";
const SWidgetSides kPaddingLeft8{8};
const WIDGET_COMBO_BOX kCombo{40,
                              0x000000,
                              &kBlackOnWhite,
                              &kWhiteOnCornflower,
                              &kGreyOnCornsilk,
                              &kSilverToWhite,
                              &kTahoma14Bold,
                              &kCharcoalBorder,
                              nullptr,
                              kArrow};
const WIDGET_COMBO_BOX kComboNoItemColour{40,      kWgColorUnset, nullptr,          nullptr,        nullptr,
                                          nullptr, nullptr,       &kCharcoalBorder, &kPaddingLeft8, kArrow};

const WIDGET_EDIT kEdit{&kBlackOnWhite, &kGreyOnCornsilk, &kTahoma14Bold, &kCharcoalBorder, &kPaddingLeft8, kArrow};

const SWidgetColor kTableColor{0x000000, 0xffffff, 0xffffff, 0x4169e1, 0xf5f5f5};
const SWidgetColor kBlack{0x000000};
const WIDGET_FONT kTahoma14{14, WG_FONT_WEIGHT_NORMAL, "Tahoma"};
const SWidgetBorderLine kGreyLine808080{1, WG_BORDER_EDGE_SOLID, 0x808080};
const WIDGET_BORDER kTableBorder{&kGreyLine808080, nullptr};

const WIDGET_SIZE kSectionHeight{kWgLengthUnset, 30};
const SWidgetColor kWhiteOnSlate{0xffffff, 0x483d8b};

const QString kSpinColours =
    "color:#282828;background-color:#ffffff;selection-color:#282828;selection-background-color:#ffffff;";
const QString kSpinBorder = "border:1px solid #a9a9a9;border-radius:5px;";
const QString kSpinStates = "QAbstractSpinBox:enabled {" + kSpinColours +
                            "}QAbstractSpinBox:disabled {color:#505050;background-color:#282828;}"
                            "QAbstractSpinBox::up-button:hover {background-color:#282828;}"
                            "QAbstractSpinBox::down-button:hover {background-color:#282828;}"
                            "QAbstractSpinBox::up-button:pressed {background-color:#000000;}"
                            "QAbstractSpinBox::down-button:pressed {background-color:#000000;}";
const QString kSpinFirst = "QAbstractSpinBox {" + kSpinColours + kSpinBorder +
                           "padding-left:5px;padding-right:5px;font-size:14px;font-weight:700;"
                           "font-family:\"Tahoma\";}";

const QString kEditBody = "color:#000000;background-color:#ffffff;border:1px solid #282828;border-radius:5px;"
                          "padding-left:8px;";
const QString kEditFont = "font-size:14px;font-weight:700;font-family:\"Tahoma\";";
const QString kReadOnly = "color:#505050;background-color:#fffbf0;";

std::vector<SSheetCase> inputCases()
{
    return {
        {"spin box", [] { return P::compSpinBoxStyleSheet("", kSpin, false, false); },
         kSpinFirst + kSpinStates + "QAbstractSpinBox::up-button {" + kSpinBorder +
             "width:26px;height:26px;image: url(:/SpinBox/Widget/SpinBox/A12Gray/Add.png);"
             "subcontrol-position: right;}"
             "QAbstractSpinBox::down-button {" +
             kSpinBorder +
             "width:26px;height:26px;image: url(:/SpinBox/Widget/SpinBox/A12Gray/Sub.png);"
             "subcontrol-position: left;}",
         makerOf<QSpinBox>()},
        // Hidden buttons read neither the size nor the images.
        {"spin box, buttons hidden", [] { return P::compSpinBoxStyleSheet("", kSpin, false, true); },
         kSpinFirst + kSpinStates + "QAbstractSpinBox::up-button {width:0}QAbstractSpinBox::down-button {width:0}",
         makerOf<QSpinBox>()},
        {"spin box named, buttons hidden, null records",
         [] { return P::compSpinBoxStyleSheet("spbxGpsRate", WIDGET_SPIN_BOX{}, false, true); },
         "QAbstractSpinBox#spbxGpsRate {padding-left:5px;padding-right:5px;}QAbstractSpinBox#spbxGpsRate:enabled {}"
         "QAbstractSpinBox#spbxGpsRate:disabled {}QAbstractSpinBox#spbxGpsRate::up-button:hover {}"
         "QAbstractSpinBox#spbxGpsRate::down-button:hover {}QAbstractSpinBox#spbxGpsRate::up-button:pressed {}"
         "QAbstractSpinBox#spbxGpsRate::down-button:pressed {}QAbstractSpinBox#spbxGpsRate::up-button {width:0}"
         "QAbstractSpinBox#spbxGpsRate::down-button {width:0}",
         makerOf<QSpinBox>(), "spbxGpsRate"},
        // Without a button size the buttons get no size declarations.
        {"spin box of null records, buttons shown",
         [] { return P::compSpinBoxStyleSheet("", WIDGET_SPIN_BOX{}, true, false); },
         " QAbstractSpinBox {padding-left:5px;padding-right:5px;} QAbstractSpinBox:enabled {}"
         " QAbstractSpinBox:disabled {} QAbstractSpinBox::up-button:hover {} QAbstractSpinBox::down-button:hover {}"
         " QAbstractSpinBox::up-button:pressed {} QAbstractSpinBox::down-button:pressed {}"
         " QAbstractSpinBox::up-button {image: url();subcontrol-position: right;}"
         " QAbstractSpinBox::down-button {image: url();subcontrol-position: left;}",
         makerOf<QSpinBox>(), "", true},
        {"combo box", [] { return P::compComboBoxStyleSheet("", kCombo, false); },
         "QComboBox {color:#000000;background-color:#ffffff;border:1px solid #282828;border-radius:5px;"
         "font-size:14px;font-weight:700;font-family:\"Tahoma\";}"
         "QComboBox:enabled {color:#000000;background-color:#ffffff;}"
         "QComboBox:disabled {color:#505050;background-color:#fffbf0;}"
         "QComboBox::down-arrow:enabled {right:3px;image: url(:/ComboBox/Widget/ComboBox/A16Gray/DownArrow.png);}"
         "QComboBox::down-arrow:on {top:1px;}"
         "QComboBox::drop-down {border: none;}"
         "QComboBox QAbstractItemView {"
         "background: qlineargradient(x1:0.0, y1:0.0, x2:0.0, y2:1.0, stop:0.0 #c0c0c0, stop:1.0 #ffffff);"
         "border:1px solid #282828;border-radius:5px;}"
         "QComboBox QAbstractItemView::item {color:#000000;border-radius:5px;min-height:40px}"
         "QComboBox QAbstractItemView::item:selected {color:#ffffff;background-color:#6495ed;}",
         makeCombo},
        // Without the item colour the item rule begins with the corners of the border.
        {"combo box without item colour", [] { return P::compComboBoxStyleSheet("", kComboNoItemColour, false); },
         "QComboBox {border:1px solid #282828;border-radius:5px;padding-left:8px;}QComboBox:enabled {}"
         "QComboBox:disabled {}"
         "QComboBox::down-arrow:enabled {right:3px;image: url(:/ComboBox/Widget/ComboBox/A16Gray/DownArrow.png);}"
         "QComboBox::down-arrow:on {top:1px;}QComboBox::drop-down {border: none;}"
         "QComboBox QAbstractItemView {border:1px solid #282828;border-radius:5px;}"
         "QComboBox QAbstractItemView::item {border-radius:5px;padding-left:8px;min-height:40px}"
         "QComboBox QAbstractItemView::item:selected {}",
         makeCombo},
        // Without a border record neither the box nor the items get border declarations.
        {"combo box named, null records",
         [] { return P::compComboBoxStyleSheet("cbbxConntSerialPort", WIDGET_COMBO_BOX{}, false); },
         "QComboBox#cbbxConntSerialPort {}QComboBox#cbbxConntSerialPort:enabled {}"
         "QComboBox#cbbxConntSerialPort:disabled {}"
         "QComboBox#cbbxConntSerialPort::down-arrow:enabled {right:3px;image: url();}"
         "QComboBox#cbbxConntSerialPort::down-arrow:on {top:1px;}"
         "QComboBox#cbbxConntSerialPort::drop-down {border: none;}"
         "QComboBox QAbstractItemView#cbbxConntSerialPort {}"
         "QComboBox QAbstractItemView#cbbxConntSerialPort::item {min-height:0px}"
         "QComboBox QAbstractItemView#cbbxConntSerialPort::item:selected {}",
         makeCombo, "cbbxConntSerialPort"},
        {"combo box named descendant, negative item height",
         [] {
             WIDGET_COMBO_BOX combo;
             combo.itemHeight = -4;
             return P::compComboBoxStyleSheet("cbbxConntSerialPort", combo, true);
         },
         "#cbbxConntSerialPort QComboBox {}#cbbxConntSerialPort QComboBox:enabled {}"
         "#cbbxConntSerialPort QComboBox:disabled {}"
         "#cbbxConntSerialPort QComboBox::down-arrow:enabled {right:3px;image: url();}"
         "#cbbxConntSerialPort QComboBox::down-arrow:on {top:1px;}"
         "#cbbxConntSerialPort QComboBox::drop-down {border: none;}"
         "#cbbxConntSerialPort QComboBox QAbstractItemView {}"
         "#cbbxConntSerialPort QComboBox QAbstractItemView::item {min-height:-4px}"
         "#cbbxConntSerialPort QComboBox QAbstractItemView::item:selected {}",
         makeCombo, "cbbxConntSerialPort", true},
        {"edit, line edit class", [] { return P::compEditStyleSheet("", kEdit, false, "QLineEdit"); },
         "QLineEdit {" + kEditBody + kEditFont + "}QLineEdit:read-only {" + kReadOnly + "}QLineEdit:disabled {" +
             kReadOnly + "}",
         makerOf<QLineEdit>()},
        {"edit, date edit class has the arrow rules",
         [] { return P::compEditStyleSheet("", kEdit, false, "QDateEdit"); },
         "QDateEdit {" + kEditBody + kEditFont + "}QDateEdit:read-only {" + kReadOnly + "}QDateEdit:disabled {" +
             kReadOnly +
             "}QDateEdit::down-arrow:enabled {right:3px;image: url(:/ComboBox/Widget/ComboBox/A16Gray/DownArrow.png);}"
             "QDateEdit::down-arrow:on {top:1px;}QDateEdit::drop-down {border: none;}",
         makerOf<QDateEdit>()},
        {"edit, time edit class has no arrow rules",
         [] { return P::compEditStyleSheet("", kEdit, false, "QTimeEdit"); },
         "QTimeEdit {" + kEditBody + kEditFont + "}QTimeEdit:read-only {" + kReadOnly + "}QTimeEdit:disabled {" +
             kReadOnly + "}",
         makerOf<QTimeEdit>()},
        {"edit of null records", [] { return P::compEditStyleSheet("", WIDGET_EDIT{}, false, "QTextEdit"); },
         "QTextEdit {}QTextEdit:read-only {}QTextEdit:disabled {}", makerOf<QTextEdit>()},
        {"line edit, no font", [] { return P::compLineEditStyleSheet("", kEdit, false); },
         "QLineEdit {" + kEditBody + "}QLineEdit:read-only {" + kReadOnly + "}", makerOf<QLineEdit>()},
        {"text edit named descendant, no font", [] { return P::compTextEditStyleSheet("txtMonitor", kEdit, true); },
         "#txtMonitor QTextEdit {" + kEditBody + "}#txtMonitor QTextEdit:read-only {" + kReadOnly + "}",
         makerOf<QTextEdit>(), "txtMonitor", true},
        {"table view named",
         [] {
             return P::compTableViewStyleSheet("tbvwOtherVessel",
                                               WIDGET_TABLE_VIEW{&kTableColor, nullptr, &kTableBorder}, false);
         },
         "QTableView#tbvwOtherVessel {color:#000000;background-color:#ffffff;selection-color:#ffffff;"
         "selection-background-color:#4169e1;alternate-background-color:#f5f5f5;border:1px solid #808080;}",
         makeTable, "tbvwOtherVessel"},
        {"table view colours, font, border",
         [] {
             return P::compTableViewStyleSheet("", WIDGET_TABLE_VIEW{&kBlack, &kTahoma14, &kTableBorder}, false);
         },
         "QTableView {color:#000000;font-size:14px;font-weight:400;font-family:\"Tahoma\";border:1px solid #808080;}",
         makeTable},
        {"table view of null records", [] { return P::compTableViewStyleSheet("", WIDGET_TABLE_VIEW{}, false); },
         "QTableView {}", makeTable},
        {"header view",
         [] {
             return P::compHeaderViewStyleSheet(
                 "", WIDGET_HEADER_VIEW{&kSectionHeight, &kWhiteOnSlate, ":/x/up.png", ":/x/down.png"}, false);
         },
         "QHeaderView::section {height:30px;color:#ffffff;background-color:#483d8b;}"
         "QHeaderView::up-arrow {image: url(:/x/up.png);}QHeaderView::down-arrow {image: url(:/x/down.png);}",
         makeTable},
        // Empty arrow paths still write their rules; without a size the section has none.
        {"header view of null records", [] { return P::compHeaderViewStyleSheet("", WIDGET_HEADER_VIEW{}, false); },
         "QHeaderView::section {}QHeaderView::up-arrow {image: url();}QHeaderView::down-arrow {image: url();}",
         makeTable},
    };
}

class InputSheet : public ::testing::TestWithParam<SSheetCase>
{
};

TEST_P(InputSheet, GivesExactTextThatQtParses)
{
    checkSheetCase(GetParam());
}

INSTANTIATE_TEST_SUITE_P(Inputs, InputSheet, ::testing::ValuesIn(inputCases()));

} // namespace
