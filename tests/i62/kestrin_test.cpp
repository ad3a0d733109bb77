#include "i62/Kestrin.h"

#include "i62/I62Outport.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

class Kestrin : public ::testing::Test
{
protected:
    void SetUp() override { Kestrin_Init(); }
};

} // namespace

TEST_F(Kestrin, FirstFieldOnly)
{
    TxKestrinMsg.field1 = 1023;
    uint8_t payload[KESTRIN_PAYLOAD_BYTES];
    std::memset(payload, 0xAA, sizeof(payload));
    uint16_t bits = 0;
    ASSERT_EQ(Kestrin_CreateMsg(payload, &bits), 0);
    EXPECT_EQ(bits, 64);
    const uint8_t expected[KESTRIN_PAYLOAD_BYTES] = {0xFF, 0xC0, 0, 0, 0, 0, 0, 0};
    EXPECT_EQ(std::memcmp(payload, expected, sizeof(expected)), 0);
}

TEST_F(Kestrin, RecordRoundTrip)
{
    TxKestrinMsg = KESTRIN_MSG{1000, 63, 512, 1, 1023, 31, 255, 1, 0};
    uint8_t payload[KESTRIN_PAYLOAD_BYTES] = {};
    uint16_t bits = 0;
    ASSERT_EQ(Kestrin_CreateMsg(payload, &bits), 0);
    ASSERT_EQ(Kestrin_RxMsg(payload, bits), 0);
    EXPECT_EQ(+RxKestrinMsg.field1, 1000);
    EXPECT_EQ(+RxKestrinMsg.field2, 63);
    EXPECT_EQ(+RxKestrinMsg.field5, 1023);
    EXPECT_EQ(+RxKestrinMsg.field7, 255);
    EXPECT_EQ(+RxKestrinMsg.field8, 1);
    EXPECT_EQ(+RxKestrinMsg.end, 0);

    EXPECT_EQ(Kestrin_RxMsg(nullptr, 64), 1);
    EXPECT_EQ(Kestrin_RxMsg(payload, 1), 1);
    uint8_t small[4] = {};
    EXPECT_EQ(Kestrin_CreateMsg(small, &bits, sizeof(small)), 1);
    EXPECT_EQ(Kestrin_Proc(), 0);
}

TEST_F(Kestrin, RunningMeanAndMaximum)
{
    EXPECT_EQ(Kestrin_AdcValue(10), 10u);
    EXPECT_EQ(Kestrin_AdcValue(20), 15u);
    EXPECT_EQ(Kestrin_AdcValue(31), 20u);
    EXPECT_EQ(+KestrinAdcStat.maximum, 31u);
    EXPECT_EQ(+KestrinAdcStat.count, 3u);
    Kestrin_AdcValue_Reset();
    EXPECT_EQ(+KestrinAdcStat.maximum, 0u);
    EXPECT_EQ(Kestrin_AdcValue(7), 7u);
}

// Mean times count passes 32 bits after about a million samples of a 12-bit converter.
TEST_F(Kestrin, LongRunKeepsItsMean)
{
    KestrinAdcStat = KESTRIN_ADC_STAT{4000, 2000000, 4000};
    EXPECT_EQ(Kestrin_AdcValue(4000), 4000u);
    EXPECT_EQ(+KestrinAdcStat.count, 2000001u);
}

TEST_F(Kestrin, OutputHooksDoNothingUnlessConnected)
{
    AT91F_DBGU_Printk("debug");
    AT91F_USART1_Printk("second port");
    AT91F_I62DataOutport("sentence");
    static int seen = 0;
    I62_SetOutportSink([](I62_OUTPORT port, const char*) { seen += port == I62_OUTPORT_USART1 ? 1 : 0; });
    AT91F_USART1_Printk("second port");
    AT91F_USART1_Printk(nullptr);
    I62_SetOutportSink(nullptr);
    EXPECT_EQ(seen, 1);
}
