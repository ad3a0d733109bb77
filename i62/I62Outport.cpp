#include "i62/I62Outport.h"

namespace {

I62_OUTPORT_SINK s_sink = nullptr;

void put(I62_OUTPORT port, const char* text)
{
    if (s_sink != nullptr && text != nullptr)
        s_sink(port, text);
}

} // namespace

void I62_SetOutportSink(I62_OUTPORT_SINK sink)
{
    s_sink = sink;
}

bool I62_OutportConnected()
{
    return s_sink != nullptr;
}

void AT91F_DBGU_Printk(const char* text)
{
    put(I62_OUTPORT_DEBUG, text);
}

void AT91F_USART1_Printk(const char* text)
{
    put(I62_OUTPORT_USART1, text);
}

void AT91F_I62DataOutport(const char* text)
{
    put(I62_OUTPORT_SENTENCE, text);
}
