// The Serial Data page (monitor, log switch, clear, save, typed command) and Help.
#include "AisConfiguration.h"

#include "comm/ServiceComm.h"
#include "device/CommSpaceManage.h"
#include "services/Singleton.h"
#include "services/SysConfig.h"
#include "services/SysDebug.h"
#include "view/DialogProvider.h"

#include "ui_AisConfiguration.h"

#include <QDesktopServices>
#include <QFile>
#include <QScrollBar>
#include <QTextBrowser>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextBlock>
#include <QUrl>
#include <cstring>

namespace {

// The stored log is emptied when it has grown past this many characters.
constexpr int kSerialLogLimit = 10000000;
// The monitor keeps at most about this many characters: past it, its older half goes. The
// stored log keeps everything for saving; a monitor of millions of characters would take
// hundreds of megabytes and slow every line added.
constexpr int kMonitorLimit = 1000000;

const char* const kLineEnd = "\r\n";
// The unfinished rest of a line waits for its CR LF only while it could still be a sentence or a
// line of the Wi-Fi module (200 characters at most): longer, it is noise, LF-only lines or a wrong
// baud rate, and is shown as it is instead of growing with every chunk.
constexpr int kLineRemainderLimit = 512;

} // namespace

void AisConfiguration::onCommRxLogMsg(void* poComm, QString strLogMsg)
{
    if (ui->btnEnableLog->text() != m_view->strStopLog)
        return;
    if (m_serialDataText.size() > kSerialLogLimit) {
        m_serialDataText.clear();
        clearSerialDataMonitor();
    }
    // The link hands its bytes over one character each (Latin-1): turned back the same way, the
    // stored log holds every byte as it arrived, also those that are no valid text.
    m_serialDataText.append(strLogMsg.toLatin1());
    recomposeLogMsgForNewLine(&strLogMsg);
    updateSerialDataMemo(ui->txbwSerialRx, static_cast<COMM::CServiceComm*>(poComm), strLogMsg);
}

void AisConfiguration::recomposeLogMsgForNewLine(QString* text)
{
    if (text == nullptr)
        return;
    const QString joined = m_lineRemainder + *text;
    const int end = joined.lastIndexOf(QLatin1String(kLineEnd));
    const int complete = end < 0 ? 0 : end + 2; // up to and with the last CR LF
    m_lineRemainder = joined.mid(complete);
    *text = joined.left(complete);
    if (m_lineRemainder.size() > kLineRemainderLimit) {
        text->append(m_lineRemainder);
        m_lineRemainder.clear();
    }
}

// The monitor and the unfinished line it waits for go together.
void AisConfiguration::clearSerialDataMonitor()
{
    ui->txbwSerialRx->clear();
    m_lineRemainder.clear();
}

void AisConfiguration::msgAutoScroll(QTextBrowser* browser)
{
    if (browser == nullptr)
        return;
    QTextCursor cursor = browser->textCursor();
    cursor.movePosition(QTextCursor::End);
    browser->setTextCursor(cursor);
    browser->ensureCursorVisible();
}

void AisConfiguration::updateSerialDataMemo(QTextBrowser* browser, COMM::CServiceComm* link, QString text)
{
    if (browser == nullptr || link == nullptr || text.isEmpty())
        return;
    // The text was queued by the communication thread, which may have deleted the link since: the
    // pointer is only compared. The device object's link is the serial link the user connected.
    if (link != m_commManage->getDeviceComm()->currentComm())
        return;
    QTextDocument* document = browser->document();
    if (document->characterCount() + text.size() > kMonitorLimit) {
        // One cut of whole lines, from the start to the block in the middle.
        QTextCursor cut(document);
        cut.setPosition(document->findBlock(document->characterCount() / 2).position(), QTextCursor::KeepAnchor);
        cut.removeSelectedText();
    }
    browser->textCursor().insertText(text);
    msgAutoScroll(browser);
}

void AisConfiguration::convQStringToCharArray(char* out, int size, const QString& text)
{
    if (out == nullptr || size < 1)
        return;
    const QByteArray bytes = text.toLocal8Bit();
    const int length = std::min(bytes.size(), size - 1);
    std::memcpy(out, bytes.constData(), static_cast<size_t>(length));
    out[length] = '\0';
}

void AisConfiguration::onEnableLogSwitch()
{
    QTextBrowser* monitor = ui->txbwSerialRx;
    if (ui->btnEnableLog->text() == m_view->strStartLog) {
        ui->btnEnableLog->setText(m_view->strStopLog);
        monitor->setReadOnly(true);
        monitor->setEnabled(false);
        msgAutoScroll(monitor);
    } else {
        ui->btnEnableLog->setText(m_view->strStartLog);
        monitor->setReadOnly(false);
        monitor->setEnabled(true);
    }
}

void AisConfiguration::onClearLog()
{
    clearSerialDataMonitor();
    m_serialDataText.clear();
}

void AisConfiguration::onSaveLog()
{
    if (m_serialDataText.isEmpty())
        return;
    const QString name =
        CDialogProvider::instance()->saveFileName(this, tr("Save Log File"), QStringLiteral("."), tr("Log Files(*.txt)"));
    if (name.isEmpty())
        return;
    QFile file(name);
    // Written byte for byte: the log already holds the transponder's own line ends.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return;
    file.write(m_serialDataText);
}

void AisConfiguration::onSendCommand()
{
    SYS_DEBUG(DEBUG_MSG_CONTROL, "%s", "Serial data send command clicked");
    // Measured in the bytes that go out: a character can take several.
    const QByteArray bytes = ui->edtSendCommand->text().toLocal8Bit();
    const int room = COMM::kTxPackageDataSize - 2; // CR LF
    if (bytes.size() > room) {
        CDialogProvider::instance()->messageBox(
            QMessageBox::Warning, this, m_view->wifiText.strWarning,
            tr("The command is too long to send: %1 bytes, at most %2 bytes.").arg(bytes.size()).arg(room),
            QMessageBox::Ok, QMessageBox::Ok);
        return;
    }
    char buffer[COMM::kTxPackageDataSize + 1] = {};
    convQStringToCharArray(buffer, room + 1, ui->edtSendCommand->text());
    const int length = bytes.size();
    std::memcpy(buffer + length, kLineEnd, 2);
    m_commManage->sendCommand(buffer, length + 2);
}

void AisConfiguration::onHelpClick()
{
    const QString path = QStringLiteral("%1%2").arg(Pattern::Singleton<SysConfig>::instance()->GetAppPath() +
                                                        QStringLiteral("Help/"),
                                                    QLatin1String(kManualFileName));
    // A local path made into a URL by Qt: joining "file:///" to an absolute path gives four slashes.
    QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}
