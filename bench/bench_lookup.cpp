// The lookup and the table fill, the only work the program does per click and at start-up, and
// the floor any linear lookup stands on.
// Run: build/release/bench/bench_lookup
#include "data/builtinrecords.h"
#include "data/chaxun.h"

#include <benchmark/benchmark.h>
#include <cstring>
#include <memory>
#include <string>

namespace {

std::unique_ptr<ResultTable> filledTable()
{
    auto table = std::make_unique<ResultTable>();
    assignRecords501To1117(*table);
    assignRecords1To500(*table);
    return table;
}

void lookUp(benchmark::State &state, int sfzhRecord, int zkzhRecord)
{
    const auto table = filledTable();
    // Copies, as the window passes texts that do not live in the table.
    const std::u16string sfzh(table->sfzh[static_cast<std::size_t>(sfzhRecord)]);
    const std::u16string zkzh(table->zkzh[static_cast<std::size_t>(zkzhRecord)]);
    for (auto _ : state) {
        benchmark::DoNotOptimize(chaxun(*table, sfzh, zkzh));
    }
}

void BM_chaxunHitFirst(benchmark::State &state)
{
    lookUp(state, ResultTable::firstRecord, ResultTable::firstRecord);
}
BENCHMARK(BM_chaxunHitFirst);

void BM_chaxunHitLast(benchmark::State &state)
{
    lookUp(state, ResultTable::lastRecord, ResultTable::lastRecord);
}
BENCHMARK(BM_chaxunHitLast);

// A miss with numbers of the right length, so that every record costs two full comparisons:
// the worst case a user can cause.
void BM_chaxunMiss(benchmark::State &state)
{
    lookUp(state, 1, 2);
}
BENCHMARK(BM_chaxunMiss);

// The same key bytes as the miss compared with memcmp against both columns laid out as packed
// fixed-width arrays: no lengths, no views, nothing but the comparisons. No linear lookup can
// beat it by much, so chaxun is measured against it.
void BM_scanFloor(benchmark::State &state)
{
    const auto table = filledTable();
    std::u16string zkzhColumn;
    std::u16string sfzhColumn;
    for (int i = ResultTable::firstRecord; i <= ResultTable::lastRecord; ++i) {
        zkzhColumn += table->zkzh[static_cast<std::size_t>(i)];
        sfzhColumn += table->sfzh[static_cast<std::size_t>(i)];
    }
    const std::u16string sfzh(table->sfzh[1]);
    const std::u16string zkzh(table->zkzh[2]);
    constexpr std::size_t zkzhBytes = 11 * sizeof(char16_t);
    constexpr std::size_t sfzhBytes = 18 * sizeof(char16_t);
    for (auto _ : state) {
        int found = 0;
        for (std::size_t i = 0; i < ResultTable::lastRecord; ++i) {
            const bool ticketMatches
                = std::memcmp(zkzhColumn.data() + i * 11, zkzh.data(), zkzhBytes) == 0;
            const bool idMatches
                = std::memcmp(sfzhColumn.data() + i * 18, sfzh.data(), sfzhBytes) == 0;
            found += ticketMatches && idMatches ? 1 : 0;
        }
        benchmark::DoNotOptimize(found);
    }
}
BENCHMARK(BM_scanFloor);

void BM_fillTable(benchmark::State &state)
{
    // The program fills a fresh table; filling the same one again stores exactly the same, and
    // keeps the allocation and its page faults out of the figure.
    const auto table = std::make_unique<ResultTable>();
    for (auto _ : state) {
        assignRecords501To1117(*table);
        assignRecords1To500(*table);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_fillTable);

} // namespace

BENCHMARK_MAIN();
