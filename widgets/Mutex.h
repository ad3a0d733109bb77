#pragma once

#include <QMutex>

// A plain non-recursive mutex.
class CMutex : public QMutex
{
public:
    CMutex() : QMutex(QMutex::NonRecursive) {}
};
