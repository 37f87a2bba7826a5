#include "slip_print_job.h"

#include "slip/slip.h"

SlipPrintJob slipPrintJob(const Slip &slip, const QImage &logo, const SlipKindCaptions &captions)
{
    SlipPrintJob job;
    job.header = slip.header;
    job.items = &slip.items();
    job.lastUsedRow = slip.lastUsedRow();
    job.logo = logo;
    job.captions = captions;
    job.roundingMode = int(slip.calc.settings.rounding);
    job.zeroPrint = slip.calc.settings.zeroPrint;
    job.taxRates = slip.calc.settings.rates;
    job.qualified = QualifiedInvoice::fromPrintIni();
    return job;
}
