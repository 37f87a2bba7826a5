// The layouts that are built, one line each: the LayoutId (layout_registry.h) and the
// function of the layout's own source file that makes it, which the registry declares as
//   std::unique_ptr<Layout> FACTORY(const LayoutInput &input);
//
// A new layout family is its own source file(s), added to src/print/CMakeLists.txt: a
// Layout class (layout.h) that draws with LayoutPainter, the page blocks and, for slips,
// SlipItemTable, and its factory function; plus its line here. The print commands then
// reach it through makeLayout() and runLayout(), and layoutAvailable() reports it.
//
// Included only by layout_registry.cpp.
MIRAVO_LAYOUT(FiveRowSlip, makeFiveRowSlipLayout)
MIRAVO_LAYOUT(SevenRowSlip, makeSevenRowSlipLayout)
MIRAVO_LAYOUT(Slip24Rows, makeSlip24RowsLayout)
MIRAVO_LAYOUT(Slip36Rows, makeSlip36RowsLayout)
MIRAVO_LAYOUT(Receipt, makeReceiptLayout)
MIRAVO_LAYOUT(SmallReceipt, makeSmallReceiptLayout)
MIRAVO_LAYOUT(Envelope, makeEnvelopeLayout)
MIRAVO_LAYOUT(LongEnvelope, makeLongEnvelopeLayout)
MIRAVO_LAYOUT(StatementForm1, makeStatementForm1Layout)
MIRAVO_LAYOUT(StatementForm2, makeStatementForm2Layout)
