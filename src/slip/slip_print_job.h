#pragma once

#include "print/slip_layouts.h"

class Slip;

// The slip as the print commands hand it to a layout: its header and options, its item grid
// and the calculation settings printing needs, with the window's logo and the captions of
// the last two slip kinds. The job refers to the slip's grid; the slip must outlive it.
SlipPrintJob slipPrintJob(const Slip &slip, const QImage &logo, const SlipKindCaptions &captions);
