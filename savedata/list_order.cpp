#include "savedata/list_order.h"

#include <algorithm>

namespace foalix::savedata {

bool listsBefore(const std::string& nameA, int rowA, const std::string& nameB, int rowB) {
    // UTF-8 byte order is code point order.
    const int byText = nameA.compare(nameB);
    return byText != 0 ? byText < 0 : rowA < rowB;
}

std::vector<int> inListOrder(const HorseTable& table, std::vector<int> rows) {
    std::sort(rows.begin(), rows.end(), [&table](int a, int b) {
        return listsBefore(table.row(a).name, a, table.row(b).name, b);
    });
    return rows;
}

}  // namespace foalix::savedata
