#pragma once

#include "print_job.h"
#include "print_preview.h"
#include "printer_device.h"

#include <QString>

// The itemized statement (合計請求明細書) printed over the rows of the statement grid: for
// every block of rows a statement image and its copy (控). Form 1 shows the purchases and
// their tax in one information box; form 2 ("[書式２号]=1") adds the previous billing, the
// payments received and the carried-over balance, and continues on lighter pages.

namespace StatementText {
inline QString invalidIssueDate()
{
    return QStringLiteral("請求書発行日が不正です。");
}
// The captions of the run's input boxes; each box asks "CAPTIONを入力してください。".
inline QString issueDateCaption()
{
    return QStringLiteral("請求書発行日");
}
inline QString periodCaption()
{
    return QStringLiteral("請求対象期間");
}
inline QString payDateCaption()
{
    return QStringLiteral("お支払予定日");
}
inline QString previousCaption()
{
    return QStringLiteral("前回ご請求額");
}
inline QString receivedCaption()
{
    return QStringLiteral("ご入金額");
}
} // namespace StatementText

// A typed value as the statement takes it: full-width digits, "－", "ー", "。" and "／" turned
// half-width ("ー" also becomes "-"), "," and "、" removed.
QString halfWidthNormalized(const QString &text);

// The issue date a typed text stands for: "2026/12/11" (or "2026-12-11", "2026年12月11日") or
// the era form "令和8年12月11日"; nothing for another text.
std::optional<QDate> statementIssueDate(const QString &text);

// The rows a page of a form holds (page counted from 1): form 1 34 on every page; form 2 31
// on its first page and 41 on each later one.
int statementRowsOnPage(bool form2, int pageNumber);
// The page total of the ページ cell for a statement whose last dated row is lastRow. Counted
// with each form's own rows per page, so that form 2 never shows more pages than its total;
// at least 1, as an empty statement still prints its first page.
int statementPageTotal(bool form2, int lastRow);

// The statement layouts by their names: the start-of-run questions (remembered in
// state.statement), the printer setup dialog, then the pages; the printer versions print,
// the PP_ twins record into the preview. True when the setup was confirmed and the pages
// drawn. The issue date becomes job.header.DTP1; copy it back to the window.
bool PRINT36_MEISAI(SlipPrintJob &job, PrinterDevice &printer, PrintRunState &state);
bool PP_PRINT36_MEISAI(SlipPrintJob &job, PrinterDevice &printer, TPrintPreview &preview,
                       PrintRunState &state);
bool PRINT36_MEISAI_2(SlipPrintJob &job, PrinterDevice &printer, PrintRunState &state);
bool PP_PRINT36_MEISAI_2(SlipPrintJob &job, PrinterDevice &printer, TPrintPreview &preview,
                         PrintRunState &state);
