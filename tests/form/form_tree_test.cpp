// The generated form against the tables of every page: names, classes, places, texts and
// the properties the form fixes, then the facts about the whole tree.
#include "ui_AisConfiguration.h"

#include "FormChecker.h"
#include "FormTable.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QHash>
#include <QLineEdit>
#include <QMainWindow>
#include <QRadioButton>
#include <QSet>
#include <QSpinBox>
#include <QStackedWidget>
#include <QTranslator>

#include <algorithm>
#include <functional>

namespace {

using namespace FormTable;

class FormTree : public ::testing::Test {
protected:
    FormTree() { ui.setupUi(&window); }

    void expectRows(const std::vector<Row>& rows)
    {
        for (const Row& row : rows) {
            const QStringList found = differences(&window, row);
            EXPECT_TRUE(found.isEmpty()) << row.name << ": " << found.join("; ").toStdString();
        }
    }

    QMainWindow window;
    Ui::AisConfiguration ui;
};

std::vector<Row> allRows()
{
    std::vector<Row> rows;
    for (const auto& part : {frameRows(), configurationRows(), wifiRows(), homeRows(), statusRows(), serialRows()})
        rows.insert(rows.end(), part.begin(), part.end());
    return rows;
}

TEST_F(FormTree, FrameAsListed)
{
    expectRows(frameRows());
}

TEST_F(FormTree, ConfigurationPagesAsListed)
{
    expectRows(configurationRows());
}

TEST_F(FormTree, WiFiPagesAsListed)
{
    expectRows(wifiRows());
}

TEST_F(FormTree, HomePageAsListed)
{
    expectRows(homeRows());
}

TEST_F(FormTree, GpsStatusAndDiagnosticsPagesAsListed)
{
    expectRows(statusRows());
}

TEST_F(FormTree, OtherVesselsAndSerialDataPagesAsListed)
{
    expectRows(serialRows());
}

// The purely structural objects each page's description lists, and its spacers.
struct Structure {
    const char* part;
    QStringList pages;
    QStringList names;
    int spacers;
};

QStringList numbered(const QString& stem, int first, int last)
{
    QStringList names;
    for (int n = first; n <= last; ++n)
        names << stem + QString::number(n);
    return names;
}

const char* classFromName(const QString& name)
{
    if (name.startsWith("gridLayout"))
        return "QGridLayout";
    if (name.startsWith("horizontalLayout"))
        return "QHBoxLayout";
    if (name.startsWith("verticalLayout"))
        return "QVBoxLayout";
    if (name.startsWith("lo"))
        return "QLayout";
    return "QWidget";
}

std::vector<Structure> structures()
{
    const QString g = "gridLayout_", h = "horizontalLayout_", v = "verticalLayout_";
    return {
        {"Configuration",
         {"tabMainConfiguration", "tbConfigurationUtility"},
         QStringList{"wgCfgVslDetailTitle", "wgCfgVesselDetailSet", "wgCfgShipDimTitle", "wgCfgVslDim",
                     "wgCfgVslDimValue", "wgCfgNmeaBaudRateTitle", "wgCfgNmeaBaundRateSet", "wgCfgAdvConfigTitle",
                     "wgCfgTransceiver", "wgCfgSRMTitle", "wgCfgSRMSet", "wgCfgEncryptionTitle", "wgCfgEncryptionSet",
                     "wgCfgUtility1", "wgCfgUtility2", "wgScaContentsLeftPage", "wgScaContentsRightPage",
                     "gridLayoutTabConfig", g + "6", g + "7", g + "9", g + "10", g + "17", g + "23", g + "25",
                     g + "39", h + "6", h + "13", v + "23", v + "24", v + "28"}
             + numbered(g, 42, 49) + numbered(g, 55, 59) + numbered(h, 8, 11) + numbered(h, 45, 48)
             + numbered(h, 54, 61) + numbered(v, 10, 12),
         7},
        {"Wi-Fi",
         {"tabMainWiFi", "tbProgressBar"},
         QStringList{"wgWiFi", "wgWiFiModeTitle", "wgWiFiModeConfiguration", "wgWiFiCfgTitle", g + "27", g + "29",
                     g + "30", g + "40", g + "41", g + "50", h + "4", h + "5", h + "7", h + "19", h + "24", h + "34",
                     h + "35", v + "18", v + "21", v + "29"}
             + numbered(g, 32, 36) + numbered(h, 42, 44),
         9},
        {"Home",
         {"tabMainHome"},
         QStringList{"wgHomeConfigurationTitle", "wgHomeDiagnosticsTitle", "wgHomeGPSStatusTitle",
                     "wgHomeSerialDataTitle", "wgHomeWiFiTitle", g + "8", g + "26", g + "31", h + "12", h + "36",
                     v + "2", v + "3", v + "5", v + "7", v + "22", v + "30"}
             + numbered(g, 2, 5) + numbered(h, 28, 31),
         9},
        {"GPS Status and Diagnostics",
         {"tabMainGPSStatus", "tabMainDiagnostics"},
         QStringList{"wgGPSStatus", "wgSatelliteInfo1", "wgSatelliteInfo2", "wgDiagnostics", "wgDiagStatusTitle",
                     "wgDiagStatusType", "wgDiagInterDataTitle", "wgDiagInterData", "wgDiagGenerateReportTitle",
                     "wgBtnDiagGenerateReport", "wgDiagDiagnosis", "wgDiagSysCheckTitle", "wgDiagStatisticsTitle",
                     g + "24", g + "52", g + "53", "horizontalLayout", h + "2", h + "22", h + "23", h + "27", v + "9"}
             + numbered(g, 11, 16) + numbered(g, 18, 21) + numbered(h, 15, 17) + numbered(v, 13, 17),
         7},
        {"Other Vessels and Serial Data",
         {"tabMainOtherVessels", "tabMainSerialData"},
         {"wgSerialData", "wgSerialRx", "wgSendCommand", "loEnableLog", "gridLayout", g + "37", g + "38", h + "18",
          h + "20", h + "21", v + "4", v + "20"},
         1},
    };
}

bool isBelowAny(const QObject* object, const QStringList& ancestors)
{
    for (const QObject* up = object->parent(); up; up = up->parent())
        if (ancestors.contains(up->objectName()))
            return true;
    return false;
}

TEST_F(FormTree, StructuralObjectsAndSpacersOfEachPage)
{
    for (const Structure& structure : structures()) {
        SCOPED_TRACE(structure.part);
        for (const QString& name : structure.names) {
            QObject* object = findUnique(&window, name.toUtf8().constData());
            if (!object) {
                ADD_FAILURE() << name.toStdString() << ": not exactly one object of this name";
                continue;
            }
            const QString expected = classFromName(name);
            EXPECT_TRUE(expected == "QLayout" ? object->inherits("QLayout") : expected == object->metaObject()->className())
                << name.toStdString() << " is a " << object->metaObject()->className();
            EXPECT_TRUE(isBelowAny(object, structure.pages)) << name.toStdString() << " is not on its pages";
        }
        int spacers = 0;
        for (const QString& page : structure.pages)
            spacers += spacersBelow(qobject_cast<QWidget*>(findUnique(&window, page.toUtf8().constData())));
        EXPECT_EQ(spacers, structure.spacers);
    }
}

TEST_F(FormTree, FortySpacersInAll)
{
    EXPECT_EQ(spacersBelow(&window), 40);
}

// Qt's own inner objects (a tab widget's bar, a scroll area's viewport) are not the form's.
bool isQtInner(const QObject* object)
{
    const QString name = object->objectName();
    return name.isEmpty() || name.startsWith("qt_") || !name.at(0).isLower();
}

// Nothing is named that the tables do not list; the title bar's holders of the function
// buttons may name their layouts as they like.
TEST_F(FormTree, EveryNamedObjectIsListed)
{
    QSet<QString> listed;
    for (const Row& row : allRows())
        listed.insert(row.name);
    for (const Structure& structure : structures())
        for (const QString& name : structure.names)
            listed.insert(name);
    for (QObject* object : window.findChildren<QObject*>()) {
        if (isQtInner(object) || listed.contains(object->objectName()))
            continue;
        const bool titleBarLayout = object->inherits("QLayout") && isBelowAny(object, {"wgFormBorder"});
        EXPECT_TRUE(titleBarLayout) << object->objectName().toStdString() << " is not listed";
    }
    // About 550 members: widgets, layouts and spacers.
    EXPECT_GE(listed.size(), 500);
}

TEST_F(FormTree, PageStackHoldsNinePagesInOrderWithGpsStatusCurrent)
{
    const QStringList pages{"tabMainHome",         "tabMainConfiguration", "tbConfigurationUtility",
                            "tabMainGPSStatus",    "tabMainDiagnostics",   "tabMainOtherVessels",
                            "tabMainSerialData",   "tabMainWiFi",          "tbProgressBar"};
    ASSERT_EQ(ui.tbwgMain->count(), pages.size());
    for (int index = 0; index < pages.size(); ++index)
        EXPECT_EQ(ui.tbwgMain->widget(index)->objectName(), pages[index]) << index;
    EXPECT_EQ(ui.tbwgMain->currentWidget(), ui.tabMainGPSStatus);
    EXPECT_EQ(ui.tabWgCfgUtility->currentWidget(), ui.tbCfgUtility1);
}

TEST(FormWindowName, AWindowThatHasANameKeepsItAndOneWithoutGetsTheFormName)
{
    QMainWindow named;
    named.setObjectName("KeptName");
    Ui::AisConfiguration first;
    first.setupUi(&named);
    EXPECT_EQ(named.objectName(), "KeptName");

    QMainWindow unnamed;
    Ui::AisConfiguration second;
    second.setupUi(&unnamed);
    EXPECT_EQ(unnamed.objectName(), "AisConfiguration");
}

TEST_F(FormTree, ChannelListIsAutoSelectThenChannelsOneToEleven)
{
    ASSERT_EQ(ui.cbbxWifiCfgChannel->count(), 12);
    EXPECT_EQ(ui.cbbxWifiCfgChannel->itemText(0), "Auto Select");
    for (int channel = 1; channel <= 11; ++channel)
        EXPECT_EQ(ui.cbbxWifiCfgChannel->itemText(channel), QString::number(channel));
    EXPECT_EQ(ui.cbbxWifiCfgChannel->currentText(), "Auto Select");
}

// After setupUi: inputs empty and unchecked, nothing hidden or disabled, combo boxes
// without items but the channel list, the placeholders of the view's grids empty.
TEST_F(FormTree, EveryInputStartsEmptyVisibleAndEnabled)
{
    for (QWidget* widget : window.findChildren<QWidget*>()) {
        if (isQtInner(widget))
            continue;
        const std::string name = widget->objectName().toStdString();
        // A tab widget shows only its current page; every other widget stands shown.
        if (!qobject_cast<QStackedWidget*>(widget->parentWidget())) {
            EXPECT_FALSE(widget->isHidden()) << name;
        }
        EXPECT_TRUE(widget->isEnabled()) << name;
        if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
            EXPECT_TRUE(edit->text().isEmpty()) << name;
        }
        if (auto* spin = qobject_cast<QSpinBox*>(widget)) {
            EXPECT_EQ(spin->value(), 0) << name;
        }
        if (auto* combo = qobject_cast<QComboBox*>(widget); combo && combo != ui.cbbxWifiCfgChannel) {
            EXPECT_EQ(combo->count(), 0) << name;
        }
        if (qobject_cast<QCheckBox*>(widget) || qobject_cast<QRadioButton*>(widget)) {
            EXPECT_FALSE(static_cast<QAbstractButton*>(widget)->isChecked()) << name;
        }
    }
    EXPECT_EQ(ui.gdLoCfgMainPage->count(), 0);
    EXPECT_EQ(ui.gdLoCfgLeftPage->count(), 0);
    EXPECT_EQ(ui.gdLoCfgRightPage->count(), 0);
}

// Creation order where the description fixes it; keyboard focus follows it.
TEST_F(FormTree, WidgetsAreCreatedInTheOrderGiven)
{
    QHash<QString, int> order;
    // A tab widget raises its current page to the end of its children; its pages are
    // taken in tab order, which is the order they were added in.
    std::function<void(QObject*)> walk = [&](QObject* parent) {
        QObjectList children = parent->children();
        if (auto* stack = qobject_cast<QStackedWidget*>(parent))
            std::sort(children.begin(), children.end(), [stack](QObject* left, QObject* right) {
                return stack->indexOf(qobject_cast<QWidget*>(left)) < stack->indexOf(qobject_cast<QWidget*>(right));
            });
        for (QObject* child : children) {
            if (child->isWidgetType())
                order.insert(child->objectName(), order.size());
            walk(child);
        }
    };
    walk(&window);
    const std::vector<QStringList> sequences{
        {"wgFormBorder", "wgMain"},
        {"wgMainContent", "wgMainMenu", "wgComm", "tbwgMain"},
        {"tabMainHome", "tabMainConfiguration", "tbConfigurationUtility", "tabMainGPSStatus", "tabMainDiagnostics",
         "tabMainOtherVessels", "tabMainSerialData", "tabMainWiFi", "tbProgressBar"},
        {"wgConfiguration", "tabWgCfgUtility"},
        {"wgCfgShipDim", "wgCfgAdvConfig", "wgCfgNmeaBaundRate", "wgCfgVesselDetail", "wgCfgSRM", "wgCfgEncryption",
         "wgCfgSpace"},
        {"wgWifiConfiguration", "wgCfgWifiSetting", "wgWiFiCfgTitle", "wgWiFiCfgClientList", "wgWiFiStatus",
         "wgWiFiAdvConfig", "wgWiFiMode"},
        {"wgHomeConfiguration", "wgHomeDiagnostics", "wgHomeGPSStatus", "wgHomeOtherVessels", "wgHomeWiFi"},
        {"wgSatelliteState", "gpvwSatelliteMap", "wgSatelliteSNR", "wgSatelliteInfo"},
        {"wgDiagStatus", "wgDiagDevice", "wgDiagGenerateReport", "wgDiagRxTxStatistics", "wgDiagStatisticsTitle",
         "wgDiagSystemCheck", "wgDiagSysCheckTitle", "btnDiagRefresh"},
        {"wgMsgRecord", "wgSerialRx", "wgSendCommand"},
    };
    for (const QStringList& sequence : sequences)
        for (int i = 1; i < sequence.size(); ++i)
            EXPECT_LT(order.value(sequence[i - 1], -1), order.value(sequence[i], -1))
                << sequence[i - 1].toStdString() << " before " << sequence[i].toStdString();
}

// Marks every text looked up in the form's translation context.
class MarkingTranslator : public QTranslator {
public:
    QString translate(const char* context, const char* source, const char* = nullptr, int = -1) const override
    {
        return QString(context) == "AisConfiguration" ? "<" + QString(source) + ">" : QString();
    }
    bool isEmpty() const override { return false; }
};

TEST(FormTexts, StaticTextsAreLookedUpInTheFormsContext)
{
    MarkingTranslator translator;
    QCoreApplication::installTranslator(&translator);
    QMainWindow window;
    Ui::AisConfiguration ui;
    ui.setupUi(&window);
    QCoreApplication::removeTranslator(&translator);

    EXPECT_EQ(window.windowTitle(), "<AisConfiguration>");
    EXPECT_EQ(ui.lblConntStatus->text(), "<Click to connect the device!>");
    EXPECT_EQ(ui.btnCfgProgramDev->text(), "<Program Device>");
    EXPECT_EQ(ui.tbwgMain->tabText(2), "<CfgSubPage1>");
    EXPECT_EQ(ui.tabWgCfgUtility->tabText(1), "<Tab 2>");
    EXPECT_EQ(ui.cbbxWifiCfgChannel->itemText(0), "<Auto Select>");
    EXPECT_EQ(ui.cbbxWifiCfgChannel->count(), 12);
    EXPECT_EQ(ui.lblHomeWiFiFirmwareVerTitle->text(), "<Wi-Fi  Module Firmware Version: >");
}

} // namespace
