// The sealed lookup of the Windows edition (CNG) at the program's work factor: a hit at record 1,
// a miss, CNG's PBKDF2 alone at the same parameters, and the opening of one sealed box, each
// the median of several runs.
// Run under Wine: tests/win32/wine-run.sh --root build/windows/wine
//     build/windows/bench/win32/bench_sealed.exe [runs]
// Wine computes SHA-256 in its own code, slower than Windows' bcrypt: Windows itself is faster.
#include "data/platform/crypto.h"
#include "data/recordlookup.h"
#include "tests/data/bothtables.h"

#include <algorithm>
#include <cstdio>
#include <cwchar>
#include <functional>
#include <string>
#include <vector>
#include <windows.h>

namespace {

double milliseconds(const std::function<void()> &work)
{
    LARGE_INTEGER frequency;
    LARGE_INTEGER start;
    LARGE_INTEGER end;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&start);
    work();
    QueryPerformanceCounter(&end);
    return static_cast<double>(end.QuadPart - start.QuadPart) * 1000.0
        / static_cast<double>(frequency.QuadPart);
}

void report(const char *name, int runs, const std::function<void()> &work)
{
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        times.push_back(milliseconds(work));
    }
    std::sort(times.begin(), times.end());
    std::printf("%-20s median %.1f ms, fastest %.1f ms, slowest %.1f ms (%d runs)\n", name,
        times[times.size() / 2], times.front(), times.back(), runs);
}

} // namespace

int wmain(int argc, wchar_t *argv[])
{
    const int runs = argc > 1 ? std::max(1, _wtoi(argv[1])) : 11;
    const ResultTable &plain = plainTable();
    // Record 1 sealed as the packer seals it, at the program's work factor.
    const SealedRecords records(1, sealing::defaultIterations, sealing::randomSalt());
    const SealedTable &sealed = records.table;
    const std::u16string sfzh(plain.sfzh[1]);
    const std::u16string zkzh(plain.zkzh[1]);
    const std::u16string otherZkzh(plain.zkzh[2]);

    bool found = false;
    report("sealedHit", runs, [&] { found = findRecord(sealed, sfzh, zkzh).has_value(); });
    bool missed = false;
    report("sealedMiss", runs, [&] { missed = !findRecord(sealed, sfzh, otherZkzh).has_value(); });
    const std::vector<std::uint8_t> password(4 + 18 + 4 + 11, '7');
    report("pbkdf2Reference", runs,
        [&] { crypto::pbkdf2Sha256(password, sealed.salt, sealed.iterations); });
    // What a hit adds to a miss: opening one sealed box (here with a key that fails).
    report("gcmOpen", runs, [&] {
        crypto::aes256GcmOpen(crypto::AesKey {}, crypto::Nonce {}, sealed.records[1]->box);
    });
    std::printf("work factor %u; hit %s, miss %s\n", sealed.iterations,
        found ? "found" : "NOT FOUND", missed ? "missed" : "NOT MISSED");
    return found && missed ? 0 : 1;
}
