#pragma once

#include "print/print_job.h"

class Statement;

// The sums of the statement as its receipt and its print layouts take them.
StatementReceiptValues statementReceiptValues(const Statement &statement);
