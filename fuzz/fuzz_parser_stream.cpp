// Parser over many lines that keep the library's state: reassembly, the stores, the station table.
#include "i62/AisBinMsgCodec.h"
#include "i62/AisMessage.h"
#include "i62/AisStation.h"
#include "i62/I62Parser.h"
#include "i62/I62Sentence.h"
#include "i62/NaviCalc.h"
#include "i62/OwnShipSensor.h"

#include <cstring>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    MsgCodecInitial();
    AisMessageInitial();
    AisBinMsgCodecInitial();
    ShipInitial();
    CpaInitial();
    SensorInitial();
    const std::string input(reinterpret_cast<const char*>(data), size);
    size_t at = 0;
    while (at < input.size()) {
        size_t end = input.find('\n', at);
        end = end == std::string::npos ? input.size() : end + 1;
        char buffer[I62_SENTENCE_BUF_SIZE];
        const size_t length = end - at < sizeof(buffer) - 1 ? end - at : sizeof(buffer) - 1;
        std::memcpy(buffer, input.data() + at, length);
        buffer[length] = '\0';
        I61162_Data_Structure record;
        if (Parser(buffer, &record, sizeof(buffer)) == 7)
            MsgCodecInitial();
        at = end;
    }
    return 0;
}
