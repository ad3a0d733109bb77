#pragma once

// The sentence library's three text outputs: a debug port, a second serial port and the
// sentence output. This program connects none of them, so by default they do nothing.

enum I62_OUTPORT : int { I62_OUTPORT_DEBUG = 0, I62_OUTPORT_USART1 = 1, I62_OUTPORT_SENTENCE = 2 };

// Where the outputs go; null (the default) drops every text.
using I62_OUTPORT_SINK = void (*)(I62_OUTPORT port, const char* text);
void I62_SetOutportSink(I62_OUTPORT_SINK sink);
// True when the outputs go somewhere: what is only made for them can be skipped otherwise.
bool I62_OutportConnected();

void AT91F_DBGU_Printk(const char* text);
void AT91F_USART1_Printk(const char* text);
void AT91F_I62DataOutport(const char* text);
