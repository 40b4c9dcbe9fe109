// Floating-point flags as run-time errors: which faults raise which error, and what a clear forgets.
#include "runtime/floatingpoint.h"
#include "runtime/runtimeerror.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>

namespace {

// Operands are volatile so the compiler neither folds the operation nor moves it past the flag calls.
volatile double Zero = 0;
volatile double One = 1;
volatile double MinusOne = -1;
volatile double Largest = DBL_MAX;
volatile double Smallest = DBL_MIN;
volatile double Result = 0;

// The error number raised by the flags after the operation, 0 for none.
int ErrorAfter(void (*operation)())
{
    rt::ClearFloatingPointFlags();
    operation();
    try {
        rt::RaiseOnFloatingPointFlags();
    } catch (const rt::RuntimeError &e) {
        return e.number();
    }
    return 0;
}

TEST(FloatingPointFlags, FaultsRaiseTheirError)
{
    struct Row
    {
        const char *name;
        void (*operation)();
        int error;
    };
    const Row rows[] = {
        {"ordinary sum", [] { Result = One + One; }, 0},
        {"inexact", [] { Result = One / 3.0; }, 0},
        {"underflow", [] { Result = Smallest * Smallest; }, 0},
        {"overflow", [] { Result = Largest * 60.0; }, rt::err::Overflow},
        {"zero by zero is invalid", [] { Result = Zero / Zero; }, rt::err::Overflow},
        {"root of a negative is invalid", [] { Result = std::sqrt(MinusOne); }, rt::err::Overflow},
        {"division by zero", [] { Result = One / Zero; }, rt::err::DivisionByZero},
        {"fault, then clean arithmetic", [] { Result = One / Zero; Result = One + One; }, rt::err::DivisionByZero},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(ErrorAfter(row.operation), row.error);
    }
}

TEST(FloatingPointFlags, ClearForgetsEarlierFaults)
{
    Result = One / Zero;
    Result = Largest * 2.0;
    rt::ClearFloatingPointFlags();
    EXPECT_NO_THROW(rt::RaiseOnFloatingPointFlags());
}

} // namespace
