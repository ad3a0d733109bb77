#include "i62/GnssSentence.h"

#include "i62/I62Sentence.h"

#include "SentenceFeed.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

using namespace TestSupport;

namespace {

std::string compose(bool (*composer)(char*, const I61162_Data_Structure*, std::size_t),
                    const I61162_Data_Structure& record)
{
    char text[I62_COMPOSE_BUF_SIZE] = {};
    EXPECT_TRUE(composer(text, &record, sizeof(text)));
    return text;
}

} // namespace

TEST(GnssCompose, SentencesInTheirFieldOrder)
{
    I61162_Data_Structure rmc = recordOf("GP", "RMC");
    rmc.fields.rmc =
        I62_RMC{{22, 54, 46, 5}, 'A', {49.274167, -123.185333}, 0.5f, 54.7f, {2024, 11, 19}, 20.3f, 'E', 'A', 128};
    EXPECT_EQ(compose(I62_FMT_RMC_Compose, rmc),
              "$GPRMC,225446.05,A,4916.45001,N,12311.11997,W,0.500,54.70,191124,20.30,E,A");
    rmc.fields.rmc =
        I62_RMC{{24, 60, 60, 0}, 'V', {91.0, 181.0}, -100000.0f, -100000.0f, {0, 0, 0}, -100000.0f, 128, 'N', 'V'};
    EXPECT_EQ(compose(I62_FMT_RMC_Compose, rmc), "$GPRMC,,V,,,,,,,,,,N,V");

    I61162_Data_Structure gsa = recordOf("GP", "GSA");
    gsa.fields.gsa = I62_GSA{'A', 3, {5, 7, 128, 128, 128, 128, 128, 128, 128, 128, 128, 128}, 1.8f, 1.0f, 1.5f};
    EXPECT_EQ(compose(I62_FMT_GSA_Compose, gsa), "$GPGSA,A,3,05,07,,,,,,,,,,,1.80,1.00,1.50");

    I61162_Data_Structure gbs = recordOf("GP", "GBS");
    gbs.fields.gbs = I62_GBS{{1, 55, 9, 0}, -0.031f, -0.186f, 0.219f, 128, 0.0f, -100000.0f, 6.972f};
    EXPECT_EQ(compose(I62_FMT_GBS_Compose, gbs), "$GPGBS,015509.00,-0.03,-0.19,0.22,,0.00,,6.97");

    I61162_Data_Structure zda = recordOf("GP", "ZDA");
    zda.fields.zda = I62_ZDA{{20, 15, 30, 0}, 4, 7, 2002, static_cast<uint8_t>(-5), 0};
    EXPECT_EQ(compose(I62_FMT_ZDA_Compose, zda), "$GPZDA,201530.00,04,07,2002,-5,00");
    zda.fields.zda = I62_ZDA{{20, 15, 30, 0}, 128, 128, -1, 128, 128};
    EXPECT_EQ(compose(I62_FMT_ZDA_Compose, zda), "$GPZDA,201530.00,,,,,");

    char small[12];
    EXPECT_FALSE(I62_FMT_ZDA_Compose(small, &zda, sizeof(small)));
}

TEST(GnssCompose, ComposedSentencesParseBack)
{
    initLibrary();
    I61162_Data_Structure rmc = recordOf("GP", "RMC");
    rmc.fields.rmc =
        I62_RMC{{12, 0, 1, 50}, 'A', {-33.856, 151.215}, 12.3f, 271.5f, {2031, 2, 28}, 1.0f, 'W', 'D', 128};
    I61162_Data_Structure out{};
    const std::string text = compose(I62_FMT_RMC_Compose, rmc);
    ASSERT_EQ(parseBody(text, &out), 0) << text;
    EXPECT_NEAR(out.fields.rmc.position.latitude, -33.856, 1e-6);
    EXPECT_NEAR(out.fields.rmc.position.longitude, 151.215, 1e-5); // read through single precision
    EXPECT_EQ(out.fields.rmc.date.year, 2031);
    EXPECT_EQ(out.fields.rmc.time.hundredths, 50);
    EXPECT_EQ(out.fields.rmc.mode, 'D');
    EXPECT_EQ(GpsData[0].positionValid, 1);
}
