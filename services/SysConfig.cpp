#include "SysConfig.h"

#include <QCoreApplication>
#include <QDir>
#include <QStandardPaths>

void SysConfig::initialize(const std::string& folderName)
{
    m_folderName = QString::fromStdString(folderName);
    SetSystemDocPath(GetUserDocPath());
}

QString SysConfig::GetAppPath() const
{
    return QCoreApplication::applicationDirPath() + QLatin1Char('/');
}

QString SysConfig::GetProfileIniUrl() const
{
    return GetAppPath() + QStringLiteral("profile.ini");
}

QString SysConfig::GetSysDocPath() const
{
    return QStandardPaths::locate(QStandardPaths::DocumentsLocation, QString(), QStandardPaths::LocateDirectory);
}

QString SysConfig::GetUserDocPath() const
{
    const QString path = GetSysDocPath() + m_folderName;
    if (!CheckAndMakeDir(path))
        return GetSysDocPath();
    return path;
}

QString SysConfig::GetUserDataPath(const std::string& subName) const
{
    const QString path = GetUserDocPath() + QString::fromStdString(subName);
    return CheckAndMakeDir(path) ? path : QString();
}

QString SysConfig::GetConfigIniUrl() const
{
    return GetUserDocPath() + QStringLiteral("config.ini");
}

bool SysConfig::SetSystemDocPath(const QString& path)
{
    if (path.isEmpty() || !CheckAndMakeDir(path))
        return false;
    m_systemDocPath = path;
    return true;
}

bool SysConfig::CheckAndMakeDir(const QString& path)
{
    if (path.isEmpty())
        return false;
    QDir dir(path);
    return dir.exists() || dir.mkpath(QStringLiteral("."));
}
