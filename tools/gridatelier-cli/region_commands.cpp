#include "tools/gridatelier-cli/region_commands.h"

#include <cstdio>
#include <memory>

#include "core/regions.h"

namespace ga::cli {
namespace {

struct RegionOptions {
    int level = 0;
    int count = 0;
    int maxCells = 0;
    std::string csvPath;
};

int runRegions(const CLI::App& sub, Session& session, const RegionOptions& options) {
    // Refused here, before the file is created, so that bad values leave no trace.
    if (const char* problem =
            regionRequestProblem(options.level, options.count, options.maxCells)) {
        return reportUsageError(sub, problem);
    }
    if (session.progress) session.progress->setLabel("searching regions:");

    const RegionRequest request{options.csvPath.c_str(), options.level, options.count,
                                options.maxCells};
    int found = 0;
    const int result = recordRegions(request, session.meter, &found);
    if (result == kCsvOpenFailed) {
        std::fprintf(stderr, "%s\n", kCsvOpenFailedText);
        return kExitFailed;
    }
    if (result != kRecordWritten) {
        std::fprintf(stderr, "gridatelier-cli: the region search refused its values (%d)\n",
                     result);
        return kExitFailed;
    }
    std::printf("%d\n", found);
    return std::fflush(stdout) == 0 ? kExitOk : kExitFailed;
}

}  // namespace

void addRegionCommands(CLI::App& app, Session& session, CommandList& commands) {
    CLI::App* sub = app.add_subcommand(
        "regions", "Record the regions of multi answer of a random answer in a CSV file");
    sub->footer(
        "Prints the number of regions found. The file (CR LF line ends) holds the answer as\n"
        "nine lines of \"d,\" fields, an empty line, \"record is N\", then one line per region,\n"
        "smallest first: its cells, zeros up to --max entries, then its size.");
    auto options = std::make_shared<RegionOptions>();
    sub->add_option("--level", options->level,
                    "difficulty level 0-4 (Practice to Advanced) whose clue scattering is used")
        ->required();
    sub->add_option("--count", options->count, "regions to search for (around 2000 at most)")
        ->required();
    sub->add_option("--max", options->maxCells, "the most cells a region may have (4-36)")
        ->required();
    sub->add_option("--csv", options->csvPath, "the CSV file to write (replaced if it exists)")
        ->required();
    commands.push_back({sub,
                        [sub, &session, options] { return runRegions(*sub, session, *options); },
                        [] { return std::string("regions ") + kDrawsOnRandomStream; }});
}

}  // namespace ga::cli
