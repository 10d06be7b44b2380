#pragma once

#include <optional>

// A field that may not have been given a value yet. Read as a number it is 0 until it is
// set; only code that asks isEmpty() tells "never set" from 0.
template <typename T>
class Variant
{
public:
    Variant() = default;
    Variant(T value) : value_(value) {}

    Variant& operator=(T value)
    {
        value_ = value;
        return *this;
    }

    operator T() const { return value_.value_or(T{}); }
    bool isEmpty() const { return !value_.has_value(); }

private:
    std::optional<T> value_;
};
