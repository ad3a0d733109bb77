// The compiled-in English translations: every key and text the window looks up is present.
#include "QtPrint.h"
#include "ViewOnForm.h"
#include "view/TargetExchangeSet.h"

#include <QCoreApplication>
#include <QTranslator>
#include <gtest/gtest.h>
#include <set>
#include <string>
#include <utility>

namespace {

const char* const kApplicationFile = ":/Translations/Languages/AisConfiguration_en.qm";
const char* const kNoticesFile = ":/Translations/Languages/CopyRight_en.qm";

struct SEntry
{
    const char* context;
    const char* key;
    const char* english;
};

// Keys whose English differs from the key.
const SEntry kKeys[] = {
    {"QObject", "DisconnectTip", "Click to connect the device!"},
    {"QObject", "ConnectCheckTip", "Determining the AIS Device Type..."},
    {"QObject", "InvalidShipNameTip", "The field \u201cShip's Name\u201d cannot be left blank"},
    {"QObject", "InvalidCallSignTip", "The field \u201cCall Sign\u201d cannot be left blank"},
    {"QObject", "InvalidMMSITip", "The entered MMSI is not in the valid range"},
    {"QObject", "DeviceConfirm", "Save settings to device?"},
};

// Texts looked up by their English.
const SEntry kTexts[] = {
    {"QObject", "Connect", nullptr},
    {"QObject", "Disconnect", nullptr},
    {"QObject", " - IN USE", nullptr},
    {"QObject", "More...", nullptr},
    {"QObject", "Hide...", nullptr},
    {"QObject", "ON", nullptr},
    {"QObject", "OFF", nullptr},
    {"QObject", "Start Log", nullptr},
    {"QObject", "Stop Log", nullptr},
    {"QObject", "Maritime Mobile Service Identity (MMSI)", nullptr},
    {"QObject",
     "MMSI - A unique nine digit number that identifies a particular ship or shore station.\n\nThe MMSI can be "
     "programmed only once. Please contact your dealer if you are unsure of your MMSI number.",
     nullptr},
    {"QObject", "Altitude higher than 500m", nullptr},
    {"QObject", "At sea level", nullptr},
    {"QObject", "MMSI", nullptr},
    {"QObject", "Ship's Name", nullptr},
    {"QObject", "Call Sign", nullptr},
    {"QObject", "Class", nullptr},
    {"QObject", "Speed", nullptr},
    {"QObject", "Course", nullptr},
    {"QObject", "Latitude", nullptr},
    {"QObject", "Longitude", nullptr},
    {"QObject", "Range", nullptr},
    {"QObject", "Bearing", nullptr},
    {"QObject", "Report Age", nullptr},
    {"QObject", "Unknown", nullptr},
    {"QObject", "Information", nullptr},
    {"QObject", "Warning", nullptr},
    {"QObject", "Access Point", nullptr},
    {"QObject", "Client", nullptr},
    {"QObject", "Auto Select", nullptr},
    {"QObject", "The wireless network must have a name(SSID).", nullptr},
    {"QObject", "Invalid password format.\n", nullptr},
    {"QObject", "Invalid password format. Password between 8 and 63 alpha-numeric characters is allowed.", nullptr},
    {"QObject", "Invalid channel.", nullptr},
    {"QObject", "Invalid IP address.", nullptr},
    {"QObject", "Invalid subnet mask.", nullptr},
    {"QObject", "Invalid port value.\nThe port range is from 0 to 65535.", nullptr},
    {"QObject", "InValid Wi-Fi", nullptr},
    {"QObject", "Applying Wi-Fi setting.\nPlease wait a moment.", nullptr},
    {"QObject", "Applying Wi-Fi setting.\nPlease wait around 1 minute.", nullptr},
    {"QObject", "Loading Wi-Fi setting...", nullptr},
    {"QObject", "Wi-Fi Configuration", nullptr},
    {"QObject", "Input Wi-Fi password", nullptr},
    {"QObject", "Please input Wi-Fi password", nullptr},
    {"QObject", "Connect fail.\nPlease try again!", nullptr},
    {"QObject", "Wi-Fi Factory Reset", nullptr},
    {"QObject", "Factory Wi-Fi setting will be applied restored.\nDO you want to continue?", nullptr},
    {"QObject", "You are about to switch to [Client] mode.\n", nullptr},
    {"QObject", "You are about to switch to [Access Point] mode.\n", nullptr},
    {"QObject", "Wi-Fi function will be enabled.\n", nullptr},
    {"QObject", "Wi-Fi function will be disabled.\n", nullptr},
    {"QObject", "Do you want to continue?", nullptr},
    {"QObject", "Make sure your AIS device is supplied with a 12/24V DC power for performing Wi-Fi configuration.",
     nullptr},
    {"QObject", "Determining the Wi-Fi module. Please confirm AIS device is connected to a power supply.", nullptr},
    {"QObject", "Wi-Fi setting is in progress!\nDo you want to force the application to quit?", nullptr},
    {"QObject", "WiFi setting fail!\nPlease try again.", nullptr},
    {"QObject", "Wi-Fi Service", nullptr},
    {"QObject", "Program Wi-Fi Module", nullptr},
    {"QObject", "20 = WIG", nullptr},
    {"QObject", "30 = Vessel-Fishing", nullptr},
    {"QObject", "31 = Vessel-Towing", nullptr},
    {"QObject", "32 = Vessel-Tow>200m,breadth>25m", nullptr},
    {"QObject", "33 = Vessel-Dredge,Underwater OP", nullptr},
    {"QObject", "34 = Vessel-Diving OP", nullptr},
    {"QObject", "35 = Vessel-Military OP", nullptr},
    {"QObject", "36 = Vessel-Sailing", nullptr},
    {"QObject", "37 = Vessel-Pleasure craft", nullptr},
    {"QObject", "40 = HSC", nullptr},
    {"QObject", "50 = Pilot vessel", nullptr},
    {"QObject", "51 = Search & rescue vessel", nullptr},
    {"QObject", "52 = Tug", nullptr},
    {"QObject", "53 = Port tender", nullptr},
    {"QObject", "54 = Anti-pollution vessel", nullptr},
    {"QObject", "55 = Law enforcement vessel", nullptr},
    {"QObject", "58 = Medical transport", nullptr},
    {"QObject", "59 = Resolution 18(Mob-83)", nullptr},
    {"QObject", "60 = Passenger ship", nullptr},
    {"QObject", "70 = Cargo ship", nullptr},
    {"QObject", "80 = Tanker", nullptr},
    {"QObject", "About", nullptr},
    {"QObject", "Close", nullptr},
    {"AisConfiguration", "Save Log File", nullptr},
    {"AisConfiguration", "Save Report File", nullptr},
    {"AisConfiguration", "Log Files(*.txt)", nullptr},
    {"AisConfiguration", "The command is too long to send: %1 bytes, at most %2 bytes.", nullptr},
};

// Notes every lookup that reaches it and answers none, so that the lookup goes on to the
// translators installed before it.
class CLookupRecorder : public QTranslator
{
public:
    bool isEmpty() const override { return false; }
    QString translate(const char* context, const char* sourceText, const char*, int) const override
    {
        if (context != nullptr && sourceText != nullptr)
            m_lookups.emplace(context, sourceText);
        return QString();
    }

    mutable std::set<std::pair<std::string, std::string>> m_lookups;
};

} // namespace

TEST(Translations, EveryKeyOfTheApplicationFile)
{
    QTranslator translator;
    ASSERT_TRUE(translator.load(kApplicationFile));
    for (const SEntry& entry : kKeys)
        EXPECT_EQ(translator.translate(entry.context, entry.key), QString::fromUtf8(entry.english)) << entry.key;
    for (const SEntry& entry : kTexts)
        EXPECT_EQ(translator.translate(entry.context, entry.key), QString::fromUtf8(entry.key)) << entry.key;
    EXPECT_TRUE(translator.translate("QObject", "CopyrightBase").isEmpty()) << "the notices have their own file";
}

TEST(Translations, NoticesFileNamesTheProductAndQtsLicence)
{
    QTranslator translator;
    ASSERT_TRUE(translator.load(kNoticesFile));
    const QString base = translator.translate("QObject", "CopyrightBase");
    const QString qt = translator.translate("QObject", "CopyrightQt");
    EXPECT_TRUE(base.contains("Kelvora AIS Class B Configuration")) << base.toStdString();
    EXPECT_TRUE(base.contains("Copyright")) << base.toStdString();
    EXPECT_TRUE(qt.contains("Qt 5")) << qt.toStdString();
    EXPECT_TRUE(qt.contains("GNU Lesser General Public License version 3")) << qt.toStdString();
}

TEST(Translations, InstalledTranslatorsAnswerTheWindowsLookups)
{
    QTranslator application;
    QTranslator notices;
    ASSERT_TRUE(application.load(kApplicationFile));
    ASSERT_TRUE(notices.load(kNoticesFile));
    QCoreApplication::installTranslator(&application);
    QCoreApplication::installTranslator(&notices);
    EXPECT_EQ(QObject::tr("DisconnectTip"), "Click to connect the device!");
    EXPECT_EQ(QObject::tr("InvalidMMSITip"), "The entered MMSI is not in the valid range");
    EXPECT_TRUE(QObject::tr("CopyrightQt").contains("LGPL v3"));
    EXPECT_EQ(QObject::tr("No such key"), "No such key");
    QCoreApplication::removeTranslator(&notices);
    QCoreApplication::removeTranslator(&application);
    EXPECT_EQ(QObject::tr("DisconnectTip"), "DisconnectTip");
}

// The view looks its texts up in the context "QObject": each has its entry there, where a lookup
// finds it (an entry under another context is never used, and the text would show untranslated).
TEST(Translations, EveryTextTheViewLooksUpHasItsEntryInItsContext)
{
    QTranslator application;
    ASSERT_TRUE(application.load(kApplicationFile));
    CLookupRecorder recorder;
    QCoreApplication::installTranslator(&recorder);
    {
        SViewOnForm view; // sets every run-time text
        view.view->updateUiObjText();
        CTargetExchangeSet targets; // the vessel tables' headers
    }
    QCoreApplication::removeTranslator(&recorder);
    int viewTexts = 0;
    for (const auto& [context, text] : recorder.m_lookups) {
        if (context != "QObject")
            continue;
        ++viewTexts;
        EXPECT_FALSE(application.translate(context.c_str(), text.c_str()).isNull()) << text;
    }
    EXPECT_GE(viewTexts, 80) << "the lookups reached the recorder";
}
