#pragma once

#include "print/slip_layouts.h"
#include "support/temp_program_dir.h"

class StringGrid;

// The realistic slip of the screenshots and the golden layout files: a PRINT.INI with the
// company block, bank lines and a shape column, a logo, the customer and twelve item rows,
// every kind checked. items is the job's grid (12 × 31).
void fillRealisticSlip(TempProgramDir &dir, SlipPrintJob &job, StringGrid &items);

// A logo bitmap made for a 600 dpi printer: about 15 × 6 mm.
QImage sampleLogo();

// The realistic slip with thirty item rows, for the 24- and 36-row layouts.
void fillRealisticLongSlip(TempProgramDir &dir, SlipPrintJob &job, StringGrid &items);
