// The serial-port list and the connection bar of the view, on the real form, with the ports
// offered through the port-list seam.
#include "ViewOnForm.h"
#include "comm/CommDefine.h"
#include "theme/ObjPalette.h"
#include "view/SerialPortList.h"

#include <QLabel>
#include <QSignalSpy>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

SSerialPortItem port(const QString& name, const QString& description = QString(), bool busy = false)
{
    SSerialPortItem item;
    item.portName = name;
    item.systemLocation = name.startsWith(QLatin1Char('/')) ? name : QStringLiteral("/dev/") + name;
    item.description = description;
    item.busy = busy;
    return item;
}

class ViewPorts : public ::testing::Test
{
protected:
    void SetUp() override
    {
        CSerialPortList::setSource([this] { return m_ports; });
        m_view = std::make_unique<SViewOnForm>();
        m_view->view->strInUse = QStringLiteral(" - IN USE");
    }
    void TearDown() override
    {
        m_view.reset();
        CSerialPortList::setSource({});
    }

    WgComboBox& combo() { return m_view->view->portComboBox; }
    QStringList texts()
    {
        QStringList all;
        for (int i = 0; i < combo().count(); ++i)
            all << combo().itemText(i);
        return all;
    }
    QStringList locations()
    {
        QStringList all;
        for (int i = 0; i < combo().count(); ++i)
            all << combo().itemData(i, Qt::UserRole).toString();
        return all;
    }
    void select(const QString& text) { combo().setCurrentIndex(combo().findText(text)); }
    void refill(bool initial = false) { m_view->view->refreshSerialPortDisp(initial); }

    QList<SSerialPortItem> m_ports;
    std::unique_ptr<SViewOnForm> m_view;
};

std::wstring devName(const COMM::SCommConntProfile& profile)
{
    return std::wstring(profile.ConntSetting.DevName);
}

} // namespace

TEST_F(ViewPorts, FirstFillPutsTheTransponderDescriptionsFirstThenOrdersByNumber)
{
    m_ports = {port("ttyS1"),
               port("COM10", "USB Serial Port"),
               port("COM3", QString(), true),
               port("COM2", "Bluetooth"),
               port("ttyUSB0", "AIS Virtual Com"),
               port("ttyS0", "", true)};

    refill(true);
    EXPECT_EQ(texts(), QStringList({"USB Serial Port (COM10)", "AIS Virtual Com (ttyUSB0)", "Bluetooth (COM2)",
                                    "COM3 - IN USE", "ttyS0 - IN USE", "ttyS1"}));
    EXPECT_EQ(locations(), QStringList({"/dev/COM10", "/dev/ttyUSB0", "/dev/COM2", "/dev/COM3", "/dev/ttyS0",
                                        "/dev/ttyS1"}));
    EXPECT_EQ(combo().currentIndex(), 0);

    // Later fills order by number only.
    refill(false);
    EXPECT_EQ(texts(), QStringList({"Bluetooth (COM2)", "COM3 - IN USE", "USB Serial Port (COM10)", "ttyS0 - IN USE",
                                    "ttyS1", "AIS Virtual Com (ttyUSB0)"}));
}

TEST_F(ViewPorts, SelectionSurvivesRefillsAndFallsBackToTheFirstItem)
{
    m_ports = {port("COM1"), port("COM4", "USB Serial Port"), port("COM7")};
    refill(true);
    QSignalSpy changed(&combo(), qOverload<int>(&QComboBox::currentIndexChanged));

    select("COM7");
    changed.clear();
    refill();
    refill();
    EXPECT_EQ(combo().currentText(), "COM7");
    EXPECT_EQ(changed.count(), 0) << "a refill announces no change of selection";

    // A new port listed before it: still the same port.
    m_ports.prepend(port("COM0"));
    refill();
    EXPECT_EQ(combo().currentText(), "COM7");

    // The remembered text is matched without regard to case.
    combo().setItemText(combo().currentIndex(), "com7");
    refill();
    EXPECT_EQ(combo().currentText(), "COM7");

    // Another program took it: the text changed, so the first item is selected.
    m_ports.last().busy = true;
    refill();
    EXPECT_EQ(combo().currentIndex(), 0);
    EXPECT_EQ(combo().currentText(), "COM0");

    // The selected port vanished.
    select("USB Serial Port (COM4)");
    m_ports.removeAt(2);
    refill();
    EXPECT_EQ(combo().currentText(), "COM0");

    m_ports.clear();
    refill();
    EXPECT_EQ(combo().count(), 0);
    EXPECT_EQ(combo().currentIndex(), -1);
}

TEST_F(ViewPorts, ProfileOfTheSelectedPortFieldByField)
{
    m_ports = {port("ttyUSB3", "USB Serial Port")};
    refill(true);
    m_view->form.btnCommConnt->setChecked(true);

    const COMM::SCommConntProfile profile = m_view->view->getConntProfile(4);
    EXPECT_EQ(profile.ConntSetting.SensorType, COMM::SENSOR_DEVICE_TRANSPONDER);
    EXPECT_EQ(devName(profile), L"USB Serial Port (ttyUSB3)");
    EXPECT_EQ(profile.ConntSetting.DevPrimaryPos, static_cast<uint32_t>(COMM::PRIMARY_POS_DEFAULT));
    EXPECT_TRUE(profile.ConntSetting.Active);
    EXPECT_TRUE(profile.ConntSetting.SplitLines);
    EXPECT_EQ(profile.CommType, COMM::COMM_TYPE_SERIAL);
    EXPECT_STREQ(profile.Config.Serial.PortName, "ttyUSB3");
    EXPECT_EQ(profile.Config.Serial.BaudIndex, 4u);
    EXPECT_FALSE(profile.DebugConfig.DebugIsString);
    EXPECT_EQ(profile.DebugConfig.DebugMsgOut, 0u);

    const COMM::SCommConntProfile other = m_view->view->getGeneralConntProfile(COMM::SENSOR_DEVICE_KIND_8, 9);
    EXPECT_EQ(other.ConntSetting.SensorType, COMM::SENSOR_DEVICE_KIND_8);
    EXPECT_EQ(other.Config.Serial.BaudIndex, COMM::kOutOfRange) << "a baud index outside the table";
}

// The name is a label of up to 31 characters; the port is found by its device path whatever the
// text, so a long text costs the label, never the port. A text of 32 or more characters once ran
// past the end of the name's array.
TEST_F(ViewPorts, LongTextsGiveAnEmptyNameButTheRightPort)
{
    struct SCase
    {
        int length;
        bool named;
    };
    for (const SCase c : {SCase{31, true}, SCase{32, false}, SCase{40, false}, SCase{300, false}}) {
        const QString name = QStringLiteral("ttyACM0");
        const QString description = QString(c.length - name.size() - 3, QLatin1Char('x'));
        m_ports = {port(name, description)};
        refill();
        ASSERT_EQ(combo().currentText().size(), c.length);

        const COMM::SCommConntProfile profile = m_view->view->getConntProfile(0);
        EXPECT_EQ(devName(profile), c.named ? combo().currentText().toStdWString() : std::wstring())
            << c.length << " characters";
        EXPECT_STREQ(profile.Config.Serial.PortName, "ttyACM0") << c.length << " characters";
        EXPECT_EQ(profile.ConntSetting.DevName[COMM::kDevNameSize - 1], L'\0');
    }
}

TEST_F(ViewPorts, PortThatWentAfterTheListWasFilledGivesNoPortName)
{
    m_ports = {port("ttyUSB0"), port("ttyUSB1")};
    refill();
    select("ttyUSB1");
    m_ports.removeLast();

    const COMM::SCommConntProfile profile = m_view->view->getConntProfile(0);
    EXPECT_STREQ(profile.Config.Serial.PortName, "");
    EXPECT_EQ(devName(profile), L"ttyUSB1");

    m_ports.clear();
    refill();
    EXPECT_STREQ(m_view->view->getConntProfile(0).Config.Serial.PortName, "");
}

// The link reads the port name as Latin-1; the name is written the same way, and a name Latin-1
// cannot carry is not passed on at all rather than opening some other device.
TEST_F(ViewPorts, PortNameIsWrittenAsTheLinkReadsIt)
{
    m_ports = {port(QStringLiteral("/tmp/l\u00e4nk")), port(QStringLiteral("/tmp/\u20ac-port"))};
    refill();

    select(QStringLiteral("/tmp/l\u00e4nk"));
    COMM::SCommConntProfile profile = m_view->view->getConntProfile(0);
    EXPECT_EQ(QString::fromLatin1(profile.Config.Serial.PortName), QStringLiteral("/tmp/l\u00e4nk"));

    select(QStringLiteral("/tmp/\u20ac-port"));
    profile = m_view->view->getConntProfile(0);
    EXPECT_STREQ(profile.Config.Serial.PortName, "");
}

TEST_F(ViewPorts, ConnectionBarFollowsTheSwitch)
{
    CAisConfigurationView& view = *m_view->view;
    view.strConnect = "Connect";
    view.strDisconnect = "Disconnect";
    view.strDisconnectTip = "Click to connect the device!";
    view.strConnectCheckTip = "Determining the AIS Device Type...";

    QLabel alarm, calm;
    ObjPalette::setConntStatusLabelStyle(&alarm, true);
    ObjPalette::setConntStatusLabelStyle(&calm, false);
    ASSERT_NE(alarm.styleSheet(), calm.styleSheet());

    struct SCase
    {
        bool checked;
        const char* caption;
        const char* status;
        QString sheet;
    };
    for (const SCase& c : {SCase{true, "Disconnect", "Determining the AIS Device Type...", calm.styleSheet()},
                           SCase{false, "Connect", "Click to connect the device!", alarm.styleSheet()}}) {
        m_view->form.btnCommConnt->setCheckable(true);
        m_view->form.btnCommConnt->setChecked(c.checked);
        view.updateCommConntDisp();
        EXPECT_EQ(m_view->form.btnCommConnt->text(), c.caption);
        EXPECT_EQ(m_view->form.lblConntStatus->text(), c.status);
        EXPECT_EQ(m_view->form.lblConntStatus->styleSheet(), c.sheet);
    }
}
