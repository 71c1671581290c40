#include "cli/overview_command.h"

#include "cli/dump_command.h"
#include "cli/roster_options.h"
#include "savedata/overview.h"

namespace foalix::cli {

using namespace savedata;

namespace {

constexpr const char* kDescription =
    "Counts the values of the foals of one Galvaro save slot that the window lists (those\n"
    "--ages and --where choose): for each of the fourteen fields, how many foals hold each\n"
    "of its values, every value of the field's scale given, zeros too; with --weights or\n"
    "--profile, how their scores spread, by tens. The save file is only read.";

constexpr const char* kFooter =
    "Exit status as foalix-dump's (`foalix-dump --help`).\n"
    "JSON: {\"foals\": N, \"fields\": {\"Grade\": {\"S\": n, \"A\": n, \"B\": n, \"C\": n, \"D\": "
    "n},\n"
    "\"SP\": {...}, ...}}, keys as in foalix-dump's JSON, graded values best first; with a\n"
    "profile also \"score\": {\"0-9\": n, ..., \"90-100\": n, \"none\": n}.\n"
    "CSV: field,value,count, a record per value (score bands as the field score).";

std::string bandName(int band) {
    return std::to_string(band * 10) + "-" + std::to_string(band == 9 ? 100 : band * 10 + 9);
}

void writeOverview(std::ostream& out, Format format, const Overview& overview) {
    if (format == Format::Json) {
        nlohmann::ordered_json fields = nlohmann::ordered_json::object();
        for (const FieldOverview& field : overview.fields) {
            nlohmann::ordered_json counts = nlohmann::ordered_json::object();
            for (const ValueCount& value : field.counts) {
                counts[value.value] = value.count;
            }
            fields[field.field->key] = std::move(counts);
        }
        nlohmann::ordered_json document{{"foals", overview.foals}, {"fields", std::move(fields)}};
        if (overview.scores) {
            nlohmann::ordered_json scores = nlohmann::ordered_json::object();
            for (int band = 0; band < 10; ++band) {
                scores[bandName(band)] = overview.scores->at(static_cast<std::size_t>(band));
            }
            scores["none"] = overview.unscored;
            document["score"] = std::move(scores);
        }
        writeJsonDocument(out, document);
        return;
    }
    std::vector<std::vector<std::string>> lines;
    for (const FieldOverview& field : overview.fields) {
        for (const ValueCount& value : field.counts) {
            lines.push_back({field.field->key, value.value, std::to_string(value.count)});
        }
    }
    if (overview.scores) {
        for (int band = 9; band >= 0; --band) {
            lines.push_back({"score", bandName(band),
                             std::to_string(overview.scores->at(static_cast<std::size_t>(band)))});
        }
        lines.push_back({"score", "none", std::to_string(overview.unscored)});
    }
    if (format == Format::Csv) {
        writeCsvRecord(out, {"field", "value", "count"});
        for (const auto& line : lines) {
            writeCsvRecord(out, line);
        }
        return;
    }
    // Text: a line per field, its caption then each value with its count.
    out << "Foals: " << overview.foals << '\n';
    std::vector<std::vector<std::string>> table;
    for (const FieldOverview& field : overview.fields) {
        std::vector<std::string> line{field.field->caption};
        for (const ValueCount& value : field.counts) {
            line.push_back(value.value + " " + std::to_string(value.count));
        }
        table.push_back(std::move(line));
    }
    if (overview.scores) {
        std::vector<std::string> line{"評分"};
        for (int band = 9; band >= 0; --band) {
            line.push_back(bandName(band) + " " +
                           std::to_string(overview.scores->at(static_cast<std::size_t>(band))));
        }
        line.push_back("none " + std::to_string(overview.unscored));
        table.push_back(std::move(line));
    }
    for (auto& line : table) {
        line.resize(12);
    }
    writeAligned(out, std::move(table));
}

}  // namespace

int runOverview(int argc, const char* const* argv, std::ostream& out, std::ostream& err) {
    RosterOptions options;
    CLI::App app(kDescription, "foalix-dump overview");
    app.footer(std::string(kFooter) + "\n" + kScoreHelp);
    LoadedFoals loaded;
    if (const auto status = parseAndLoadFoals(app, options, argc, argv, out, err, loaded)) {
        return *status;
    }
    // Scores spread only for a profile asked for, not one a --sort or --where chose.
    const bool scored = !options.weights.empty() || !options.profile.empty();
    writeOverview(
        out, options.outputFormat(),
        overviewOf(loaded.table, loaded.roster.rows, scored ? loaded.roster.profile : nullptr));
    return finished(out, err, 0);
}

}  // namespace foalix::cli
