#include "device/EnvironmentSetup.h"

#include "TempWorkDir.h"

#include <QSettings>
#include <algorithm>
#include <gtest/gtest.h>
#include <vector>

namespace {

QString profilePath()
{
    return QStringLiteral("profile.ini"); // in the test's own working folder
}

} // namespace

TEST(EnvironmentSetup, ReadsItsGroupWithDefaultsAndWritesOnlyWhatIsMissing)
{
    const struct
    {
        QVariant baud;
        int expected;
    } cases[] = {{7, 7}, {8, 0}, {9, 0}, {-1, 0}, {QVariant(), 0}, {3, 3}};
    for (const auto& c : cases) {
        QFile::remove(profilePath());
        {
            QSettings settings(profilePath(), QSettings::IniFormat);
            if (c.baud.isValid())
                settings.setValue("/Env_Setting/DefaultBaudRate", c.baud);
        }
        QSettings settings(profilePath(), QSettings::IniFormat);
        CEnvironmentSetup setup;
        setup.readProfileIni(&settings);
        EXPECT_EQ(setup.setting().DefaultBaudRate, c.expected) << c.baud.toString().toStdString();
        EXPECT_FALSE(setup.setting().DebugMode);
    }

    QFile::remove(profilePath());
    {
        QSettings settings(profilePath(), QSettings::IniFormat);
        settings.setValue("/Env_Setting/DebugMode", true);
    }
    QSettings settings(profilePath(), QSettings::IniFormat);
    CEnvironmentSetup setup;
    setup.setNewProfileSetting({false, 5});
    setup.writeProfileIni(&settings);
    settings.sync();
    EXPECT_TRUE(settings.value("/Env_Setting/DebugMode").toBool()) << "a key already present is left alone";
    EXPECT_EQ(settings.value("/Env_Setting/DefaultBaudRate").toInt(), 5);
    setup.readProfileIni(&settings);
    EXPECT_TRUE(setup.setting().DebugMode);
}

TEST(PortOrder, NumbersThenNamesAndThePreferredFirstOnce)
{
    const std::vector<SPortName> ports = {
        {"/dev/ttyUSB10", ""},       {"COM10", ""}, {"/dev/ttyS0", ""},
        {"COM9", "USB Serial Port"}, {"COM3", ""},  {"/dev/ttyACM1", "AIS Virtual Com"},
        {"/dev/ttyUSB2", ""},        {"COM1", ""},  {"ttyUSB0", ""},
    };
    auto names = [](std::vector<SPortName> list) {
        std::vector<std::string> out;
        for (const SPortName& p : list)
            out.push_back(p.name.toStdString());
        return out;
    };
    std::vector<SPortName> later = ports;
    std::stable_sort(later.begin(), later.end(),
                     [](const SPortName& a, const SPortName& b) { return comNameLessThan(a, b); });
    EXPECT_EQ(names(later), (std::vector<std::string>{"COM1", "COM3", "COM9", "COM10", "/dev/ttyACM1", "/dev/ttyS0",
                                                      "/dev/ttyUSB2", "/dev/ttyUSB10", "ttyUSB0"}));
    std::vector<SPortName> first = ports;
    std::stable_sort(first.begin(), first.end(),
                     [](const SPortName& a, const SPortName& b) { return comNameLessThanInit(a, b); });
    EXPECT_EQ(names(first), (std::vector<std::string>{"COM9", "/dev/ttyACM1", "COM1", "COM3", "COM10", "/dev/ttyS0",
                                                      "/dev/ttyUSB2", "/dev/ttyUSB10", "ttyUSB0"}));

    // Both are strict weak orders over every pair and triple of the list.
    using Less = bool (*)(const SPortName&, const SPortName&);
    for (Less less : {static_cast<Less>(&comNameLessThan), static_cast<Less>(&comNameLessThanInit)}) {
        for (const SPortName& a : ports) {
            EXPECT_FALSE(less(a, a)) << a.name.toStdString();
            for (const SPortName& b : ports) {
                EXPECT_FALSE(less(a, b) && less(b, a));
                for (const SPortName& c : ports) {
                    if (less(a, b) && less(b, c)) {
                        EXPECT_TRUE(less(a, c));
                    }
                    const bool abEquivalent = !less(a, b) && !less(b, a);
                    const bool bcEquivalent = !less(b, c) && !less(c, b);
                    if (abEquivalent && bcEquivalent) {
                        EXPECT_TRUE(!less(a, c) && !less(c, a));
                    }
                }
            }
        }
    }
    const SPortName twoPreferredA{"COM5", "USB Serial Port"};
    const SPortName twoPreferredB{"COM2", "AIS Virtual Com"};
    EXPECT_FALSE(comNameLessThanInit(twoPreferredA, twoPreferredB));
    EXPECT_FALSE(comNameLessThanInit(twoPreferredB, twoPreferredA));
    EXPECT_FALSE(comNameLessThan({"COM4", "a"}, {"COM4", "b"}));
}
