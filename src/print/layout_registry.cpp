#include "layout_registry.h"

#define MIRAVO_LAYOUT(id, factory) std::unique_ptr<Layout> factory(const LayoutInput &input);
#include "layout_list.h"
#undef MIRAVO_LAYOUT

namespace {

struct Registration
{
    LayoutId id;
    std::unique_ptr<Layout> (*make)(const LayoutInput &input);
};

const Registration registrations[] = {
#define MIRAVO_LAYOUT(id, factory) {LayoutId::id, &factory},
#include "layout_list.h"
#undef MIRAVO_LAYOUT
};

const Registration *registration(LayoutId id)
{
    for (const Registration &r : registrations) {
        if (r.id == id)
            return &r;
    }
    return nullptr;
}

} // namespace

std::unique_ptr<Layout> makeLayout(LayoutId id, const LayoutInput &input)
{
    const Registration *r = registration(id);
    return r ? r->make(input) : nullptr;
}

bool layoutAvailable(LayoutId id)
{
    return registration(id) != nullptr;
}

bool runLayoutOf(LayoutId id, const LayoutInput &input, const PrintTarget &target)
{
    const std::unique_ptr<Layout> layout = makeLayout(id, input);
    return layout && runLayout(*layout, target, input.state);
}

std::optional<LayoutId> slipLayoutId(int prnS)
{
    switch (prnS) {
    case 0:
        return LayoutId::FiveRowSlip;
    case 1:
        return LayoutId::SevenRowSlip;
    case 2:
        return LayoutId::Slip24Rows;
    case 3:
        return LayoutId::Slip36Rows;
    default:
        return std::nullopt;
    }
}

bool layoutAvailable(int prnS)
{
    const std::optional<LayoutId> id = slipLayoutId(prnS);
    return id && layoutAvailable(*id);
}
