// The lookup and the table fill, the only work the program does per click and at start-up.
// Run: build/release/bench/bench_lookup
#include "data/builtinrecords.h"
#include "data/chaxun.h"

#include <benchmark/benchmark.h>
#include <memory>

namespace {

std::unique_ptr<ResultTable> filledTable()
{
    auto table = std::make_unique<ResultTable>();
    assignRecords501To1117(*table);
    assignRecords1To500(*table);
    return table;
}

void lookUpRecord(benchmark::State &state, int record)
{
    const auto table = filledTable();
    const QString sfzh = table->sfzh[static_cast<std::size_t>(record)];
    const QString zkzh = table->zkzh[static_cast<std::size_t>(record)];
    for (auto _ : state) {
        benchmark::DoNotOptimize(chaxun(*table, sfzh, zkzh));
    }
}

void BM_chaxunHitFirst(benchmark::State &state)
{
    lookUpRecord(state, ResultTable::firstRecord);
}
BENCHMARK(BM_chaxunHitFirst);

void BM_chaxunHitLast(benchmark::State &state)
{
    lookUpRecord(state, ResultTable::lastRecord);
}
BENCHMARK(BM_chaxunHitLast);

// A miss with numbers of the right length, so that every record costs two full comparisons:
// the worst case a user can cause.
void BM_chaxunMiss(benchmark::State &state)
{
    const auto table = filledTable();
    const QString sfzh = table->sfzh[1];
    const QString zkzh = table->zkzh[2];
    for (auto _ : state) {
        benchmark::DoNotOptimize(chaxun(*table, sfzh, zkzh));
    }
}
BENCHMARK(BM_chaxunMiss);

void BM_fillTable(benchmark::State &state)
{
    for (auto _ : state) {
        state.PauseTiming();
        auto table = std::make_unique<ResultTable>();
        state.ResumeTiming();
        assignRecords501To1117(*table);
        assignRecords1To500(*table);
        benchmark::DoNotOptimize(table->cj[1]);
        state.PauseTiming();
        table.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_fillTable);

} // namespace

BENCHMARK_MAIN();
