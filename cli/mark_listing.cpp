#include "cli/mark_listing.h"

#include "cli/dump_output.h"
#include "cli/kept_history.h"
#include "savedata/roster_csv.h"

namespace foalix::cli {
namespace {

// A value as one cell: a time in local time on the text output, in seconds in CSV; a list's
// items apart by spaces; a text's lines apart by " / " on the text output, whose lines are
// the foals'.
std::string cellOf(const nlohmann::ordered_json& value, MarkColumnKind kind, bool text) {
    switch (kind) {
        case MarkColumnKind::Time:
            return text ? localTime(value.get<std::int64_t>())
                        : std::to_string(value.get<std::int64_t>());
        case MarkColumnKind::List: {
            std::string joined;
            for (const auto& item : value) {
                joined += (joined.empty() ? "" : " ") + item.get<std::string>();
            }
            return joined;
        }
        case MarkColumnKind::Text:
            break;
    }
    std::string cell = value.get<std::string>();
    if (text) {
        for (std::size_t at = cell.find('\n'); at != std::string::npos; at = cell.find('\n', at)) {
            const bool crlf = at > 0 && cell[at - 1] == '\r';
            cell.replace(crlf ? at - 1 : at, crlf ? 2 : 1, " / ");
        }
    }
    return cell;
}

}  // namespace

void writeMarkedFoals(std::ostream& out, Format format, const std::string& file,
                      const char* listKey, const std::vector<MarkColumn>& columns,
                      const std::vector<MarkedFoal>& foals) {
    if (format == Format::Json) {
        nlohmann::ordered_json list = nlohmann::ordered_json::array();
        for (const MarkedFoal& foal : foals) {
            nlohmann::ordered_json item{{"save_folder", foal.saveFolder},
                                        {"slot", foal.slot},
                                        {"row", foal.record},
                                        {"name", foal.name}};
            for (std::size_t i = 0; i < columns.size(); ++i) {
                item[columns[i].key] = foal.values.at(i);
            }
            list.push_back(std::move(item));
        }
        writeJsonDocument(out, {{"history", file}, {listKey, std::move(list)}});
        return;
    }
    const bool text = format == Format::Text;
    std::vector<std::vector<std::string>> lines{
        text ? std::vector<std::string>{"Save folder", "Slot", "No.", "馬名"}
             : std::vector<std::string>{"save_folder", "slot", "row", "name"}};
    for (const MarkColumn& column : columns) {
        lines.front().emplace_back(text ? column.caption : column.key);
    }
    for (const MarkedFoal& foal : foals) {
        lines.push_back(
            {foal.saveFolder, std::to_string(foal.slot), std::to_string(foal.record), foal.name});
        for (std::size_t i = 0; i < columns.size(); ++i) {
            lines.back().push_back(cellOf(foal.values.at(i), columns[i].kind, text));
        }
    }
    if (text) {
        writeAligned(out, std::move(lines));
        return;
    }
    for (const auto& line : lines) {
        savedata::writeCsvRecord(out, line);
    }
}

}  // namespace foalix::cli
