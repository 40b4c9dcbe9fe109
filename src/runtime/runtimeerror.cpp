#include "runtimeerror.h"

namespace rt {

RuntimeError::RuntimeError(int number, const QString &description)
    : std::runtime_error(description.toStdString())
    , m_number(number)
    , m_description(description)
{
}

QString ErrorDescription(int number)
{
    switch (number) {
    case err::InvalidCall:
        return QStringLiteral("Invalid procedure call or argument");
    case err::Overflow:
        return QStringLiteral("Overflow");
    case err::OutOfMemory:
        return QStringLiteral("Out of memory");
    case err::DivisionByZero:
        return QStringLiteral("Division by zero");
    case err::FileNotFound:
        return QStringLiteral("File not found");
    case err::InvalidPropertyValue:
        return QStringLiteral("Invalid property value");
    default:
        return QStringLiteral("Application-defined or object-defined error");
    }
}

void Raise(int number)
{
    throw RuntimeError(number, ErrorDescription(number));
}

void Raise(int number, const QString &description)
{
    throw RuntimeError(number, description);
}

} // namespace rt
