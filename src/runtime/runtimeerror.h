// Run-time errors: raised by failed operations and arithmetic faults, ended and reported by the
// dispatcher so that the handler that raised one stops and the program goes on.
#pragma once

#include <QString>

#include <stdexcept>

namespace rt {

namespace err {
inline constexpr int InvalidCall = 5;
inline constexpr int Overflow = 6;
inline constexpr int OutOfMemory = 7;
inline constexpr int DivisionByZero = 11;
inline constexpr int FileNotFound = 53;
inline constexpr int InvalidPropertyValue = 380;
} // namespace err

class RuntimeError : public std::runtime_error
{
public:
    RuntimeError(int number, const QString &description);

    int number() const { return m_number; }
    const QString &description() const { return m_description; }

private:
    int m_number = 0;
    QString m_description;
};

// The runtime's own wording for a known error number.
QString ErrorDescription(int number);

// Raises the error with its standard description.
[[noreturn]] void Raise(int number);

// Raises the error with a description of the caller's own.
[[noreturn]] void Raise(int number, const QString &description);

} // namespace rt
