#include "Thread.h"

#include "SysDebug.h"

CThread::CThread(QObject* parent, bool running) : QThread(parent), m_running(running)
{
}

CThread::~CThread()
{
    const QByteArray name = objectName().toUtf8();
    SYS_DEBUG(DEBUG_MSG_LEAVE, "Name:%s Start", name.constData());
    m_stop = true;
    m_mutex.lock();
    m_running = false;
    m_mutex.unlock();
    m_condition.wakeAll();
    // The event loop would never return on its own: tell it to quit before joining.
    quit();
    wait();
    SYS_DEBUG(DEBUG_MSG_LEAVE, "Name:%s End", name.constData());
}
