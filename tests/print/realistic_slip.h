#pragma once

#include "print/slip_layouts.h"
#include "support/temp_program_dir.h"

#include <initializer_list>

class StringGrid;

// The realistic slip of the screenshots and the golden layout files: a PRINT.INI with the
// company block, bank lines and a shape column, a logo, the customer and twelve item rows,
// every kind checked. items is the job's grid (12 × 31).
void fillRealisticSlip(TempProgramDir &dir, SlipPrintJob &job, StringGrid &items);

// A logo bitmap made for a 600 dpi printer: about 15 × 6 mm.
QImage sampleLogo();

// The realistic slip with thirty item rows, for the 24- and 36-row layouts.
void fillRealisticLongSlip(TempProgramDir &dir, SlipPrintJob &job, StringGrid &items);

// The plain header of the layout tests: 山田商店 様, slip 1024 of 5 March 2026, no shape
// column, no kind checked.
void fillPlainHeader(SlipHeader &header);
// Checks exactly the slip kinds given (1 納品書 ... 6 見積依頼書).
void setSlipKinds(SlipHeader &header, std::initializer_list<int> kinds);
