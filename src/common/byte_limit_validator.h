#pragma once

#include <QValidator>

// Refuses any text longer than a number of CP932 bytes, as a byte-limited text box does.
class ByteLimitValidator : public QValidator
{
public:
    ByteLimitValidator(int limit, QObject *parent);
    State validate(QString &input, int &position) const override;

private:
    int m_limit;
};
