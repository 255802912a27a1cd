#include "board/modified_sink.h"

namespace {
IModifiedSink* g_sink = nullptr;
} // namespace

void SetModifiedSink(IModifiedSink* sink)
{
    g_sink = sink;
}

IModifiedSink* CurrentModifiedSink()
{
    return g_sink;
}

void MarkDocumentModified()
{
    if (g_sink)
        g_sink->SetModified();
}
