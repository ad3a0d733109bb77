#include "i62/ProprietaryStore.h"

#include "i62/I62FieldValue.h"
#include "i62/I62Sentence.h"
#include "i62/I62Table.h"

#include <cstring>

PRI_DATA EXTPriData;

namespace {

constexpr long kMmsiMax = 999999999;
constexpr uint8_t kFrqValueMax = 10;
constexpr uint16_t kIdLimit = 1000;
constexpr uint16_t kLowWordEmpty = 0xFFFF;

using R = const I61162_Data_Structure&;
using S = PRI_DATA&;

void storeMid(R r, S s)
{
    s.mid = r.fields.pmid;
    s.midFlag[0] = s.mid.mmsi1 <= kMmsiMax ? 1 : 0;
    s.midFlag[1] = s.mid.mmsi2 <= kMmsiMax ? 1 : 0;
    s.midSubType = static_cast<uint8_t>(r.subType);
}

void storeBdy(R r, S s)
{
    s.bdy = r.fields.pbdy;
    s.bdyFlag = s.bdy.mmsi > kMmsiMax && s.bdy.value2 != 1 ? 0 : 1;
}

void storeTst(R r, S s)
{
    s.tst = r.fields.ptst;
    s.tstNumberFlag = s.tst.number < PRI_TST_LONG_EMPTY ? 1 : 0;
    s.tstCharFlag = s.tst.char2 >= 'A' && s.tst.char2 <= 'Z' ? 1 : 0;
    s.tstCodeFlag = (static_cast<unsigned>(s.tst.code) & kLowWordEmpty) != kLowWordEmpty ? 1 : 0;
}

void storeFrq(R r, S s)
{
    s.frq = r.fields.pfrq;
    s.frqFlag[0] = s.frq.value1 <= kFrqValueMax && s.frq.frequency1 < I62_MMSI_EMPTY ? 1 : 0;
    s.frqFlag[1] = s.frq.value2 <= kFrqValueMax && s.frq.frequency2 < I62_MMSI_EMPTY ? 1 : 0;
}

void storeBth(R r, S s)
{
    s.bth = r.fields.pbth;
    s.bthValuesFlag = 1;
    for (uint16_t value : s.bth.values) {
        if (value >= PRI_BTH_EMPTY)
            s.bthValuesFlag = 0;
    }
    s.bthTextFlag = s.bth.text[0] != '\0' ? 1 : 0;
}

// An empty id reads 999 and must not count as an id that came.
void storeDbg(R r, S s)
{
    s.dbg = r.fields.pdbg;
    for (int i = 0; i < PRI_DBG_PAIRS; ++i)
        s.dbgFlag[i] = s.dbg.id[i] < kIdLimit && s.dbg.id[i] != PRI_ID_EMPTY ? 1 : 0;
    s.dbgSubType = static_cast<uint8_t>(r.subType);
}

void storeTps(R r, S s)
{
    s.tps = r.fields.ptps;
    s.tpsFlag = static_cast<int16_t>(s.tps.value) >= 0 ? 1 : 0;
}

void storeMob(R r, S s)
{
    const I62_PMOB& mob = r.fields.pmob;
    std::memcpy(s.mob.ident, mob.ident, sizeof(s.mob.ident));
    s.mob.value = mob.value;
    s.mob.byte1 = mob.byte1;
    s.mob.byte2 = mob.byte2;
    s.mob.byte2Present = mob.byte2Present;
    if (mob.byteCount >= 1 && mob.byteCount <= PRI_MOB_BYTES) {
        std::memcpy(s.mob.bytes, mob.bytes, sizeof(s.mob.bytes));
        s.mob.byteCount = mob.byteCount;
    }
    s.mobFlag = 1;
}

void storeMrk(R r, S s)
{
    s.mrk = r.fields.pmrk;
    s.mrkFlag = 1;
}

void storeGbp(R r, S s)
{
    s.gbp = r.fields.pgbp;
    s.gbpFlag = 1;
}

struct SPriStore
{
    const char* formatter;
    void (*store)(R, S);
};

const SPriStore kPriStores[] = {
    {"MID", storeMid}, {"BDY", storeBdy}, {"TST", storeTst}, {"FRQ", storeFrq}, {"BTH", storeBth},
    {"DBG", storeDbg}, {"TPS", storeTps}, {"MOB", storeMob}, {"MRK", storeMrk}, {"GBP", storeGbp},
};

} // namespace

void StoreProprietaryData(const I61162_Data_Structure* record, PRI_DATA* store)
{
    if (record == nullptr || store == nullptr)
        return;
    if (const SPriStore* entry = I62_FindFormatter(kPriStores, record->formatter))
        entry->store(*record, *store);
}

void I62_ClearPriDataFlags(PRI_DATA* store)
{
    if (store == nullptr)
        return;
    std::memset(store->midFlag, 0, sizeof(store->midFlag));
    store->bdyFlag = 0;
    store->tstNumberFlag = 0;
    store->tstCharFlag = 0;
    store->tstCodeFlag = 0;
    std::memset(store->frqFlag, 0, sizeof(store->frqFlag));
    store->bthValuesFlag = 0;
    store->bthTextFlag = 0;
    std::memset(store->dbgFlag, 0, sizeof(store->dbgFlag));
    store->tpsFlag = 0;
    store->mobFlag = 0;
    store->mrkFlag = 0;
    store->gbpFlag = 0;
}
