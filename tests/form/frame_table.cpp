// The window, its title bar, connection bar, main menu and page stack.
#include "FormTable.h"

#include <QFrame>
#include <QSize>
#include <QTabWidget>

namespace FormTable {

namespace {

const QSize kMaxSize(16777215, 16777215);

Row functionHolder(const char* name, int itemNumber)
{
    return {name, "QWidget", "wgFormBorder", "horizontalLayout_25", item(itemNumber), nullptr, {}};
}

Row functionButton(const char* name, const char* holder, int width, int height)
{
    return {name, "QToolButton", holder, nullptr, inLayout(), "", {{"fixedSize", QSize(width, height)}}};
}

Row menuButton(const char* name, int itemNumber, const char* text)
{
    return {name,
            "QToolButton",
            "wgMainMenu",
            "horizontalLayout_3",
            item(itemNumber),
            text,
            {{"minimumWidth", 120}, {"fixedHeight", 35}, {"checkable", false}}};
}

} // namespace

std::vector<Row> frameRows()
{
    return {
        {"AisConfiguration",
         "QMainWindow",
         nullptr,
         nullptr,
         within(),
         "AisConfiguration",
         {{"size", QSize(1073, 949)}, {"minimumSize", QSize(0, 0)}, {"maximumSize", kMaxSize}}},
        {"centralWidget", "QWidget", nullptr, nullptr, central(), nullptr, {}},
        {"verticalLayout", "QVBoxLayout", "centralWidget", nullptr, own(), nullptr, {}},
        {"wgFormBorder", "QWidget", "centralWidget", "verticalLayout", item(1), nullptr, {{"fixedHeight", 35}}},
        {"wgMain", "QWidget", "centralWidget", "verticalLayout", item(2), nullptr, {}},
        {"gridLayout_28",
         "QGridLayout",
         "wgMain",
         nullptr,
         own(),
         nullptr,
         {{"leftMargin", 20}, {"rightMargin", 20}, {"emptyRows", QVariantList{2}}}},
        {"wgComm", "QWidget", "wgMain", "gridLayout_28", grid(0, 0, 1, 3), nullptr, {}},
        {"wgMainMenu", "QWidget", "wgMain", "gridLayout_28", grid(1, 0, 1, 3), nullptr, {}},
        {"tbwgMain",
         "QTabWidget",
         "wgMain",
         "gridLayout_28",
         grid(3, 1),
         nullptr,
         {{"tabPosition", int(QTabWidget::West)}, {"currentIndex", 3}, {"count", 9}}},
        {"wgMainContent", "QWidget", "wgMain", "gridLayout_28", grid(4, 1), nullptr, {{"layoutClass", QString()}}},

        // Title bar.
        {"horizontalLayout_25",
         "QHBoxLayout",
         "wgFormBorder",
         nullptr,
         own(),
         nullptr,
         {{"itemCount", 9}, {"spacers", QStringList{"item 2", "item 5"}}}},
        {"wgFormBorderEmpty",
         "QWidget",
         "wgFormBorder",
         "horizontalLayout_25",
         item(1),
         nullptr,
         {{"fixedWidth", 158}, {"contextMenuPolicy", int(Qt::NoContextMenu)}}},
        {"btnBorderTitleLogo", "QToolButton", "wgFormBorder", "horizontalLayout_25", item(3), "Logo", {{"fixedHeight", 25}}},
        {"lblBorderTitleName",
         "QLabel",
         "wgFormBorder",
         "horizontalLayout_25",
         item(4),
         "AIS Configuration",
         {{"frameShape", int(QFrame::NoFrame)}, {"hAlign", int(Qt::AlignLeft)}, {"vAlign", int(Qt::AlignVCenter)}}},
        functionHolder("wgThemeFunHelp", 6),
        functionButton("btnThemeFunHelp", "wgThemeFunHelp", 35, 25),
        functionHolder("wgThemeFunAbout", 7),
        functionButton("btnThemeFunAbout", "wgThemeFunAbout", 35, 25),
        functionHolder("wgWinCtrlMin", 8),
        functionButton("btnWinCtrlMin", "wgWinCtrlMin", 35, 20),
        functionHolder("wgWinCtrlClose", 9),
        {"btnWinCtrlClose", "QToolButton", "wgWinCtrlClose", "gridLayout_22", grid(0, 3), "", {{"fixedSize", QSize(35, 26)}}},
        {"gridLayout_22", "QGridLayout", "wgWinCtrlClose", nullptr, own(), nullptr, {{"spacers", QStringList{"1,3"}}}},

        // Connection bar.
        {"horizontalLayout_26",
         "QHBoxLayout",
         "wgComm",
         nullptr,
         own(),
         nullptr,
         {{"itemCount", 5}, {"spacers", QStringList{"item 5"}}}},
        {"lblConntSerialPort", "QLabel", "wgComm", "horizontalLayout_26", item(1), "Com Port:", {}},
        {"loConntSerialPort", "QHBoxLayout", "wgComm", "horizontalLayout_26", item(2), nullptr, {}},
        {"cbbxConntSerialPort", "QComboBox", "wgComm", "loConntSerialPort", inLayout(), nullptr, {{"fixedSize", QSize(450, 25)}}},
        {"btnCommConnt",
         "QPushButton",
         "wgComm",
         "horizontalLayout_26",
         item(3),
         "Connect",
         {{"fixedSize", QSize(100, 25)}, {"checkable", false}}},
        {"lblConntStatus", "QLabel", "wgComm", "horizontalLayout_26", item(4), "Click to connect the device!", {}},

        // Main menu, in the order of the menu ids.
        {"horizontalLayout_3", "QHBoxLayout", "wgMainMenu", nullptr, own(), nullptr, {{"itemCount", 7}}},
        {"btnMMHome",
         "QToolButton",
         "wgMainMenu",
         "horizontalLayout_3",
         item(1),
         "Home",
         {{"fixedSize", QSize(50, 35)}, {"checkable", false}}},
        menuButton("btnMMConfiguration", 2, "Configuration"),
        menuButton("btnMMGPSStatus", 3, "GPS Status"),
        menuButton("btnMMDiagnostics", 4, "Diagnostics"),
        menuButton("btnMMOtherVessels", 5, "Other Vessels"),
        menuButton("btnMMSerialData", 6, "Serial Data"),
        menuButton("btnMMWiFi", 7, "Wi-Fi"),

        // The page stack, pages in tab order.
        {"tabMainHome", "QWidget", "tbwgMain", nullptr, page(0), "Home", {}},
        {"tabMainConfiguration", "QWidget", "tbwgMain", nullptr, page(1), "Configuration", {}},
        {"tbConfigurationUtility", "QWidget", "tbwgMain", nullptr, page(2), "CfgSubPage1", {}},
        {"tabMainGPSStatus", "QWidget", "tbwgMain", nullptr, page(3), "GPS Status", {}},
        {"tabMainDiagnostics", "QWidget", "tbwgMain", nullptr, page(4), "Diagnostics", {}},
        {"tabMainOtherVessels", "QWidget", "tbwgMain", nullptr, page(5), "Other Vessels", {}},
        {"tabMainSerialData", "QWidget", "tbwgMain", nullptr, page(6), "Serial Data", {}},
        {"tabMainWiFi", "QWidget", "tbwgMain", nullptr, page(7), "WiFi", {}},
        {"tbProgressBar", "QWidget", "tbwgMain", nullptr, page(8), "Waiting Bar", {}},
    };
}

} // namespace FormTable
