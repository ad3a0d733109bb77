// Makes Qt's synchronisation visible to ThreadSanitizer.
//
// Debian's Qt is not built with -fsanitize=thread: QMutex waits on a futex inside libQt5Core,
// QThread::wait joins through Qt's own wait condition, and queued signals cross threads through
// Qt's event queues. The sanitizer sees none of it and would report races that the locks
// prevent. The thread-checked build links every executable with -Wl,--wrap for the entry points
// below (the calls our code makes into Qt), and each wrapper tells the sanitizer what the real
// call guarantees: a lock acquires, an unlock releases, a joined thread's work happened before
// the join returns, a posted signal happened before its delivery.
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QMetaObject>
#include <QMutex>
#include <QObject>
#include <QReadWriteLock>
#include <QThread>
#include <QWaitCondition>

extern "C" {
void __tsan_acquire(void* addr);
void __tsan_release(void* addr);
}

namespace {

// One address for every event delivery: posting releases it, delivering acquires it. Coarser
// than per event (it may hide a race between two unrelated posts), but Qt allocates the event
// of a queued signal inside its own code, where no wrapper can name it.
char g_eventSync;

bool onEventNotify(void** /*receiver, event, result*/)
{
    __tsan_acquire(&g_eventSync);
    return false; // observe only: Qt goes on delivering the event
}

// Registers the delivery hook once, on first use of any wrapper that posts.
void ensureEventHook()
{
    static const bool registered = QInternal::registerCallback(QInternal::EventNotifyCallback, onEventNotify);
    (void)registered;
}

void releaseForDelivery()
{
    ensureEventHook();
    __tsan_release(&g_eventSync);
}

// A thread's last work happens before QThread::wait returns in another thread. Qt detaches its
// threads, so the join the sanitizer knows never happens: release on "finished", which the
// thread emits itself at its very end, and acquire when wait() succeeds.
void releaseWhenFinished(QThread* thread)
{
    QObject::connect(
        thread, &QThread::finished, thread, [thread] { __tsan_release(thread); }, Qt::DirectConnection);
}

} // namespace

#define KELVORA_WRAP(ret, name, ...)                                                                                   \
    extern "C" ret __real_##name(__VA_ARGS__);                                                                         \
    extern "C" ret __wrap_##name(__VA_ARGS__)

// void QMutex::lock()
KELVORA_WRAP(void, _ZN6QMutex4lockEv, QMutex* self)
{
    __real__ZN6QMutex4lockEv(self);
    __tsan_acquire(self);
}

// void QMutex::unlock()
KELVORA_WRAP(void, _ZN6QMutex6unlockEv, QMutex* self)
{
    __tsan_release(self);
    __real__ZN6QMutex6unlockEv(self);
}

// bool QMutex::tryLock(int)
KELVORA_WRAP(bool, _ZN6QMutex7tryLockEi, QMutex* self, int timeout)
{
    const bool locked = __real__ZN6QMutex7tryLockEi(self, timeout);
    if (locked)
        __tsan_acquire(self);
    return locked;
}

// QBasicMutex::lock() and unlock() are inline: their uncontended path is an atomic in our own
// code, which the sanitizer sees; the contended path calls into Qt.
// void QBasicMutex::lockInternal()
KELVORA_WRAP(void, _ZN11QBasicMutex12lockInternalEv, QBasicMutex* self)
{
    __real__ZN11QBasicMutex12lockInternalEv(self);
    __tsan_acquire(self);
}

// bool QBasicMutex::lockInternal(int)
KELVORA_WRAP(bool, _ZN11QBasicMutex12lockInternalEi, QBasicMutex* self, int timeout)
{
    const bool locked = __real__ZN11QBasicMutex12lockInternalEi(self, timeout);
    if (locked)
        __tsan_acquire(self);
    return locked;
}

// void QBasicMutex::unlockInternal()
KELVORA_WRAP(void, _ZN11QBasicMutex14unlockInternalEv, QBasicMutex* self)
{
    __tsan_release(self);
    __real__ZN11QBasicMutex14unlockInternalEv(self);
}

// QReadWriteLock: a read lock also releases on unlock, so readers order before the next writer.
KELVORA_WRAP(void, _ZN14QReadWriteLock11lockForReadEv, QReadWriteLock* self)
{
    __real__ZN14QReadWriteLock11lockForReadEv(self);
    __tsan_acquire(self);
}

KELVORA_WRAP(void, _ZN14QReadWriteLock12lockForWriteEv, QReadWriteLock* self)
{
    __real__ZN14QReadWriteLock12lockForWriteEv(self);
    __tsan_acquire(self);
}

KELVORA_WRAP(bool, _ZN14QReadWriteLock14tryLockForReadEi, QReadWriteLock* self, int timeout)
{
    const bool locked = __real__ZN14QReadWriteLock14tryLockForReadEi(self, timeout);
    if (locked)
        __tsan_acquire(self);
    return locked;
}

KELVORA_WRAP(bool, _ZN14QReadWriteLock15tryLockForWriteEi, QReadWriteLock* self, int timeout)
{
    const bool locked = __real__ZN14QReadWriteLock15tryLockForWriteEi(self, timeout);
    if (locked)
        __tsan_acquire(self);
    return locked;
}

KELVORA_WRAP(void, _ZN14QReadWriteLock6unlockEv, QReadWriteLock* self)
{
    __tsan_release(self);
    __real__ZN14QReadWriteLock6unlockEv(self);
}

// QWaitCondition::wait unlocks the mutex while it sleeps and locks it again before it returns.
// bool QWaitCondition::wait(QMutex*, QDeadlineTimer)
KELVORA_WRAP(bool, _ZN14QWaitCondition4waitEP6QMutex14QDeadlineTimer, QWaitCondition* self, QMutex* mutex,
             QDeadlineTimer deadline)
{
    __tsan_release(mutex);
    const bool woken = __real__ZN14QWaitCondition4waitEP6QMutex14QDeadlineTimer(self, mutex, deadline);
    __tsan_acquire(mutex);
    return woken;
}

// bool QWaitCondition::wait(QMutex*, unsigned long)
KELVORA_WRAP(bool, _ZN14QWaitCondition4waitEP6QMutexm, QWaitCondition* self, QMutex* mutex, unsigned long time)
{
    __tsan_release(mutex);
    const bool woken = __real__ZN14QWaitCondition4waitEP6QMutexm(self, mutex, time);
    __tsan_acquire(mutex);
    return woken;
}

// void QThread::start(QThread::Priority)
KELVORA_WRAP(void, _ZN7QThread5startENS_8PriorityE, QThread* self, QThread::Priority priority)
{
    releaseWhenFinished(self);
    __real__ZN7QThread5startENS_8PriorityE(self, priority);
}

// bool QThread::wait(QDeadlineTimer)
KELVORA_WRAP(bool, _ZN7QThread4waitE14QDeadlineTimer, QThread* self, QDeadlineTimer deadline)
{
    const bool joined = __real__ZN7QThread4waitE14QDeadlineTimer(self, deadline);
    if (joined)
        __tsan_acquire(self);
    return joined;
}

// bool QThread::wait(unsigned long)
KELVORA_WRAP(bool, _ZN7QThread4waitEm, QThread* self, unsigned long time)
{
    const bool joined = __real__ZN7QThread4waitEm(self, time);
    if (joined)
        __tsan_acquire(self);
    return joined;
}

// Signals: a moc-generated signal calls QMetaObject::activate; a queued connection copies the
// arguments there and delivers them as an event on the receiver's thread.
// static void QMetaObject::activate(QObject*, const QMetaObject*, int, void**)
KELVORA_WRAP(void, _ZN11QMetaObject8activateEP7QObjectPKS_iPPv, QObject* sender, const QMetaObject* meta, int index,
             void** args)
{
    releaseForDelivery();
    __real__ZN11QMetaObject8activateEP7QObjectPKS_iPPv(sender, meta, index, args);
}

// static void QCoreApplication::postEvent(QObject*, QEvent*, int)
KELVORA_WRAP(void, _ZN16QCoreApplication9postEventEP7QObjectP6QEventi, QObject* receiver, QEvent* event, int priority)
{
    releaseForDelivery();
    __real__ZN16QCoreApplication9postEventEP7QObjectP6QEventi(receiver, event, priority);
}

// void QObject::deleteLater(): the deletion runs as an event on the object's thread.
KELVORA_WRAP(void, _ZN7QObject11deleteLaterEv, QObject* self)
{
    releaseForDelivery();
    __real__ZN7QObject11deleteLaterEv(self);
}

// static bool QMetaObject::invokeMethodImpl(QObject*, QtPrivate::QSlotObjectBase*, Qt::ConnectionType, void*)
KELVORA_WRAP(bool, _ZN11QMetaObject16invokeMethodImplEP7QObjectPN9QtPrivate15QSlotObjectBaseEN2Qt14ConnectionTypeEPv,
             QObject* object, QtPrivate::QSlotObjectBase* slot, Qt::ConnectionType type, void* ret)
{
    releaseForDelivery();
    return __real__ZN11QMetaObject16invokeMethodImplEP7QObjectPN9QtPrivate15QSlotObjectBaseEN2Qt14ConnectionTypeEPv(
        object, slot, type, ret);
}

// static bool QMetaObject::invokeMethod(QObject*, const char*, Qt::ConnectionType, QGenericReturnArgument,
//                                       QGenericArgument x 10)
KELVORA_WRAP(
    bool,
    _ZN11QMetaObject12invokeMethodEP7QObjectPKcN2Qt14ConnectionTypeE22QGenericReturnArgument16QGenericArgumentS7_S7_S7_S7_S7_S7_S7_S7_S7_,
    QObject* object, const char* member, Qt::ConnectionType type, QGenericReturnArgument ret, QGenericArgument a0,
    QGenericArgument a1, QGenericArgument a2, QGenericArgument a3, QGenericArgument a4, QGenericArgument a5,
    QGenericArgument a6, QGenericArgument a7, QGenericArgument a8, QGenericArgument a9)
{
    releaseForDelivery();
    return __real__ZN11QMetaObject12invokeMethodEP7QObjectPKcN2Qt14ConnectionTypeE22QGenericReturnArgument16QGenericArgumentS7_S7_S7_S7_S7_S7_S7_S7_S7_(
        object, member, type, ret, a0, a1, a2, a3, a4, a5, a6, a7, a8, a9);
}
