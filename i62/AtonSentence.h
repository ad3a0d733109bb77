#pragma once

#include "i62/I62Field.h"

#include <cstdint>

// Field layouts of the AtoN configuration sentences. Each carries a field-present mask: bit n
// is set when field n + 1 of the sentence was not empty. Empty numbers hold 0, empty texts "".
// Most end in a status flag, 'R' or 'C'.

constexpr int ATON_TEXT_SIZE = 34;

struct ATON_REF_POINT_DIMENSION
{
    uint8_t d;  // 6 bits
    uint8_t c;  // 6 bits
    uint16_t b; // 9 bits
    uint16_t a; // 9 bits
};

struct I62_AAR
{
    long mmsi;
    uint8_t u8Values1[4];
    uint16_t u16Value1;
    long longValue1;
    uint8_t u8Values2[3];
    uint16_t u16Value2;
    long longValue2;
    uint8_t status;
    uint16_t present;
};

struct I62_ACE
{
    long mmsi;
    uint8_t hexByte;
    uint16_t u16Value;
    uint8_t u8Values[3];
    char text[ATON_TEXT_SIZE];
    ATON_REF_POINT_DIMENSION dimension;
    uint8_t status;
    uint16_t present;
};

struct I62_ACF
{
    long mmsi;
    uint8_t u8Value1;
    I62_DEGREE position; // present only when all four position fields are given
    uint8_t u8Value2;
    uint8_t u8Values[7];
    uint8_t last;
    uint16_t present;
};

struct I62_AFB
{
    long mmsi;
    uint8_t u8Values[6];
    uint8_t status;
    uint16_t present;
};

struct I62_AFC
{
    long mmsi;
    char text[ATON_TEXT_SIZE];
    uint16_t present;
};

struct I62_AID
{
    long mmsi;
    uint8_t u8Value;
    long longValue;
    uint8_t character;
    uint8_t status;
    uint16_t present;
};

struct I62_AKE
{
    long mmsi;
    char text1[ATON_TEXT_SIZE];
    char text2[ATON_TEXT_SIZE];
    uint8_t status;
    uint16_t present;
};

struct I62_ARW
{
    long mmsi;
    uint8_t u8Values[5];
    uint8_t status;
    uint16_t present;
};

struct I62_MCR
{
    long mmsi;
    char text[ATON_TEXT_SIZE];
    uint8_t status;
    uint16_t present;
};

struct I62_MPR
{
    long mmsi;
    long longValues[5];
    char text[ATON_TEXT_SIZE];
    uint8_t status;
    uint16_t present;
};

struct I62_TSP
{
    long mmsi;
    uint8_t u8Values1[2];
    I62_UTC_TIME time;
    uint8_t u8Values2[7];
    uint8_t status;
    uint16_t present;
};

struct I62_VER
{
    uint8_t u8Values[3];
    char texts[7][ATON_TEXT_SIZE];
    uint16_t present;
};
