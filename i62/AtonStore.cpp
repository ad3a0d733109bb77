#include "i62/AtonStore.h"

#include "i62/I62Sentence.h"
#include "i62/I62Table.h"

AtoN_sentence_data EXTAtoNData;

namespace {

using R = const I61162_Data_Structure&;
using S = AtoN_sentence_data&;

const I62_STORE_ENTRY<AtoN_sentence_data> kAtonStores[] = {
    {"AAR", [](R r, S s) { s.aar = r.fields.aar; }, &AtoN_sentence_data::aarPresent},
    {"ACE", [](R r, S s) { s.ace = r.fields.ace; }, &AtoN_sentence_data::acePresent},
    {"ACF", [](R r, S s) { s.acf = r.fields.acf; }, &AtoN_sentence_data::acfPresent},
    {"AFB", [](R r, S s) { s.afb = r.fields.afb; }, &AtoN_sentence_data::afbPresent},
    {"AFC", [](R r, S s) { s.afc = r.fields.afc; }, &AtoN_sentence_data::afcPresent},
    {"AID", [](R r, S s) { s.aid = r.fields.aid; }, &AtoN_sentence_data::aidPresent},
    {"AKE", [](R r, S s) { s.ake = r.fields.ake; }, &AtoN_sentence_data::akePresent},
    {"ARW", [](R r, S s) { s.arw = r.fields.arw; }, &AtoN_sentence_data::arwPresent},
    {"MCR", [](R r, S s) { s.mcr = r.fields.mcr; }, &AtoN_sentence_data::mcrPresent},
    {"MPR", [](R r, S s) { s.mpr = r.fields.mpr; }, &AtoN_sentence_data::mprPresent},
    {"TSP", [](R r, S s) { s.tsp = r.fields.tsp; }, &AtoN_sentence_data::tspPresent},
    {"VER", [](R r, S s) { s.ver = r.fields.ver; }, &AtoN_sentence_data::verPresent},
};

} // namespace

void StoreAtoNData(const I61162_Data_Structure* record, AtoN_sentence_data* store)
{
    if (record == nullptr || store == nullptr)
        return;
    I62_StoreByTable(kAtonStores, *record, record->formatter, *store);
}
