// Proves the thread-checked build still sees what it must: run with one scenario name, it either
// races on purpose (the sanitizer must report it) or hands data over through one of Qt's
// mechanisms (the sanitizer must stay silent). CTest judges the output.
#include <QCoreApplication>
#include <QMutex>
#include <QMutexLocker>
#include <QReadWriteLock>
#include <QThread>
#include <QTimer>
#include <QWaitCondition>

#include <atomic>
#include <cstdio>
#include <cstring>
#include <functional>

namespace {

int g_shared = 0;
QMutex g_mutex;
// Orders the two threads in time without telling the sanitizer anything (relaxed).
std::atomic<int> g_step{0};

void waitForStep(int step)
{
    while (g_step.load(std::memory_order_relaxed) < step)
        QThread::yieldCurrentThread();
}

void runInThread(const std::function<void()>& body, const std::function<void()>& meanwhile)
{
    QThread* thread = QThread::create(body);
    thread->start();
    meanwhile();
    thread->wait();
    delete thread;
}

// The worker writes under the lock; the main thread writes without it.
int unguardedWrite()
{
    runInThread(
        [] {
            QMutexLocker locker(&g_mutex);
            g_shared = 1;
            g_step.store(1, std::memory_order_relaxed);
        },
        [] {
            waitForStep(1);
            g_shared = 2;
        });
    return g_shared == 2 ? 0 : 1;
}

// Both sides lock; one of them through the contended path while the other holds the lock.
int guardedWrite()
{
    runInThread(
        [] {
            g_mutex.lock();
            g_step.store(1, std::memory_order_relaxed);
            waitForStep(2);
            g_shared += 1;
            g_mutex.unlock();
        },
        [] {
            waitForStep(1);
            g_step.store(2, std::memory_order_relaxed);
            QMutexLocker locker(&g_mutex);
            g_shared += 1;
        });
    return g_shared == 2 ? 0 : 1;
}

// The worker's writes are read after QThread::wait returned.
int joinedThread()
{
    runInThread([] { g_shared = 5; }, [] {});
    return g_shared == 5 ? 0 : 1;
}

// A producer hands a value to a consumer through a wait condition.
int waitCondition()
{
    QWaitCondition ready;
    bool published = false;
    runInThread(
        [&] {
            QMutexLocker locker(&g_mutex);
            g_shared = 7;
            published = true;
            ready.wakeAll();
        },
        [&] {
            QMutexLocker locker(&g_mutex);
            while (!published)
                ready.wait(&g_mutex);
        });
    return g_shared == 7 ? 0 : 1;
}

int readWriteLock()
{
    QReadWriteLock lock;
    runInThread(
        [&] {
            QWriteLocker locker(&lock);
            g_shared = 9;
            g_step.store(1, std::memory_order_relaxed);
        },
        [&] {
            waitForStep(1);
            QReadLocker locker(&lock);
            (void)g_shared;
        });
    return 0;
}

struct SPayload
{
    int values[4];
};

// A queued signal carries data written on a worker thread to the main thread's event loop.
class CSender : public QObject
{
    Q_OBJECT
signals:
    void signalPayload(SPayload* payload);
};

class CReceiver : public QObject
{
    Q_OBJECT
public slots:
    void onPayload(SPayload* payload)
    {
        m_sum = payload->values[0] + payload->values[3];
        delete payload;
        QCoreApplication::quit();
    }

public:
    int m_sum = 0;
};

int queuedSignal()
{
    CSender sender;
    CReceiver receiver;
    QObject::connect(&sender, &CSender::signalPayload, &receiver, &CReceiver::onPayload, Qt::QueuedConnection);
    QThread* thread = QThread::create([&] {
        auto* payload = new SPayload{{1, 2, 3, 4}};
        emit sender.signalPayload(payload);
    });
    thread->start();
    QTimer::singleShot(10000, [] { QCoreApplication::exit(1); });
    const int result = QCoreApplication::exec();
    thread->wait();
    delete thread;
    return result == 0 && receiver.m_sum == 5 ? 0 : 1;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s unguarded|guarded|joined|condition|rwlock|queued\n", argv[0]);
        return 2;
    }
    const char* scenario = argv[1];
    int result = 2;
    if (std::strcmp(scenario, "unguarded") == 0)
        result = unguardedWrite();
    else if (std::strcmp(scenario, "guarded") == 0)
        result = guardedWrite();
    else if (std::strcmp(scenario, "joined") == 0)
        result = joinedThread();
    else if (std::strcmp(scenario, "condition") == 0)
        result = waitCondition();
    else if (std::strcmp(scenario, "rwlock") == 0)
        result = readWriteLock();
    else if (std::strcmp(scenario, "queued") == 0)
        result = queuedSignal();
    std::printf("scenario %s finished: %d\n", scenario, result);
    return result;
}

#include "RaceCheck.moc"
