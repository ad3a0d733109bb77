#include "i62/SensorSentence.h"

#include "i62/I62Sentence.h"

#include <cmath>

namespace {

char direction(float value)
{
    return value >= 0.0f ? 'E' : 'W';
}

} // namespace

// HDT: $--HDT,x.x,T
bool I62_FMT_HDT_Compose(char* destination, const I61162_Data_Structure* record, std::size_t size)
{
    if (record == nullptr)
        return false;
    const float heading = record->fields.hdt.heading;
    I62_FIELD_TEXT text{};
    if (heading >= 0.0f && heading <= 360.0f)
        text = I62_FloatText(heading, "%3.1f");
    return I62_ComposeText(destination, size, "$%s%s,%s,T", record->talker, record->formatter, text.text);
}

// HDG: $--HDG,x.x,x.x,a,x.x,a (deviation and variation as magnitudes with their direction)
bool I62_FMT_HDG_Compose(char* destination, const I61162_Data_Structure* record, std::size_t size)
{
    if (record == nullptr)
        return false;
    const I62_HDG& hdg = record->fields.hdg;
    return I62_ComposeText(destination, size, "$%s%s,%f,%f,%c,%f,%c", record->talker, record->formatter,
                           static_cast<double>(hdg.heading), std::fabs(static_cast<double>(hdg.deviation)),
                           direction(hdg.deviation), std::fabs(static_cast<double>(hdg.variation)),
                           direction(hdg.variation));
}

// ROT: $--ROT,x.x,A
bool I62_FMT_ROT_Compose(char* destination, const I61162_Data_Structure* record, std::size_t size)
{
    if (record == nullptr)
        return false;
    return I62_ComposeText(destination, size, "$%s%s,%f,%c", record->talker, record->formatter,
                           static_cast<double>(record->fields.rot.rate), record->fields.rot.status);
}
