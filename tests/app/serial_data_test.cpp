// The Serial Data page through the window against the simulated transponder: the monitor shows
// whole lines, the stored log keeps every byte as it arrived, logging switches off and on, the
// page clears, the log is saved through the dialog seam, and a typed command goes out as typed.
// Help opens the manual through the URL handler.
#include "WindowHarness.h"

#include "QtPrint.h"

#include "SimSentence.h"
#include "TempWorkDir.h"
#include "device/DeviceComm.h"
#include "services/Singleton.h"
#include "services/SysConfig.h"

#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QTextDocument>
#include <QTextCodec>
#include <QUrl>
#include <gtest/gtest.h>

namespace {

class SerialDataPage : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        // The transponder's own sentences would mix with the lines a test sends; without a Wi-Fi
        // module its procedure plays no part.
        w.sim().setPeriodMs(0);
        w.sim().modifyState([](SSimTransponderState& s) { s.wifiModule = 0; });
        ASSERT_TRUE(w.connectAndDetect());
        QTest::mouseClick(w.ui()->btnMMSerialData, Qt::LeftButton);
        ASSERT_EQ(w.ui()->tbwgMain->currentWidget(), w.ui()->tabMainSerialData);
        // Queries still queued after detection go out and are answered; a test starts once the link
        // has settled and the page shows all of it, from a clear page.
        w.waitSettled();
        const std::string lastLine = w.sim().sent().back();
        ASSERT_TRUE(w.waitFor([&] { return monitor().contains(QString::fromStdString(lastLine).trimmed()); }));
        QTest::mouseClick(w.ui()->btnClearLog, Qt::LeftButton);
        w.sim().clearReceived();
    }

    QString path(const QString& name) const { return m_dir.filePath(name); }

    QString monitor() const { return w.ui()->txbwSerialRx->toPlainText(); }

    // What "Save to File" writes, through the dialog seam.
    QByteArray saved()
    {
        const QString file = path(QStringLiteral("log-%1.txt").arg(++m_saves));
        w.dialogs().fileNames.clear();
        w.dialogs().fileNames.push_back(file);
        QTest::mouseClick(w.ui()->btnSaveToFile, Qt::LeftButton);
        w.dialogs().fileNames.clear();
        QFile saving(file);
        return saving.open(QIODevice::ReadOnly) ? saving.readAll() : QByteArray("<not written>");
    }

    // Sends bytes and waits until the program has taken them into its log.
    void receive(const QByteArray& bytes, const QByteArray& logBefore)
    {
        w.sim().send(bytes.toStdString());
        ASSERT_TRUE(w.waitFor([&] {
            w.dialogs().fileNames.clear();
            w.dialogs().fileNames.push_back(path("probe.txt"));
            QTest::mouseClick(w.ui()->btnSaveToFile, Qt::LeftButton);
            QFile probe(path("probe.txt"));
            return probe.open(QIODevice::ReadOnly) && probe.readAll() == logBefore + bytes;
        }));
        w.dialogs().fileNames.clear();
    }

    QTemporaryDir m_dir;
    CWindowHarness w;
    int m_saves = 0;
};

} // namespace

TEST_F(SerialDataPage, ASentenceSplitAcrossTwoChunksShowsOnceCompleteAndTheLogKeepsTheChunks)
{
    const QByteArray first = "$GPZDA,120000.00,01,05,20";
    const QByteArray second = "24,00,00*6A\r\n$GPGG";
    receive(first, QByteArray());
    EXPECT_EQ(monitor(), "") << "half a sentence is not shown";
    receive(second, first);
    EXPECT_EQ(monitor(), "$GPZDA,120000.00,01,05,2024,00,00*6A\n") << "the whole sentence, once";
    EXPECT_EQ(saved(), first + second) << "the log holds the chunks as received";

    // The rest of the next sentence completes it.
    receive("A,1*00\r\n", first + second);
    EXPECT_EQ(monitor(), "$GPZDA,120000.00,01,05,2024,00,00*6A\n$GPGGA,1*00\n");
}

TEST_F(SerialDataPage, BytesThatAreNoValidTextAreSavedExactlyAsReceived)
{
    // A degree sign in Latin-1 and two bytes that are no character in UTF-8.
    const QByteArray line = QByteArray("$PKEL,DEG,") + char(0xB0) + char(0xFF) + char(0x80) + "*00\r\n";
    receive(line, QByteArray());
    EXPECT_EQ(saved(), line);

    // Line noise with a NUL in the middle of one chunk: what follows the NUL is kept too, in the
    // log and on the monitor.
    const QByteArray noisy = QByteArray("$GPTXT,before*00\r\n", 18) + '\0' + char(0x81) + char(0xFE) +
                             QByteArray("\r\n$GPTXT,after*00\r\n");
    ASSERT_EQ(noisy.count('\0'), 1);
    receive(noisy, line);
    EXPECT_EQ(saved(), line + noisy);
    EXPECT_TRUE(monitor().endsWith("$GPTXT,after*00\n")) << monitor().toStdString();
}

TEST_F(SerialDataPage, LoggingOffNeitherShowsNorStoresAndClearEmptiesBoth)
{
    receive("$GPTXT,1*00\r\n", QByteArray());
    EXPECT_EQ(w.ui()->btnEnableLog->text(), w.view()->strStopLog);
    EXPECT_FALSE(w.ui()->txbwSerialRx->isEnabled()) << "the monitor follows the data while logging";

    QTest::mouseClick(w.ui()->btnEnableLog, Qt::LeftButton);
    EXPECT_EQ(w.ui()->btnEnableLog->text(), w.view()->strStartLog);
    EXPECT_TRUE(w.ui()->txbwSerialRx->isEnabled()) << "the user can scroll and select";
    const int sentBefore = static_cast<int>(w.sim().sent().size());
    w.sim().send("$GPTXT,2*00\r\n");
    ASSERT_TRUE(w.waitFor([&] { return static_cast<int>(w.sim().sent().size()) > sentBefore; }));
    w.waitSettled(); // the line has come through, if it did
    EXPECT_EQ(monitor(), "$GPTXT,1*00\n");

    QTest::mouseClick(w.ui()->btnEnableLog, Qt::LeftButton);
    receive("$GPTXT,3*00\r\n", "$GPTXT,1*00\r\n");
    EXPECT_EQ(monitor(), "$GPTXT,1*00\n$GPTXT,3*00\n") << "what arrived meanwhile does not come back";

    QTest::mouseClick(w.ui()->btnClearLog, Qt::LeftButton);
    EXPECT_EQ(monitor(), "");
    const int asked = w.dialogs().asked.size();
    QTest::mouseClick(w.ui()->btnSaveToFile, Qt::LeftButton);
    EXPECT_EQ(w.dialogs().asked.size(), asked) << "an empty log opens no dialog";
}

TEST_F(SerialDataPage, TheMonitorKeepsItsNewestMillionCharactersAndTheLogKeepsAll)
{
    // More than the monitor keeps: 24000 lines of 50 characters, as 2000 stations send in 12 s.
    QByteArray lines;
    for (int i = 0; i < 24000; ++i)
        lines += QByteArray("!AIVDM,1,1,,A,13u?etPv2;0n:dDPwUM1U1Cb,0*") + QByteArray::number(10000 + i) + "\r\n";
    receive(lines, QByteArray());
    const QTextDocument* document = w.ui()->txbwSerialRx->document();
    EXPECT_LE(document->characterCount(), 1000000);
    EXPECT_GE(document->characterCount(), 400000);
    EXPECT_TRUE(monitor().endsWith("*33999\n")) << "the newest line is shown";
    EXPECT_TRUE(monitor().startsWith("!AIVDM")) << "whole lines only";
    EXPECT_EQ(saved(), lines) << "the stored log holds every line";
}

// Noise, LF-only lines or a wrong baud rate never end a line with CR LF: what waits for one stays
// within a line's length, so that neither memory nor the work per chunk grows with the stream.
TEST_F(SerialDataPage, TenMegabytesWithoutCrLfAreShownAsTheyComeAndClearForgetsTheUnfinishedLine)
{
    void* const link = w.device()->currentComm();
    const QString chunk = QString(4096, QLatin1Char('~')).replace(4000, 1, QLatin1Char('\n'));
    const QTextDocument* document = w.ui()->txbwSerialRx->document();
    for (int i = 0; i < 10 * 256; ++i) {
        w.window()->onCommRxLogMsg(link, chunk);
        ASSERT_GT(document->characterCount(), 1) << "chunk " << i << " is shown as it came";
        ASSERT_LE(document->characterCount(), 1000000 + chunk.size());
    }

    // "Clear" forgets the unfinished line with what the monitor showed.
    w.window()->onCommRxLogMsg(link, QStringLiteral("$GPTXT,unfinis"));
    QTest::mouseClick(w.ui()->btnClearLog, Qt::LeftButton);
    w.window()->onCommRxLogMsg(link, QStringLiteral("hed*00\r\n"));
    EXPECT_EQ(monitor(), "hed*00\n");
}

TEST_F(SerialDataPage, SaveAsksWithItsTitleAndFilterAndCancelWritesNothing)
{
    receive("$GPTXT,1*00\r\n", QByteArray());
    QTest::mouseClick(w.ui()->btnSaveToFile, Qt::LeftButton); // no answer scripted: cancelled
    ASSERT_EQ(w.dialogs().asked.last().kind, ScriptedDialogs::SAVE_FILE);
    EXPECT_EQ(w.dialogs().asked.last().title, "Save Log File");
    EXPECT_EQ(w.dialogs().asked.last().proposed, ".");
    EXPECT_EQ(w.dialogs().asked.last().filter, "Log Files(*.txt)");
    EXPECT_EQ(QDir(m_dir.path()).entryList({"log-*.txt"}, QDir::Files).size(), 0);

    // A later disconnection clears the page but not what was stored.
    QTest::mouseClick(w.ui()->btnCommConnt, Qt::LeftButton);
    ASSERT_TRUE(w.waitFor([&] { return !w.ui()->btnCommConnt->isChecked() && w.ui()->btnCommConnt->isEnabled(); }));
    EXPECT_EQ(monitor(), "");
    EXPECT_EQ(saved(), "$GPTXT,1*00\r\n");
}

TEST_F(SerialDataPage, ATypedCommandGoesOutExactlyAsTypedWithCrLf)
{
    w.sim().clearReceived();
    const QString command = QStringLiteral("$PQXV,Q,CFG,8117,,,*34 as typed, checksum not checked");
    QTest::keyClicks(w.ui()->edtSendCommand, command);
    QTest::mouseClick(w.ui()->btnSendCommand, Qt::LeftButton);
    ASSERT_TRUE(w.waitFor([&] { return !w.sim().receivedStartingWith("$PQXV,Q,CFG,8117,,,*34 as").empty(); }));
    EXPECT_EQ(w.sim().receivedStartingWith("$PQXV,Q,CFG,8117,,,*34 as").front().bytes,
              command.toStdString() + "\r\n");
    EXPECT_EQ(w.ui()->edtSendCommand->text(), command) << "the edit keeps its text";

    // An empty line sends CR LF alone.
    w.ui()->edtSendCommand->clear();
    w.sim().clearReceived();
    QTest::mouseClick(w.ui()->btnSendCommand, Qt::LeftButton);
    ASSERT_TRUE(w.waitFor([&] { return !w.sim().received().empty(); }));
    EXPECT_EQ(w.sim().received().front().bytes, "\r\n");
}

TEST_F(SerialDataPage, ACommandLongerThanAPackageInBytesIsRefusedWithAMessage)
{
    ASSERT_EQ(QTextCodec::codecForLocale()->name(), "UTF-8");
    // 256 characters, the most the line takes, of two bytes each: more than a package holds.
    const QString command = QString(256, QChar(0x00E9));
    w.ui()->edtSendCommand->setText(command);
    ASSERT_EQ(w.ui()->edtSendCommand->text(), command);
    w.sim().clearReceived();
    const int asked = w.dialogs().asked.size();
    QTest::mouseClick(w.ui()->btnSendCommand, Qt::LeftButton);
    ASSERT_EQ(w.dialogs().asked.size(), asked + 1);
    EXPECT_EQ(w.dialogs().asked.last().icon, QMessageBox::Warning);
    EXPECT_TRUE(w.dialogs().asked.last().text.contains("512")) << w.dialogs().asked.last().text.toStdString();
    w.waitSettled(); // anything sent has been received
    EXPECT_TRUE(w.sim().received().empty());

    // 170 three-byte characters fit: 510 bytes and CR LF.
    const QString fits = QString(170, QChar(0x20AC));
    w.ui()->edtSendCommand->setText(fits);
    QTest::mouseClick(w.ui()->btnSendCommand, Qt::LeftButton);
    ASSERT_TRUE(w.waitFor([&] { return !w.sim().received().empty(); }));
    EXPECT_EQ(w.sim().received().front().bytes, fits.toStdString() + "\r\n");
}

namespace {

// Records the URLs the program asks the desktop to open.
class CUrlRecorder : public QObject
{
    Q_OBJECT

public slots:
    void open(const QUrl& url) { urls.push_back(url); }

public:
    std::vector<QUrl> urls;
};

} // namespace

TEST(HelpButton, OpensTheManualBesideTheProgramAsALocalFile)
{
    CWindowHarness w(0);
    CUrlRecorder recorder;
    QDesktopServices::setUrlHandler(QStringLiteral("file"), &recorder, "open");
    QTest::mouseClick(w.ui()->btnThemeFunHelp, Qt::LeftButton);
    QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
    ASSERT_EQ(recorder.urls.size(), 1u);
    const QString expected = Pattern::Singleton<SysConfig>::instance()->GetAppPath() +
                             QStringLiteral("Help/KelvoraAISClassBCfg_Manual_EN.pdf");
    EXPECT_TRUE(recorder.urls[0].isLocalFile());
    EXPECT_EQ(recorder.urls[0].toLocalFile(), expected) << recorder.urls[0].toString().toStdString();
}

TEST(HelpButton, TheManualIsBuiltIntoHelpBesideTheProgram)
{
    QFile manual(QFileInfo(QStringLiteral(KELVORA_PROGRAM_PATH)).absolutePath() +
                 QStringLiteral("/Help/KelvoraAISClassBCfg_Manual_EN.pdf"));
    ASSERT_TRUE(manual.open(QIODevice::ReadOnly)) << manual.fileName().toStdString();
    EXPECT_TRUE(manual.read(5) == "%PDF-");
    EXPECT_GT(manual.size(), 100000) << "the text and the pictures of the pages";
}

#include "serial_data_test.moc"

