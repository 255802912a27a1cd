// The modified-sink seam: what a value's Set calls when it really changes, so the
// open document is marked modified. Without a sink (no document yet, or no front
// end at all) values are only stored.
#pragma once

class IModifiedSink {
public:
    virtual ~IModifiedSink() = default;
    virtual void SetModified() = 0;
};

// Installs the sink used from now on; nullptr means there is no document.
void SetModifiedSink(IModifiedSink* sink);
IModifiedSink* CurrentModifiedSink();
// Marks the document modified, when there is one.
void MarkDocumentModified();
