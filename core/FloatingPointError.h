#pragma once

#include <exception>

// The two floating-point failures a measurement can cause. They are ordinary C++
// exceptions: hardware traps stay off, because the window toolkit does not survive them.
class EFloatingPointError : public std::exception
{};

// A not-a-number value reached a comparison.
class EInvalidOp : public EFloatingPointError
{
public:
    const char* what() const noexcept override { return "Invalid floating point operation"; }
};

// A number's extended-precision product exceeded the largest finite extended value.
class EOverflow : public EFloatingPointError
{
public:
    const char* what() const noexcept override { return "Floating point overflow"; }
};
