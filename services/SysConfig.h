#pragma once

#include "Singleton.h"

#include <QRect>
#include <QSize>
#include <QString>
#include <string>

// Where the program's files are: the application folder (with "profile.ini" and the
// log) and the user's documents folder.
class SysConfig
{
public:
    void initialize(const std::string& folderName);

    QString GetAppPath() const;
    QString GetProfileIniUrl() const;
    QString GetSysDocPath() const;
    QString GetUserDocPath() const;
    QString GetUserDataPath(const std::string& subName) const;
    QString GetConfigIniUrl() const;
    bool SetSystemDocPath(const QString& path);
    static bool CheckAndMakeDir(const QString& path);

    QString systemDocPath() const { return m_systemDocPath; }

private:
    QString m_folderName;
    QString m_systemDocPath;
};
