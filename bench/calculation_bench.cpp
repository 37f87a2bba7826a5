#include "slip/calculation.h"
#include "slip/string_grid.h"

#include <benchmark/benchmark.h>

namespace {

// An item grid with every row filled the way a typed slip looks: fractional quantities,
// prices with decimals, cost prices, now and then a tax-exempt row.
std::unique_ptr<StringGrid> filledGrid(int itemRows)
{
    auto grid = std::make_unique<StringGrid>(12, itemRows + 1);
    for (int row = 1; row <= itemRows; ++row) {
        grid->setCell(0, row, QString::number(row));
        grid->setCell(2, row, QStringLiteral("品名%1").arg(row));
        grid->setCell(ItemColumn::exemptMark, row, row % 7 == 0 ? QStringLiteral("1") : QString());
        grid->setCell(ItemColumn::quantity, row, QString::number(1 + row % 13) + ".5");
        grid->setCell(ItemColumn::unitPrice, row, QString::number(100 + row % 997) + ".33");
        grid->setCell(ItemColumn::costPrice, row, QString::number(60 + row % 501) + ".25");
    }
    return grid;
}

void Keisan(benchmark::State &state)
{
    const int rows = int(state.range(0));
    auto grid = filledGrid(rows);
    Calculation calc;
    calc.settings.rounding = RoundingMode::RoundHalfUp;
    calc.settings.profitRate = true;
    for (auto _ : state) {
        const KeisanResult result = calc.Keisan(*grid, TaxMode::Inclusive);
        benchmark::DoNotOptimize(result);
    }
    state.SetItemsProcessed(state.iterations() * rows);
    state.SetComplexityN(rows);
}

} // namespace

BENCHMARK(Keisan)->Arg(30)->Arg(1000)->Arg(10000)->Unit(benchmark::kMicrosecond)->Complexity();

BENCHMARK_MAIN();
