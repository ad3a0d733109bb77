// The serial-port list and the connection bar.
#include "AisConfigurationView.h"

#include "SerialPortList.h"
#include "comm/CommProfile.h"
#include "device/EnvironmentSetup.h"
#include "theme/ObjPalette.h"
#include "ui_AisConfiguration.h"

#include <QSignalBlocker>
#include <algorithm>

namespace {

using PortLess = bool (*)(const SPortName&, const SPortName&);

QList<SSerialPortItem> sortedPorts(PortLess less)
{
    QList<SSerialPortItem> ports = CSerialPortList::availablePorts();
    std::stable_sort(ports.begin(), ports.end(), [less](const SSerialPortItem& a, const SSerialPortItem& b) {
        return less({a.portName, a.description}, {b.portName, b.description});
    });
    return ports;
}

} // namespace

void CAisConfigurationView::refreshSerialPortDisp(bool initial)
{
    const QList<SSerialPortItem> ports = sortedPorts(initial ? PortLess(&comNameLessThanInit) : PortLess(&comNameLessThan));

    const QSignalBlocker blocker(&portComboBox);
    const QString remembered = portComboBox.currentText();
    portComboBox.clear();
    for (const SSerialPortItem& port : ports) {
        QString text = port.description.isEmpty() ? port.portName
                                                   : port.description + QStringLiteral(" (") + port.portName +
                                                         QLatin1Char(')');
        if (port.busy)
            text += strInUse;
        portComboBox.addItem(text);
        portComboBox.setItemData(portComboBox.count() - 1, port.systemLocation, Qt::UserRole);
    }
    const int found = portComboBox.findData(remembered, Qt::DisplayRole, Qt::MatchFixedString);
    portComboBox.setCurrentIndex(found >= 0 ? found : (portComboBox.count() > 0 ? 0 : -1));
}

void CAisConfigurationView::updateCommConntDisp()
{
    const bool checked = ui->btnCommConnt->isChecked();
    ui->btnCommConnt->setText(checked ? strDisconnect : strConnect);
    ui->lblConntStatus->setText(checked ? strConnectCheckTip : strDisconnectTip);
    ObjPalette::setConntStatusLabelStyle(ui->lblConntStatus, !checked);
}

COMM::SCommConntProfile CAisConfigurationView::getConntProfile(int baudIndex)
{
    return getGeneralConntProfile(COMM::SENSOR_DEVICE_TRANSPONDER, baudIndex);
}

COMM::SCommConntProfile CAisConfigurationView::getGeneralConntProfile(COMM::SENSOR_DEVICE_T kind, int baudIndex)
{
    // The name is only a label of the link: one that does not fit is left empty rather than cut.
    wchar_t name[COMM::kDevNameSize] = {};
    const QString text = portComboBox.currentText();
    if (text.size() < COMM::kDevNameSize) {
        // Wide characters of four bytes hold one character each; of two, the UTF-16 units.
        const int written = text.toWCharArray(name);
        name[std::min(written, COMM::kDevNameSize - 1)] = L'\0';
    }

    COMM::SCommConntProfile profile; // empty: no debug output
    profile.ConntSetting = COMM::BuildConntLink(kind, name, COMM::PRIMARY_POS_DEFAULT, true);
    profile.ConntSetting.SplitLines = true;
    profile.CommType = COMM::COMM_TYPE_SERIAL;

    // The port is found again by its device path: the text may have been cut, and the port
    // may have gone since the list was filled.
    const QString location = portComboBox.itemData(portComboBox.currentIndex(), Qt::UserRole).toString();
    QString portName;
    if (!location.isEmpty()) {
        for (const SSerialPortItem& port : sortedPorts(PortLess(&comNameLessThan))) {
            if (port.systemLocation == location) {
                portName = port.portName;
                break;
            }
        }
    }
    // The link reads the name back as Latin-1: a name that does not survive that round trip
    // would open another device, or none, so it is not passed on.
    const QByteArray name8 = portName.toLatin1();
    const bool exact = !portName.isEmpty() && QString::fromLatin1(name8) == portName;
    profile.Config.Serial = COMM::BuildSerialConfig(exact ? name8.constData() : nullptr, baudIndex);
    return profile;
}
