#include "i62/LongRangeSentence.h"

#include "i62/I62FieldValue.h"
#include "i62/I62Sentence.h"

#include <cmath>

namespace {

// One coordinate as whole degrees followed by the minutes, and its hemisphere letter. The
// minutes keep two integer digits, so that 5 minutes do not read back as 50.
struct SDegMinutes
{
    int degrees;
    double minutes;
    char hemisphere;
};

SDegMinutes degMinutes(double value, char positive, char negative)
{
    const double magnitude = std::fabs(value);
    const int degrees = static_cast<int>(magnitude);
    return SDegMinutes{degrees, (magnitude - degrees) * 60.0, value < 0.0 ? negative : positive};
}

I62_FIELD_TEXT positionText(const I62_DEGREE& position)
{
    const SDegMinutes lat = degMinutes(position.latitude, 'N', 'S');
    const SDegMinutes lon = degMinutes(position.longitude, 'E', 'W');
    I62_FIELD_TEXT t{};
    I62_ComposeText(t.text, sizeof(t.text), "%d%09.6f,%c,%d%09.6f,%c", lat.degrees, lat.minutes, lat.hemisphere,
                    lon.degrees, lon.minutes, lon.hemisphere);
    return t;
}

I62_FIELD_TEXT mmsiText(long mmsi)
{
    return I62_IntText(mmsi, "%ld", I62_MMSI_EMPTY);
}

I62_FIELD_TEXT dateText(const LRng_DATE& date)
{
    I62_FIELD_TEXT t{};
    I62_ComposeText(t.text, sizeof(t.text), "%02d%02d%d", date.day, date.month, date.year);
    return t;
}

// The time field of these sentences is always written.
I62_FIELD_TEXT timeText(const I62_UTC_TIME& time)
{
    I62_FIELD_TEXT t{};
    I62_ComposeText(t.text, sizeof(t.text), "%02d%02d%02d.%02d", time.hour, time.minute, time.second,
                    time.hundredths);
    return t;
}

} // namespace

// LRI: $--LRI,x,a,xxxxxxxxx,xxxxxxxxx,llll.ll,a,yyyyy.yy,a,llll.ll,a,yyyyy.yy,a
bool AIS_FMT_LRI_Compose(char* destination, const I61162_Data_Structure* record, std::size_t size)
{
    if (record == nullptr)
        return false;
    const I62_LRI& lri = record->fields.lri;
    return I62_ComposeText(destination, size, "$%s%s,%d,%c,%s,%s,%s,%s", record->talker, record->formatter,
                           lri.sequence, lri.controlFlag, mmsiText(lri.requestorMmsi).text,
                           mmsiText(lri.destinationMmsi).text, positionText(lri.northEast).text,
                           positionText(lri.southWest).text);
}

// LRF: $--LRF,x,xxxxxxxxx,c--c,c--c,c--c
bool AIS_FMT_LRF_Compose(char* destination, const I61162_Data_Structure* record, std::size_t size)
{
    if (record == nullptr)
        return false;
    const I62_LRF& lrf = record->fields.lrf;
    return I62_ComposeText(destination, size, "$%s%s,%d,%s,%s,%s,%s", record->talker, record->formatter, lrf.sequence,
                           mmsiText(lrf.requestorMmsi).text, lrf.requestorName, lrf.functionRequest, lrf.replyStatus);
}

// LR1: $--LR1,x,xxxxxxxxx,xxxxxxxxx,c--c,c--c,xxxxxxxxx
bool AIS_FMT_LR1_Compose(char* destination, const I61162_Data_Structure* record, std::size_t size)
{
    if (record == nullptr)
        return false;
    const I62_LR1& lr1 = record->fields.lr1;
    return I62_ComposeText(destination, size, "$%s%s,%d,%s,%s,%s,%s,%s", record->talker, record->formatter,
                           lr1.sequence, mmsiText(lr1.responderMmsi).text, mmsiText(lr1.requestorMmsi).text,
                           lr1.shipName, lr1.callSign, I62_IntText(lr1.imo, "%ld", 0).text);
}

// LR2: $--LR2,x,xxxxxxxxx,ddmmyyyy,hhmmss.ss,llll.ll,a,yyyyy.yy,a,x.x,T,x.x,N
bool AIS_FMT_LR2_Compose(char* destination, const I61162_Data_Structure* record, std::size_t size)
{
    if (record == nullptr)
        return false;
    const I62_LR2& lr2 = record->fields.lr2;
    return I62_ComposeText(destination, size, "$%s%s,%d,%s,%s,%s,%s,%1.1f,%c,%1.1f,%c", record->talker,
                           record->formatter, lr2.sequence, mmsiText(lr2.responderMmsi).text, dateText(lr2.date).text,
                           timeText(lr2.time).text, positionText(lr2.position).text,
                           static_cast<double>(lr2.course), lr2.courseReference, static_cast<double>(lr2.speed),
                           lr2.speedReference);
}

// LR3: $--LR3,x,xxxxxxxxx,c--c,ddmmyyyy,hhmmss.ss,x.x,x.x,x.x,x.x,x.x,x.x
bool AIS_FMT_LR3_Compose(char* destination, const I61162_Data_Structure* record, std::size_t size)
{
    if (record == nullptr)
        return false;
    const I62_LR3& lr3 = record->fields.lr3;
    return I62_ComposeText(destination, size, "$%s%s,%d,%s,%s,%s,%s,%f,%f,%f,%f,%f,%f", record->talker,
                           record->formatter, lr3.sequence, mmsiText(lr3.responderMmsi).text, lr3.destination,
                           dateText(lr3.etaDate).text, timeText(lr3.etaTime).text, static_cast<double>(lr3.draught),
                           static_cast<double>(lr3.cargo), static_cast<double>(lr3.length),
                           static_cast<double>(lr3.breadth), static_cast<double>(lr3.shipType),
                           static_cast<double>(lr3.persons));
}

// DSI: $--DSI,x,x,xxxxxxxxxx,xx,xx,c--c,xx,c--c,a
bool I62_FMT_DSI_Compose(char* destination, const I61162_Data_Structure* record, std::size_t size)
{
    if (record == nullptr)
        return false;
    const I62_DSI& dsi = record->fields.dsi;
    return I62_ComposeText(destination, size, "$%s%s,%s,%s,%010lu,%02d,%02d,%s,%02d,%s,%s", record->talker,
                           record->formatter, I62_CharText(dsi.total).text, I62_CharText(dsi.number).text,
                           static_cast<unsigned long>(dsi.mmsi), dsi.command1, dsi.command2, dsi.text1, dsi.value,
                           dsi.text2, I62_CharText(dsi.flag).text);
}
