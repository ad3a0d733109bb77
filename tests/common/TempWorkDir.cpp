#include "TempWorkDir.h"

#include <QDir>
#include <QFile>

namespace TestSupport {

TempWorkDir::TempWorkDir() : m_previous(QDir::currentPath())
{
    QDir::setCurrent(m_dir.path());
}

TempWorkDir::~TempWorkDir()
{
    QDir::setCurrent(m_previous);
}

QString TempWorkDir::path() const
{
    return m_dir.path();
}

QString TempWorkDir::filePath(const QString& name) const
{
    return m_dir.filePath(name);
}

QByteArray readFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

bool writeFile(const QString& path, const QByteArray& data)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    return file.write(data) == data.size();
}

} // namespace TestSupport
