#include "cli/dump_output.h"

#include <algorithm>
#include <nlohmann/json.hpp>

#include "savedata/note_tags.h"
#include "savedata/text_width.h"

namespace foalix::cli {

using savedata::HorseEntry;
using savedata::kHorseFields;

namespace {

constexpr const char* kRowCaption = "No.";
constexpr const char* kNameCaption = "馬名";
constexpr const char* kTotalCaption = "共有：";
constexpr const char* kScoreCaption = "評分";

// A name as one line of the text table: control characters (line breaks, tabs, NUL)
// are shown escaped, so a name never breaks the table's lines or columns.
std::string escapedForText(const std::string& text) {
    constexpr char kHex[] = "0123456789ABCDEF";
    std::string shown;
    for (char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '\n') {
            shown += "\\n";
        } else if (c == '\r') {
            shown += "\\r";
        } else if (c == '\t') {
            shown += "\\t";
        } else if (byte < 0x20 || byte == 0x7F) {
            shown += {'\\', 'x', kHex[byte >> 4], kHex[byte & 0xF]};
        } else {
            shown += c;
        }
    }
    return shown;
}

}  // namespace

void writeAligned(std::ostream& out, std::vector<std::vector<std::string>> lines) {
    for (auto& line : lines) {
        for (auto& cell : line) {
            cell = escapedForText(cell);
        }
    }
    std::vector<std::size_t> widths(lines.empty() ? 0 : lines.front().size(), 0);
    for (const auto& line : lines) {
        for (std::size_t i = 0; i < line.size() && i < widths.size(); ++i) {
            widths[i] = std::max(widths[i], savedata::displayWidth(line[i]));
        }
    }
    for (const auto& line : lines) {
        std::string text;
        for (std::size_t i = 0; i < line.size() && i < widths.size(); ++i) {
            text += (i ? "  " : "") + savedata::padRight(line[i], widths[i]);
        }
        text.erase(text.find_last_not_of(' ') + 1);
        out << text << '\n';
    }
}

void writeText(std::ostream& out, const Roster& roster) {
    std::vector<std::vector<std::string>> lines;
    std::vector<std::string> header{kRowCaption, kNameCaption};
    for (const auto& field : kHorseFields) {
        header.emplace_back(field.caption);
    }
    if (roster.profile != nullptr) {
        header.emplace_back(kScoreCaption);
    }
    lines.push_back(header);
    for (int row : roster.rows) {
        lines.push_back(savedata::rosterCells(row, roster.table->row(row)));
        if (roster.profile != nullptr) {
            const auto score = savedata::scoreOf(roster.table->row(row), *roster.profile);
            lines.back().push_back(score ? std::to_string(*score) : "");
        }
    }
    writeAligned(out, std::move(lines));
    out << kTotalCaption << roster.total << '\n';
}

void writeJson(std::ostream& out, const Roster& roster) {
    nlohmann::ordered_json foals = nlohmann::ordered_json::array();
    for (int row : roster.rows) {
        foals.push_back(foalJson(row, roster.table->row(row)));
        foals.back()["starred"] = roster.starred.contains(row);
        const auto note = roster.notes.find(row);
        foals.back()["note"] =
            note != roster.notes.end() ? nlohmann::ordered_json(note->second) : nullptr;
        foals.back()["tags"] = note != roster.notes.end() ? savedata::tagsOf(note->second)
                                                          : std::vector<std::string>();
        if (roster.profile != nullptr) {
            const auto score = savedata::scoreOf(roster.table->row(row), *roster.profile);
            foals.back()["score"] = score ? nlohmann::ordered_json(*score) : nullptr;
        }
    }
    nlohmann::ordered_json document;
    document["file"] = roster.file;
    document["total"] = roster.total;
    document["count"] = roster.rows.size();
    document["foals"] = std::move(foals);
    writeJsonDocument(out, document);
}

nlohmann::ordered_json foalJson(int row, const HorseEntry& entry) {
    const std::vector<std::string> keys = savedata::rosterHeader();
    const std::vector<std::string> cells = savedata::rosterCells(row, entry);
    nlohmann::ordered_json foal;
    foal[keys[0]] = row;  // a number, where the other cells are text
    for (std::size_t i = 1; i < keys.size(); ++i) {
        foal[keys[i]] = cells[i];
    }
    return foal;
}

void writeJsonDocument(std::ostream& out, const nlohmann::ordered_json& document) {
    // A path that is not UTF-8 must not abort the output: its bad bytes become U+FFFD.
    out << document.dump(2, ' ', false, nlohmann::ordered_json::error_handler_t::replace) << '\n';
}

void write(std::ostream& out, Format format, const Roster& roster) {
    switch (format) {
        case Format::Text:
            writeText(out, roster);
            break;
        case Format::Csv:
            savedata::writeCsv(out, roster);
            break;
        case Format::Json:
            writeJson(out, roster);
            break;
    }
}

}  // namespace foalix::cli
