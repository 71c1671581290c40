// The whole load — roster, link and ability lookups, decoders, names — on arbitrary
// slot contents. Only a finished load may come out, or the reader's own errors.
#include <cstdint>
#include <cstdlib>

#include "fuzz/sparse_slot.h"
#include "savedata/memory_slot.h"
#include "savedata/roster_loader.h"
#include "savedata/run_time_error.h"

using namespace foalix::savedata;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const MemorySlot slot("fuzz", foalix::fuzz::fromSparse(data, size));
    HorseTable table;
    const LoadResult result = Load_Horses(slot, {}, table);
    if (result.status != LoadStatus::Loaded) {
        // A slot that does not load lists nothing and leaves the table alone.
        if (!result.listedRows.empty() || !result.total.empty() || !(table == HorseTable{})) {
            std::abort();
        }
        return 0;
    }
    for (int row : result.listedRows) {
        const HorseEntry& entry = table.row(row);
        for (const auto& field : kHorseFields) {
            // Every decoded field is exactly one character: 1 to 3 bytes of UTF-8.
            const std::string& text = entry.*field.member;
            if (text.empty() || text.size() > 3) {
                std::abort();
            }
        }
    }
    return 0;
}
