// A sealed lookup at the program's work factor against the one key derivation it must cost: the
// user should wait for nothing but the work an attacker must also do.
// Run: build/release/bench/bench_sealed
#include "data/recordlookup.h"
#include "tests/data/bothtables.h"

#include <algorithm>
#include <benchmark/benchmark.h>
#include <openssl/evp.h>
#include <string>
#include <vector>

namespace {

// Record 1 sealed as the packer seals it, at the program's work factor.
const SealedTable &programTable()
{
    static const SealedRecords sealed(1, sealing::defaultIterations, sealing::randomSalt());
    return sealed.table;
}

void lookUp(benchmark::State &state, int sfzhRecord, int zkzhRecord)
{
    const std::u16string sfzh = at(plainTable().sfzh, sfzhRecord);
    const std::u16string zkzh = at(plainTable().zkzh, zkzhRecord);
    for (auto _ : state) {
        benchmark::DoNotOptimize(findRecord(programTable(), sfzh, zkzh));
    }
}

void BM_sealedHit(benchmark::State &state)
{
    lookUp(state, 1, 1);
}

void BM_sealedMiss(benchmark::State &state)
{
    lookUp(state, 1, 2);
}

// OpenSSL's PBKDF2 alone, with a password as long as a pair's and the table's salt and work
// factor.
void BM_pbkdf2Reference(benchmark::State &state)
{
    const SealedTable &table = programTable();
    const std::string password(4 + 18 + 4 + 11, '7');
    unsigned char key[32];
    for (auto _ : state) {
        PKCS5_PBKDF2_HMAC(password.data(), static_cast<int>(password.size()), table.salt.data(),
            static_cast<int>(table.salt.size()), static_cast<int>(table.iterations), EVP_sha256(),
            sizeof key, key);
        benchmark::DoNotOptimize(key);
    }
}

// The fastest of several repetitions as well as the mean: on a shared machine other work only
// ever adds time.
double fastest(const std::vector<double> &times)
{
    return *std::min_element(times.begin(), times.end());
}

} // namespace

BENCHMARK(BM_sealedHit)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(5)
    ->Repetitions(5)
    ->ComputeStatistics("min", fastest);
BENCHMARK(BM_sealedMiss)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(5)
    ->Repetitions(5)
    ->ComputeStatistics("min", fastest);
BENCHMARK(BM_pbkdf2Reference)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(5)
    ->Repetitions(5)
    ->ComputeStatistics("min", fastest);
BENCHMARK_MAIN();
