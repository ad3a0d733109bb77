#pragma once

#include <cstdlib>

namespace Pattern {

// Holder of one process-wide instance of T, created on first use and deleted at exit.
// Creation takes no lock: the first use of each instance happens on the main thread
// before other threads start. Deletion runs from an exit handler registered at
// creation, so instances die in the reverse order of their creation and the logger,
// created first, outlives the services that log while they are torn down.
template <class T>
class Singleton
{
public:
    static T* instance()
    {
        if (m_Instance == nullptr) {
            m_Instance = new T();
            registerExitHandler();
        }
        return m_Instance;
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
        T* instance = m_Instance;
        m_Instance = nullptr;
        delete instance;
    }

    static inline T* m_Instance = nullptr;
};

} // namespace Pattern
