#include "WaitFor.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTimer>

namespace TestSupport {

bool waitFor(const std::function<bool()>& condition, int timeoutMs)
{
    QElapsedTimer elapsed;
    elapsed.start();
    QTimer wake;
    wake.start(2);
    while (!condition()) {
        if (elapsed.elapsed() > timeoutMs)
            return condition();
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
    return true;
}

} // namespace TestSupport
