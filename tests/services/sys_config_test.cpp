#include "services/Resource.h"
#include "services/SysConfig.h"

#include "TempWorkDir.h"

#include <QCoreApplication>
#include <QDir>
#include <gtest/gtest.h>

TEST(SysConfig, AppPathAndProfileSitBesideTheExecutable)
{
    SysConfig config;
    const QString folder = QCoreApplication::applicationDirPath();
    EXPECT_EQ(config.GetAppPath(), folder + "/");
    EXPECT_EQ(config.GetProfileIniUrl(), folder + "/profile.ini");
}

TEST(SysConfig, DocumentsFolderIsCreatedAndStored)
{
    TestSupport::TempWorkDir home;
    const QByteArray previousHome = qgetenv("HOME");
    qputenv("HOME", home.path().toUtf8());
    qunsetenv("XDG_CONFIG_HOME");
    ASSERT_TRUE(QDir(home.path()).mkpath("Documents"));

    SysConfig config;
    EXPECT_FALSE(config.SetSystemDocPath(""));
    EXPECT_TRUE(config.systemDocPath().isEmpty());

    config.initialize("");
    EXPECT_EQ(QDir(config.systemDocPath()).canonicalPath(), QDir(home.path() + "/Documents").canonicalPath());

    SysConfig named;
    named.initialize("Kelvora/");
    EXPECT_TRUE(QDir(home.path() + "/Documents/Kelvora").exists());
    EXPECT_TRUE(named.GetConfigIniUrl().endsWith("Kelvora/config.ini"));
    const QString data = named.GetUserDataPath("Reports");
    EXPECT_TRUE(QDir(data).exists());

    EXPECT_TRUE(SysConfig::CheckAndMakeDir(home.path() + "/a/b/c"));
    EXPECT_TRUE(QDir(home.path() + "/a/b/c").exists());
    qputenv("HOME", previousHome);
}

TEST(CResource, DefaultEntry)
{
    const CResource entry;
    EXPECT_EQ(entry.kind, -1);
    EXPECT_TRUE(entry.name.empty());
    EXPECT_EQ(entry.brightness, 0);
    EXPECT_TRUE(entry.flag);
}
