#pragma once

#include "common/tax_mode.h"
#include "slip/slip_arithmetic.h"

#include <QString>

struct SlipHeader;
class StringGrid;

// Estimate data files (".MRV", ".115"), read only. The header of a ".MRV" file has 20 lines,
// that of a ".115" file 27; of those only these are used:
//   1 customer name   4 title   15 "1": inclusive   16 "1": exempt (wins over 15)
//   18 rounding method 0 切り捨て, 1 切り上げ, 2 四捨五入
// Every further line is one item as comma text of at least 14 fields, of which 0, 1 and 7
// to 13 go to the item grid columns 0 to 8 (fields 2 to 6 are the estimate's own).
namespace EstimateFile {

inline constexpr int mrvHeaderLines = 20;
inline constexpr int headerLines115 = 27;

// How the estimate was calculated.
struct Methods
{
    TaxMode taxMode = TaxMode::Exclusive;
    int rounding = 0; // the number of line 18; only 0, 1 and 2 have a name
};

// The header length of the file at path, by its extension.
int headerLinesOf(const QString &path);

// Reads the estimate into a slip that was blanked before: NAME1, TITLE (then the title of
// the file name) and the item rows from row 1 on, the grid growing to hold them. Lines
// missing at the end read as empty. Throws IoError when the file cannot be read.
Methods read(const QString &path, SlipHeader &header, StringGrid &items);

// The message that tells the user the estimate was calculated differently from the slip
// on screen; empty when tax mode and rounding method both agree.
QString differenceMessage(const Methods &estimate, TaxMode slipTaxMode, RoundingMode rounding);

} // namespace EstimateFile
