#pragma once

#include "print/print_job.h"
#include "support/temp_program_dir.h"

class StringGrid;

// The realistic statement of the screenshots and the golden statement files: the PRINT.INI
// of the realistic slip with a shape column of its own, a logo, the customer of the last
// slip, and three slips of November compiled into rows (each with its consumption tax).
// rows is the statement grid (13 columns); the job refers to it.
void fillRealisticStatement(TempProgramDir &dir, SlipPrintJob &job, StringGrid &rows);

// A statement grid of count item rows of one slip, numbered from 1, each of 1,000 yen.
void fillPlainStatement(SlipPrintJob &job, StringGrid &rows, int count);
