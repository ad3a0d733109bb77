# The thread-checked build: every target compiled and linked with ThreadSanitizer, and every
# executable linked with the wrappers that show it Qt's locks, thread joins and queued signals
# (QtTsanSync.cpp). Each entry point wrapped there is named here once.
if(KELVORA_SANITIZE)
    message(FATAL_ERROR "KELVORA_TSAN and KELVORA_SANITIZE exclude each other")
endif()

add_compile_options(-fsanitize=thread -fno-omit-frame-pointer)
add_link_options(-fsanitize=thread)

set(kelvora_tsan_wrapped
    _ZN6QMutex4lockEv
    _ZN6QMutex6unlockEv
    _ZN6QMutex7tryLockEi
    _ZN11QBasicMutex12lockInternalEv
    _ZN11QBasicMutex12lockInternalEi
    _ZN11QBasicMutex14unlockInternalEv
    _ZN14QReadWriteLock11lockForReadEv
    _ZN14QReadWriteLock12lockForWriteEv
    _ZN14QReadWriteLock14tryLockForReadEi
    _ZN14QReadWriteLock15tryLockForWriteEi
    _ZN14QReadWriteLock6unlockEv
    _ZN14QWaitCondition4waitEP6QMutex14QDeadlineTimer
    _ZN14QWaitCondition4waitEP6QMutexm
    _ZN7QThread5startENS_8PriorityE
    _ZN7QThread4waitE14QDeadlineTimer
    _ZN7QThread4waitEm
    _ZN11QMetaObject8activateEP7QObjectPKS_iPPv
    _ZN16QCoreApplication9postEventEP7QObjectP6QEventi
    _ZN7QObject11deleteLaterEv
    _ZN11QMetaObject16invokeMethodImplEP7QObjectPN9QtPrivate15QSlotObjectBaseEN2Qt14ConnectionTypeEPv
    _ZN11QMetaObject12invokeMethodEP7QObjectPKcN2Qt14ConnectionTypeE22QGenericReturnArgument16QGenericArgumentS7_S7_S7_S7_S7_S7_S7_S7_S7_)
foreach(symbol IN LISTS kelvora_tsan_wrapped)
    add_link_options(-Wl,--wrap=${symbol})
endforeach()

add_library(tsan_sync STATIC ${CMAKE_CURRENT_LIST_DIR}/QtTsanSync.cpp)
target_link_libraries(tsan_sync PUBLIC Qt5::Core)
# Every target made from here on carries the wrappers to the executables that use it.
link_libraries(tsan_sync)
