#pragma once

#include "i62/AisSentenceStore.h"
#include "i62/AtonStore.h"
#include "i62/GpsStore.h"
#include "i62/LongRangeSentence.h"
#include "i62/ProprietaryStore.h"
#include "i62/SensorStore.h"

// Read-back: the fields of a record filled from the store of its group, the reverse of the
// stores, so that a sentence can be composed from what the library holds.

struct I61162_Data_Structure;

// Fills the record's fields for its formatter from the store of the formatter's group; the
// record's talker and formatter must be set. Formatters without a reader leave it as it was.
void I62_ReadData(I61162_Data_Structure* record);

// The group readers; each fills only the formatters it knows.
void I62_ReadGPSData(I61162_Data_Structure* record, GPS_Data port);
void I62_ReadSensorData(I61162_Data_Structure* record, GNSS_Data store);
void I62_ReadLRngData(I61162_Data_Structure* record, LRng_Data store);
void I62_ReadAISData(I61162_Data_Structure* record, AIS_Data store);
void I62_ReadDSCData(I61162_Data_Structure* record, DSC_Data store);
void I62_ReadPriData(I61162_Data_Structure* record, PRI_DATA store);
void I20_ReadAtoNData(I61162_Data_Structure* record, AtoN_sentence_data store);
