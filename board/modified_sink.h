// The modified sink: what a record's value calls when it really changes, so the
// document holding the record is marked modified. A record without a sink (no
// document, or a record of its own for a comparison) only stores its values.
#pragma once

class IModifiedSink {
public:
    virtual ~IModifiedSink() = default;
    virtual void SetModified() = 0;
};
