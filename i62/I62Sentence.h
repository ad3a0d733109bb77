#pragma once

#include "i62/AisSentence.h"
#include "i62/AtonSentence.h"
#include "i62/GnssSentence.h"
#include "i62/I62Field.h"
#include "i62/LongRangeSentence.h"
#include "i62/ProprietarySentence.h"
#include "i62/SensorSentence.h"

#include <cstdint>

constexpr int I62_QUERY_FORMATTER_SIZE = 4;
constexpr int WPL_IDENT_SIZE = 21;

// A query: the formatter asked for.
struct I62_QUERY
{
    char formatter[I62_QUERY_FORMATTER_SIZE];
};

struct I62_RMA
{
    uint8_t status;
    I62_DEGREE position;
};

struct I62_WPL
{
    I62_DEGREE position;
    char ident[WPL_IDENT_SIZE];
};

// One received or composed sentence: its header and the fields of its family.
struct I61162_Data_Structure
{
    char start;
    char talker[3];
    char formatter[4];
    char subType; // the maker's sentences: the letter after the mnemonic; 0 otherwise
    uint8_t group;
    union {
        I62_ENCAP_SENTENCE encap;
        I62_ABK abk;
        I62_ACK ack;
        I62_ACA aca;
        I62_ACS acs;
        I62_AIR air;
        I62_ALR alr;
        I62_SSD ssd;
        I62_VSD vsd;
        I62_TXT txt;
        I62_GGA gga;
        I62_GLL gll;
        I62_GBS gbs;
        I62_GSA gsa;
        I62_GSV gsv;
        I62_RMC rmc;
        I62_VTG vtg;
        I62_ZDA zda;
        I62_DTM dtm;
        I62_GRS grs;
        I62_GST gst;
        I62_GNS gns;
        I62_HDT hdt;
        I62_HDG hdg;
        I62_ROT rot;
        I62_VBW vbw;
        I62_OSD osd;
        I62_RSD rsd;
        I62_TTM ttm;
        I62_TLB tlb;
        I62_AAR aar;
        I62_ACE ace;
        I62_ACF acf;
        I62_AFB afb;
        I62_AFC afc;
        I62_AID aid;
        I62_AKE ake;
        I62_ARW arw;
        I62_MCR mcr;
        I62_MPR mpr;
        I62_TSP tsp;
        I62_VER ver;
        I62_PMID pmid;
        I62_PBDY pbdy;
        I62_PTST ptst;
        I62_PFRQ pfrq;
        I62_PBTH pbth;
        I62_PDBG pdbg;
        I62_PTPS ptps;
        I62_PMOB pmob;
        I62_PMRK pmrk;
        I62_PGBP pgbp;
        I62_AIQ aiq;
        I62_SMG smg;
        I62_LRI lri;
        I62_LRF lrf;
        I62_LR1 lr1;
        I62_LR2 lr2;
        I62_LR3 lr3;
        I62_DSC dsc;
        I62_DSE dse; // DSE and DSR
        I62_DSI dsi;
        I62_QUERY query;
        I62_RMA rma;
        I62_WPL wpl;
    } fields;
};
