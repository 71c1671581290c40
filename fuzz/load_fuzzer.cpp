// The whole load — roster, link and ability lookups, decoders, names — on arbitrary
// slot contents. Only a finished load may come out, or the reader's own errors.
//
// An input is a change to one of the sample saves, so every run starts from full rosters
// and a fuzzer's few bytes land where the reader looks: a byte choosing the sample, then
// chunks of a region byte, a 2-byte little-endian number N, a length byte L and L bytes
// written at N's place in the region: the roster (N is a byte offset in it), the link or
// the ability table (N is an entry). Region 3 takes no bytes: it cuts or pads the file
// to N * 16 + L % 16 bytes.
//
// The changes are made to one buffer that lives as long as the fuzzer: allocating and
// freeing a save's size for every input (under the sanitizers) would cost far more
// than the load.
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "savedata/format.h"
#include "savedata/roster_loader.h"
#include "savedata/run_time_error.h"

using namespace foalix::savedata;

namespace {

std::vector<std::vector<Byte>> samples;

const std::vector<Byte>& changedSample(const Byte* data, std::size_t size) {
    // Large enough for the largest cut or pad, so it is never allocated again.
    static std::vector<Byte> file(0x10000 * 16);
    std::size_t at = 0;
    const auto take = [&](std::size_t n) {
        std::size_t value = 0;
        for (std::size_t i = 0; i < n && at < size; ++i, ++at) {
            value |= std::size_t{data[at]} << (8 * i);
        }
        return value;
    };
    const std::vector<Byte>& sample = samples[take(1) % samples.size()];
    file.assign(sample.begin(), sample.end());
    while (at < size) {
        const std::size_t region = take(1) % 4;
        const std::size_t n = take(2);
        const std::size_t length = take(1);
        const std::size_t starts[] = {kRosterOffset + n % (kRosterStride * kRosterRecords),
                                      kLinkOffset + n * kLinkStride,
                                      kAbilityOffset + n * kAbilityStride};
        if (region == 3) {
            file.resize(n * 16 + length % 16, 0);
            continue;
        }
        for (std::size_t i = 0; i < length && at < size; ++i, ++at) {
            if (starts[region] + i < file.size()) {
                file[starts[region] + i] = data[at];
            }
        }
    }
    return file;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    for (const auto& entry : std::filesystem::directory_iterator(FOALIX_SAMPLE_SAVEDATA)) {
        std::ifstream in(entry.path(), std::ios::binary);
        samples.emplace_back(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // The changed sample decoded where it lies, not copied again.
    HorseTable table;
    const LoadResult result = decodeSlot(changedSample(data, size), {}, table);
    // A slot that does not load lists nothing and leaves the table alone.
    if (result.status != LoadStatus::Loaded &&
        (!result.listedRows.empty() || !result.total.empty() || !(table == HorseTable{}))) {
        std::abort();
    }
    // Every decoded field is exactly one character: 1 to 3 bytes of UTF-8.
    for (int row : result.listedRows) {
        for (const auto& field : kHorseFields) {
            const std::size_t bytes = (table.row(row).*field.member).size();
            if (bytes == 0 || bytes > 3) {
                std::abort();
            }
        }
    }
    return 0;
}
