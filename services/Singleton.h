#pragma once

#include <atomic>
#include <cstdlib>
#include <mutex>

namespace Pattern {

// Holder of one process-wide instance of T, created on first use and deleted at exit.
// The first use may come from any thread: creation is serialised, and every caller sees the
// one finished instance. Deletion runs from an exit handler registered at creation, so
// instances die in the reverse order of their creation and the logger, created first,
// outlives the services that log while they are torn down.
template <class T> class Singleton
{
public:
    static T* instance()
    {
        T* instance = m_Instance.load(std::memory_order_acquire);
        if (instance != nullptr)
            return instance;
        std::lock_guard<std::mutex> lock(m_Creation);
        instance = m_Instance.load(std::memory_order_relaxed);
        if (instance == nullptr) {
            instance = new T();
            registerExitHandler();
            m_Instance.store(instance, std::memory_order_release);
        }
        return instance;
    }

    Singleton() = delete;

private:
    static void registerExitHandler()
    {
        static bool registered = false;
        if (!registered) {
            registered = true;
            std::atexit(&Singleton::release);
        }
    }

    static void release()
    {
        T* instance = m_Instance.exchange(nullptr);
        delete instance;
    }

    static inline std::atomic<T*> m_Instance{nullptr};
    static inline std::mutex m_Creation;
};

} // namespace Pattern
