#pragma once

#include "layout.h"
#include "layout_runner.h"
#include "print_job.h"

#include <memory>
#include <optional>

// Every printed document of the program. The slip layouts are numbered as the layout choice
// PRN_S (0 to 3); the others follow. Which of them are built is the list in layout_list.h.
enum class LayoutId {
    FiveRowSlip,    // PRINTA4, PRN_S 0
    SevenRowSlip,   // PRINT7, PRN_S 1
    Slip24Rows,     // PRINT24, PRN_S 2
    Slip36Rows,     // PRINT36, PRN_S 3
    StatementForm1, // PRINT36_MEISAI
    StatementForm2, // PRINT36_MEISAI_2 ("[書式２号]=1")
    Receipt,        // PRINT_RYOSYUU
    SmallReceipt,   // PRINT_RYOSYUU_S ("[領収証小]=1")
    Envelope,       // FUUTOU
    LongEnvelope,   // FUUTOU3 ("[封筒長形３号]=1")
};

// What a layout is made from: the slip the print commands hand over and the run state the
// main window keeps (its preview cancelled flag, and what receipts and statements remember
// from run to run).
struct LayoutInput
{
    SlipPrintJob &job;
    PrintRunState &state;
};

// The layout of id made for one run; nullptr when that layout is not built yet.
std::unique_ptr<Layout> makeLayout(LayoutId id, const LayoutInput &input);
bool layoutAvailable(LayoutId id);
// Makes the layout of id for the job and runs it against the target (runLayout). False
// when the layout is not built or the run stopped before drawing.
bool runLayoutOf(LayoutId id, const LayoutInput &input, const PrintTarget &target);

// The slip layout of a layout choice PRN_S (0 5 rows, 1 7 rows, 2 24 rows, 3 36 rows);
// nothing for another index.
std::optional<LayoutId> slipLayoutId(int prnS);
// Whether the slip layout of PRN_S can print: the window offers only those.
bool layoutAvailable(int prnS);
