#include "savedata/roster_csv.h"

namespace foalix::savedata {
namespace {

std::string csvField(const std::string& cell) {
    const std::string text = asSpreadsheetText(cell);
    if (text.find_first_of(",\"\r\n") == std::string::npos) {
        return text;
    }
    std::string quoted = "\"";
    for (char c : text) {
        quoted += c;
        if (c == '"') {
            quoted += '"';
        }
    }
    return quoted + "\"";
}

}  // namespace

void writeCsvRecord(std::ostream& out, const std::vector<std::string>& fields) {
    for (std::size_t i = 0; i < fields.size(); ++i) {
        out << (i ? "," : "") << csvField(fields[i]);
    }
    out << "\r\n";
}

std::string asSpreadsheetText(const std::string& cell) {
    const bool formula =
        cell.size() > 1 && std::string_view("=+-@\t\r").find(cell[0]) != std::string_view::npos;
    return formula ? "'" + cell : cell;
}

std::vector<std::string> rosterHeader() {
    std::vector<std::string> header{"row", "name"};
    for (const auto& field : kHorseFields) {
        header.emplace_back(field.key);
    }
    return header;
}

std::vector<std::string> rosterCells(int row, const HorseEntry& entry) {
    std::vector<std::string> line{std::to_string(row), entry.name};
    for (const auto& field : kHorseFields) {
        line.push_back(entry.*field.member);
    }
    return line;
}

void writeCsv(std::ostream& out, const Roster& roster) {
    std::vector<std::string> header = rosterHeader();
    header.emplace_back("starred");
    header.emplace_back("note");
    if (roster.profile != nullptr) {
        header.emplace_back("score");
    }
    writeCsvRecord(out, header);
    for (int row : roster.rows) {
        std::vector<std::string> cells = rosterCells(row, roster.table->row(row));
        cells.emplace_back(roster.starred.contains(row) ? "1" : "");
        const auto note = roster.notes.find(row);
        cells.emplace_back(note != roster.notes.end() ? note->second : std::string());
        if (roster.profile != nullptr) {
            const auto score = scoreOf(roster.table->row(row), *roster.profile);
            cells.emplace_back(score ? std::to_string(*score) : "");
        }
        writeCsvRecord(out, cells);
    }
    std::vector<std::string> total(header.size());
    total[0] = "total";
    total[1] = roster.total;
    writeCsvRecord(out, total);
}

}  // namespace foalix::savedata
