#include "i62/AisBinMsgCodec.h"

#include <gtest/gtest.h>

#include <cstring>

TEST(AisBinaryIdentifier, FromEachBinaryMessage)
{
    const struct
    {
        int msgId;
        int addressed;
        int binaryFlag;
        int dataOffset;
        int dac;
        int fi;
    } cases[] = {
        {6, 0, 0, 13, 1, 40}, {8, 0, 0, 7, 200, 10}, {25, 1, 1, 12, 235, 63}, {25, 0, 1, 8, 1, 2}, {25, 0, 0, 8, 0, 0},
    };
    for (const auto& c : cases) {
        UN_AIS_MESSAGE m;
        std::memset(&m, 0, sizeof(m));
        m.head.msgId = static_cast<uint8_t>(c.msgId);
        if (c.msgId == 25) {
            m.msg25A.addressed = static_cast<uint8_t>(c.addressed);
            m.msg25A.binaryFlag = static_cast<uint8_t>(c.binaryFlag);
        }
        const int identifier = c.binaryFlag == 0 && c.msgId == 25 ? 0x0102 : c.dac << 6 | c.fi;
        m.bytes[c.dataOffset] = static_cast<uint8_t>(identifier >> 8);
        m.bytes[c.dataOffset + 1] = static_cast<uint8_t>(identifier);
        int dac = -1;
        int fi = -1;
        GetAppIdentifier(&m, &dac, &fi);
        EXPECT_EQ(dac, c.dac) << c.msgId;
        EXPECT_EQ(fi, c.fi) << c.msgId;
        EXPECT_EQ(DecodeAisBinaryMessage(&m, 0), 0);
        EXPECT_EQ(RxBinMsgAppId, c.dac << 6 | c.fi);
    }
    UN_AIS_MESSAGE position;
    std::memset(&position, 0, sizeof(position));
    position.head.msgId = 1;
    EXPECT_EQ(DecodeAisBinaryMessage(&position, 0), 1);
    AisBinMsgCodecInitial();
    EXPECT_EQ(RxBinMsgAppId, 0);
}
