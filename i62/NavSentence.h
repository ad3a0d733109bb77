#pragma once

// The query, RMA and WPL sentences.

struct I61162_Data_Structure;

bool I62_FMT_Q(char* sentence, I61162_Data_Structure* record);
bool I62_FMT_RMA(char* sentence, I61162_Data_Structure* record);
bool I62_FMT_WPL(char* sentence, I61162_Data_Structure* record);
