// The two seams of the view: the real dialogs ask what the window asked, and a pseudo-terminal
// offered as the port list is a port the window can name and open.
#include "view/DialogProvider.h"
#include "view/SerialPortList.h"

#include "PtyPeer.h"
#include "ViewTestSupport.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QSerialPort>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

// Only a broken test waits this long: each wait ends when its bytes have gone.
constexpr int kLimitMs = 180000;

TEST(DialogSeam, RealMessageBoxShowsWhatWasAskedAndReturnsThePressedButton)
{
    QString title;
    QString text;
    QMessageBox::StandardButtons buttons;
    QPushButton* defaultButton = nullptr;
    QMessageBox::StandardButton defaultWhich = QMessageBox::NoButton;
    QTimer answer;
    answer.setInterval(5);
    QObject::connect(&answer, &QTimer::timeout, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr)
            return;
        answer.stop();
        title = box->windowTitle();
        text = box->text();
        buttons = box->standardButtons();
        defaultButton = box->defaultButton();
        defaultWhich = box->standardButton(defaultButton);
        box->button(QMessageBox::No)->click();
    });
    answer.start();
    const QMessageBox::StandardButton pressed = CDialogProvider::instance()->messageBox(
        QMessageBox::Information, nullptr, "Information",
        "Wi-Fi setting is in progress!\nDo you want to force the application to quit?",
        QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes);
    EXPECT_EQ(pressed, QMessageBox::No);
    EXPECT_EQ(title, "Information");
    EXPECT_EQ(text, "Wi-Fi setting is in progress!\nDo you want to force the application to quit?");
    EXPECT_EQ(buttons, QMessageBox::Yes | QMessageBox::No);
    EXPECT_EQ(defaultWhich, QMessageBox::Yes);
}

TEST(PortListSeam, OfferedPseudoTerminalIsListedAndOpensByItsName)
{
    TestSupport::PtyPeer peer;
    ASSERT_TRUE(peer.isOpen());
    CSerialPortList::setSource([&peer] { return QList<SSerialPortItem>{CSerialPortList::fromPath(peer.slavePath())}; });
    const QList<SSerialPortItem> ports = CSerialPortList::availablePorts();
    CSerialPortList::setSource(nullptr);
    ASSERT_EQ(ports.size(), 1);
    EXPECT_EQ(ports.front().systemLocation, peer.slavePath());
    // A serial profile names the port by its name; for an unlisted port that is its path.
    QSerialPort port(ports.front().portName);
    ASSERT_TRUE(port.open(QIODevice::ReadWrite)) << port.errorString().toStdString();
    port.write("$PDBG,163,0,,,,,,*15\r\n");
    ASSERT_TRUE(port.waitForBytesWritten(kLimitMs));
    EXPECT_TRUE(peer.readUntil("*15\r\n", kLimitMs).contains("$PDBG,163,0"));
}

} // namespace
