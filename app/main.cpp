// The program: services, style palette and main window come up in this order and go down in the
// reverse one, the communication thread before the logger and the logger before the application.
#include "app/AisConfiguration.h"
#include "palette/QtObjPalette.h"
#include "services/Singleton.h"
#include "services/SysConfig.h"
#include "services/SysDebug.h"

#include <QApplication>
#include <cstdlib>
#include <exception>

namespace {

int runMainWindow()
{
    AisConfiguration window;
    window.setWindowFlags(Qt::FramelessWindowHint | Qt::CustomizeWindowHint);
    window.setWindowTitle(QString::fromUtf8(kProductTitle));
    window.show();
    return QApplication::exec();
}

} // namespace

int main(int argc, char** argv)
{
    int result = 0;
    {
        QApplication app(argc, argv);
        SysConfig* config = Pattern::Singleton<SysConfig>::instance();
        config->initialize(std::string());
        const QString appPath = config->GetAppPath();
        const QString profileIni = config->GetProfileIniUrl();
        SysDebug* logger = Pattern::Singleton<SysDebug>::instance();
        if (!logger->initialize(appPath, profileIni)) {
            // The logger decoded its file instead of starting: nothing else to do.
            QCoreApplication::exit(0);
            return 0;
        }
        QtObjPalette::initialize(profileIni, "Tahoma", 14, 1.0);
        try {
            // The window's destructor ends the communication thread.
            result = runMainWindow();
        } catch (const std::exception&) {
            // Logged where it was thrown.
            result = EXIT_FAILURE;
        }
        logger->stop();
    }
    return result;
}
