#include "statement/statement_receipt_values.h"

#include "statement/statement.h"

StatementReceiptValues statementReceiptValues(const Statement &statement)
{
    return {statement.amountSum,   statement.taxSum,    statement.compiledTax,
            statement.compiledNet, statement.inclusive, statement.byRate};
}
