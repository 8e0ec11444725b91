#include "packcheck.h"

#include "data/packed/packedlayout.h"
#include "data/packed/packedpayload.h"
#include "data/recordlookup.h"
#include "programimage.h"

#include <fstream>
#include <iterator>
#include <vector>

namespace {

// ID-card and ticket numbers are ASCII (the list's rules).
std::u16string widened(const std::string &ascii)
{
    return std::u16string(ascii.begin(), ascii.end());
}

std::vector<std::uint8_t> fileBytes(const std::filesystem::path &path)
{
    std::ifstream file(path, std::ios::binary);
    return std::vector<std::uint8_t>(std::istreambuf_iterator<char>(file), {});
}

} // namespace

bool packedProgramOpens(
    const std::filesystem::path &program, std::span<const sealing::PlainRecord> records)
{
    const std::vector<std::uint8_t> bytes = fileBytes(program);
    const std::optional<std::size_t> area = programimage::areaOffset(bytes);
    if (records.empty() || !area
        || bytes[*area + packedlayout::fuseOffset] != std::uint8_t {packedlayout::packed}) {
        return false;
    }
    const std::optional<sealing::SealedList> list = packedpayload::read(
        std::span(bytes).subspan(*area + packedlayout::payloadOffset, packedlayout::payloadBytes));
    if (!list) {
        return false;
    }
    const SealedTable table = packedpayload::tableOf(*list);
    const std::size_t last = records.size() - 1;
    for (const std::size_t i : {std::size_t {0}, last / 4, last / 2, last - last / 4, last}) {
        const sealing::PlainRecord &record = records[i];
        const std::optional<FoundRecord> found
            = findRecord(table, widened(record.sfzh), widened(record.zkzh));
        if (!found || found->xm != record.xm || found->cj != record.cj) {
            return false;
        }
    }
    return last == 0 || !findRecord(table, widened(records[0].sfzh), widened(records[last].zkzh));
}
