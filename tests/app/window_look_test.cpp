// The real window's look: the white theme over every page, without a word from Qt's style sheet
// parser, and the run-time texts through the program's installed translations.
#include "WindowHarness.h"

#include <QRegularExpression>
#include <QTabWidget>
#include <gtest/gtest.h>

namespace {

QStringList g_messages;

void collect(QtMsgType, const QMessageLogContext&, const QString& message)
{
    g_messages << message;
}

// The offscreen platform's notices about what it cannot do are not about the window.
QStringList windowMessages()
{
    static const QRegularExpression platform(QStringLiteral("This plugin does not support"));
    QStringList kept;
    for (const QString& message : g_messages)
        if (!platform.match(message).hasMatch())
            kept << message;
    return kept;
}

} // namespace

TEST(WindowLook, EveryPageStyledWithoutStyleSheetWarnings)
{
    g_messages.clear();
    const QtMessageHandler previous = qInstallMessageHandler(&collect);
    {
        CWindowHarness w(0);
        // Every page shown once, so that every widget is polished with its sheet.
        w.view()->switchHomeMenuDisp(false);
        QTabWidget* pages = w.ui()->tbwgMain;
        for (int i = 0; i < pages->count(); ++i) {
            pages->setCurrentIndex(i);
            w.processEvents();
            const QImage shot = w.window()->grab().toImage();
            EXPECT_FALSE(shot.isNull());
            if (pages->currentWidget() == w.ui()->tabMainDiagnostics)
                w.grab("page-diagnostics-styled");
        }
        w.view()->switchHomeMenuDisp(true);
        w.grab("page-home-styled");

        EXPECT_EQ(w.ui()->lblConntStatus->text(), "Click to connect the device!");
        EXPECT_EQ(w.ui()->btnCommConnt->text(), "Connect");
        EXPECT_EQ(w.view()->strInvalidShipNameTip, "The field \u201cShip's Name\u201d cannot be left blank");
        EXPECT_EQ(w.view()->strDeviceConfirm, "Save settings to device?");
        EXPECT_EQ(w.ui()->cbbxCfgGpsUpdateRate->itemText(10), "10s");
        EXPECT_EQ(w.ui()->cbbxWifiCfgChannel->itemText(0), "Auto Select");
    }
    qInstallMessageHandler(previous);
    const QStringList messages = windowMessages();
    EXPECT_TRUE(messages.isEmpty()) << messages.join('\n').toStdString();
}
