// The layouts that are built, one line each: the LayoutId and the function of the layout's
// own source file that makes it, declared by the registry as
//   std::unique_ptr<Layout> FACTORY(const LayoutInput &input);
// Included only by layout_registry.cpp.
MIRAVO_LAYOUT(FiveRowSlip, makeFiveRowSlipLayout)
MIRAVO_LAYOUT(SevenRowSlip, makeSevenRowSlipLayout)
