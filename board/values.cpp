#include "board/values.h"

#include "board/modified_sink.h"

void CValue::MarkModified()
{
    if (m_sink && *m_sink)
        (*m_sink)->SetModified();
}

void CBoolValue::Reset()
{
    value = defaultValue;
}

void CBoolValue::Set(uint8_t newValue)
{
    if (newValue == value)
        return;
    value = newValue;
    MarkModified();
}

void CBoolValue::Init(const uint8_t* initial)
{
    value = defaultValue = *initial;
}

uint8_t CBoolValue::Get() const
{
    return value;
}

void CIntValue::Reset()
{
    value = defaultValue;
}

void CIntValue::Set(int32_t newValue)
{
    if (newValue == value)
        return;
    value = newValue;
    MarkModified();
}

void CIntValue::Init(const IntRange* range)
{
    minimum = range->minimum;
    maximum = range->maximum;
    value = defaultValue = range->defaultValue;
}

int32_t CIntValue::Get() const
{
    return value;
}

int32_t CIntValue::GetMin() const
{
    return minimum;
}

int32_t CIntValue::GetMax() const
{
    return maximum;
}
