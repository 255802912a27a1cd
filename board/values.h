// Typed setting values: each knows its default and, for numbers, its permitted
// range. Set stores any value it is given (range checks belong to the edit
// controls) and marks the document modified when the value really changes.
#pragma once

#include <cstdint>

class IModifiedSink;

class CValue {
public:
    virtual ~CValue() = default;
    // The record's sink, told when the value really changes; none by default.
    void AttachSink(IModifiedSink* const* sink) { m_sink = sink; }

protected:
    void MarkModified();

private:
    IModifiedSink* const* m_sink = nullptr;
};

class CBoolValue : public CValue {
public:
    virtual void Reset();
    virtual void Set(uint8_t newValue);
    // value := default := *initial
    virtual void Init(const uint8_t* initial);
    virtual uint8_t Get() const;

    uint8_t value = 0;
    uint8_t defaultValue = 0;
};

// A range triple: minimum, maximum, default.
struct IntRange {
    int32_t minimum;
    int32_t maximum;
    int32_t defaultValue;
};

class CIntValue : public CValue {
public:
    virtual void Reset();
    virtual void Set(int32_t newValue);
    // Copies minimum and maximum; value := default := the triple's default.
    virtual void Init(const IntRange* range);
    virtual int32_t Get() const;
    virtual int32_t GetMin() const;
    virtual int32_t GetMax() const;

    int32_t value = 0;
    int32_t minimum = 0;
    int32_t maximum = 0;
    int32_t defaultValue = 0;
};
