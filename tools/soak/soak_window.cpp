// Keeps the program's window connected to the simulated transponder, which hears 2000 stations,
// for a while (10 minutes unless told otherwise) and prints the window process's resident size
// each minute. Not run by the tests: a person runs it and reads the figures.
//
//     soak_window [minutes] [nolog]
//
// "nolog" stops the Serial Data page's logging at the start (its "Stop Log"), to tell apart what the
// monitor's text holds.
//
// The simulator runs in a child process of its own, so that what it keeps of the lines it sends
// and receives does not count in the figures. The window runs as in the program: its own refresh
// timer, the real clock; the Other Vessels page in front once the menu opens. Its dialogs are
// answered with their default button, as nobody is there to answer them.
#include "app/AisConfiguration.h"

#include "DefaultAnswers.h"
#include "ResidentSize.h"
#include "SimTransponderPort.h"
#include "SimWiFiModule.h"
#include "device/CommSpaceManage.h"
#include "palette/QtObjPalette.h"
#include "services/Singleton.h"
#include "services/SysDebug.h"
#include "view/DialogProvider.h"
#include "view/SerialPortList.h"

#include "ui_AisConfiguration.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTextBrowser>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace {

constexpr int kStations = 2000;
constexpr int kPageOtherVessels = 4;

// The child: the simulated transponder with its Wi-Fi module, 2000 stations, half of them named
// (those send their static data too). Writes the port's name to the pipe, then answers until the
// parent goes.
[[noreturn]] void runSimulator(int pipeOut)
{
    prctl(PR_SET_PDEATHSIG, SIGTERM);
    CSimWiFiModule module;
    CSimTransponderPort sim(1);
    sim.modifyState([](SSimTransponderState& s) {
        s.targets.clear();
        for (int i = 0; i < kStations; ++i) {
            SSimTarget target;
            target.mmsi = 200000000 + static_cast<uint32_t>(i) * 37;
            target.latitude = 52.0 + (i % 50) * 0.01;
            target.longitude = 4.0 + (i / 50) * 0.01;
            target.messageId = i % 2 != 0 ? 18 : 1;
            target.channel = i % 2 != 0 ? 'B' : 'A';
            target.sog = i % 30;
            target.cog = (i * 7) % 360;
            if (i % 2 == 0) {
                target.name = "STATION " + std::to_string(i);
                target.callSign = "S" + std::to_string(i);
            }
            s.targets.push_back(target);
        }
    });
    sim.setPassThrough(&module);
    if (!sim.start()) {
        std::fprintf(stderr, "no pseudo-terminal available\n");
        _exit(1);
    }
    const std::string name = sim.portName() + "\n";
    if (write(pipeOut, name.data(), name.size()) != static_cast<ssize_t>(name.size()))
        _exit(1);
    close(pipeOut);
    for (;;) {
        std::this_thread::sleep_for(std::chrono::seconds(1));
        // What it received is of no interest here.
        sim.clearReceived();
        if (getppid() == 1)
            _exit(0);
    }
}

} // namespace

int main(int argc, char** argv)
{
    const int minutes = argc > 1 ? std::atoi(argv[1]) : 10;
    const bool noLog = argc > 2 && std::strcmp(argv[2], "nolog") == 0;
    if (minutes <= 0 || (argc > 2 && !noLog)) {
        std::fprintf(stderr, "usage: %s [minutes] [nolog]   (10 minutes by default)\n", argv[0]);
        return 2;
    }

    // The simulator first, before any thread of this process exists.
    int fds[2];
    if (pipe(fds) != 0)
        return 1;
    const pid_t simulator = fork();
    if (simulator < 0)
        return 1;
    if (simulator == 0) {
        close(fds[0]);
        runSimulator(fds[1]);
    }
    close(fds[1]);
    std::string port;
    char c = 0;
    while (read(fds[0], &c, 1) == 1 && c != '\n')
        port += c;
    close(fds[0]);
    if (port.empty()) {
        std::fprintf(stderr, "the simulated transponder gave no port\n");
        return 1;
    }

    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    int result = 0;
    {
        QApplication app(argc, argv);
        // The services as the program starts them; the log goes into a folder of the tool's own.
        QTemporaryDir folder;
        const QString path = folder.path() + QLatin1Char('/');
        SysDebug* logger = Pattern::Singleton<SysDebug>::instance();
        logger->initialize(path, path + QStringLiteral("profile.ini"));
        QtObjPalette::initialize(path + QStringLiteral("profile.ini"), "Tahoma", 14, 1.0);
        CDefaultAnswers answers;
        CDialogProvider::setInstance(&answers);
        const QString portName = QString::fromStdString(port);
        CSerialPortList::setSource([portName] { return QList<SSerialPortItem>{CSerialPortList::fromPath(portName)}; });

        std::printf("simulated transponder on %s, %d stations; %d minute(s)%s\n", port.c_str(), kStations, minutes,
                    noLog ? "; Serial Data logging stopped" : "");
        std::printf("minute  resident_MB  vessel_rows  serial_data_chars\n");
        std::printf("%6d  %11.1f  %11s  %17s\n", 0, residentMegabytes(), "-", "-");
        std::fflush(stdout);
        {
            AisConfiguration window;
            window.show();
            Ui::AisConfiguration* ui = window.getForm();
            window.getView()->refreshSerialPortDisp(false);
            WgComboBox& ports = window.getView()->portComboBox;
            ports.setCurrentIndex(ports.findData(portName, Qt::UserRole, Qt::MatchExactly));
            ui->btnCommConnt->click();
            if (noLog)
                ui->btnEnableLog->click();

            QElapsedTimer running;
            running.start();
            for (int minute = 1; minute <= minutes; ++minute) {
                while (running.elapsed() < minute * 60000LL) {
                    QApplication::processEvents(QEventLoop::AllEvents, 50);
                    if (ui->wgMainMenu->isEnabled() && ui->tbwgMain->currentWidget() != ui->tabMainOtherVessels &&
                        ui->tbwgMain->currentWidget() != ui->tbProgressBar)
                        window.updateCurPageDisp(kPageOtherVessels);
                }
                std::printf("%6d  %11.1f  %11d  %17d\n", minute, residentMegabytes(),
                            ui->tbvwOtherVessels->model()->rowCount(),
                            static_cast<int>(ui->txbwSerialRx->document()->characterCount()));
                std::fflush(stdout);
            }
            if (!ui->btnCommConnt->isChecked()) {
                std::fprintf(stderr, "the window was not connected at the end\n");
                result = 1;
            }
        }
        CSerialPortList::setSource({});
        CDialogProvider::setInstance(nullptr);
        logger->stop();
    }
    kill(simulator, SIGTERM);
    waitpid(simulator, nullptr, 0);
    return result;
}
