#include "byte_limit_validator.h"

#include "sjis.h"

ByteLimitValidator::ByteLimitValidator(int limit, QObject *parent)
    : QValidator(parent)
    , m_limit(limit)
{}

QValidator::State ByteLimitValidator::validate(QString &input, int &) const
{
    return Sjis::byteLength(input) <= m_limit ? Acceptable : Invalid;
}
