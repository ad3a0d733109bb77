#include "i62/GnssSentence.h"

#include "i62/I62FieldValue.h"
#include "i62/I62Sentence.h"

#include <cstring>

namespace {

constexpr int kCenturyStart = 2000;

// ddmmyy, empty when the year is 0.
I62_FIELD_TEXT dateText(const I62_DATE& date)
{
    I62_FIELD_TEXT t{};
    if (date.year != 0)
        I62_ComposeText(t.text, sizeof(t.text), "%02d%02d%02d", date.day, date.month,
                        (date.year - kCenturyStart) % 100);
    return t;
}

I62_FIELD_TEXT u8Text(uint8_t value, const char* format)
{
    return I62_IntText(value, format, I62_U8_EMPTY);
}

} // namespace

// RMC: $--RMC,hhmmss.ss,A,llll.ll,a,yyyyy.yy,a,x.x,x.x,xxxxxx,x.x,a,a[,a]
bool I62_FMT_RMC_Compose(char* destination, const I61162_Data_Structure* record, std::size_t size)
{
    if (record == nullptr)
        return false;
    const I62_RMC& rmc = record->fields.rmc;
    I62_FIELD_TEXT navStatus{};
    if (rmc.navStatus != I62_U8_EMPTY)
        I62_ComposeText(navStatus.text, sizeof(navStatus.text), ",%s", I62_CharText(rmc.navStatus).text);
    return I62_ComposeText(destination, size, "$%s%s,%s,%s,%s,%s,%s,%s,%s,%s,%s%s", record->talker, record->formatter,
                           I62_TimeText(rmc.time).text, I62_CharText(rmc.status).text,
                           I62_PositionText(rmc.position).text, I62_FloatText(rmc.sog, "%5.3f").text,
                           I62_FloatText(rmc.cog, "%4.2f").text, dateText(rmc.date).text,
                           I62_FloatText(rmc.variation, "%4.2f").text, I62_CharText(rmc.variationDir).text,
                           I62_CharText(rmc.mode).text, navStatus.text);
}

// GBS: $--GBS,hhmmss.ss,x.x,x.x,x.x,xx,x.x,x.x,x.x
bool I62_FMT_GBS_Compose(char* destination, const I61162_Data_Structure* record, std::size_t size)
{
    if (record == nullptr)
        return false;
    const I62_GBS& gbs = record->fields.gbs;
    return I62_ComposeText(destination, size, "$%s%s,%s,%s,%s,%s,%s,%s,%s,%s", record->talker, record->formatter,
                           I62_TimeText(gbs.time).text, I62_FloatText(gbs.errLatitude, "%4.2f").text,
                           I62_FloatText(gbs.errLongitude, "%4.2f").text, I62_FloatText(gbs.errAltitude, "%4.2f").text,
                           I62_IntText(gbs.failedSat, "%02ld", I62_U8_EMPTY).text,
                           I62_FloatText(gbs.probability, "%4.2f").text, I62_FloatText(gbs.bias, "%4.2f").text,
                           I62_FloatText(gbs.biasDeviation, "%4.2f").text);
}

// GSA: $--GSA,a,x,xx,xx,xx,xx,xx,xx,xx,xx,xx,xx,xx,xx,x.x,x.x,x.x
bool I62_FMT_GSA_Compose(char* destination, const I61162_Data_Structure* record, std::size_t size)
{
    if (record == nullptr)
        return false;
    const I62_GSA& gsa = record->fields.gsa;
    char ids[GNSS_SAT_IDS * 4 + 1] = {};
    std::size_t used = 0;
    for (uint8_t id : gsa.satIds) {
        const I62_FIELD_TEXT t = u8Text(id, "%02ld");
        I62_ComposeText(ids + used, sizeof(ids) - used, "%s,", t.text);
        used += std::strlen(ids + used);
    }
    return I62_ComposeText(destination, size, "$%s%s,%s,%s,%s%s,%s,%s", record->talker, record->formatter,
                           I62_CharText(gsa.selectionMode).text, u8Text(gsa.fixMode, "%ld").text, ids,
                           I62_FloatText(gsa.pdop, "%4.2f").text, I62_FloatText(gsa.hdop, "%4.2f").text,
                           I62_FloatText(gsa.vdop, "%4.2f").text);
}

// ZDA: $--ZDA,hhmmss.ss,xx,xx,xxxx,xx,xx
bool I62_FMT_ZDA_Compose(char* destination, const I61162_Data_Structure* record, std::size_t size)
{
    if (record == nullptr)
        return false;
    const I62_ZDA& zda = record->fields.zda;
    return I62_ComposeText(
        destination, size, "$%s%s,%s,%s,%s,%s,%s,%s", record->talker, record->formatter, I62_TimeText(zda.time).text,
        u8Text(zda.day, "%02ld").text, u8Text(zda.month, "%02ld").text, I62_IntText(zda.year, "%04ld", -1).text,
        I62_IntText(static_cast<int8_t>(zda.zoneHours), "%02ld", static_cast<int8_t>(I62_U8_EMPTY)).text,
        u8Text(zda.zoneMinutes, "%02ld").text);
}
