// What the player has played, per class: started, finished, finished
// without a hint or a solve, and the times of the finishes, kept as
// statistics.json in the player's data folder.
#pragma once

#include <map>
#include <string>
#include <vector>

namespace ga {

struct ClassStatistics {
    int started = 0, finished = 0, finishedWithoutHelp = 0;
    std::vector<int> times;     // seconds of each finish, oldest first; the last 1000 kept
    int bestSeconds() const;    // -1 when none
    int medianSeconds() const;  // -1 when none; of an even count the lower middle
};

struct Statistics {
    std::map<std::string, ClassStatistics> byClass;
};

void recordStart(Statistics& statistics, const std::string& className);
void recordFinish(Statistics& statistics, const std::string& className, int seconds,
                  bool withoutHelp);

// One JSON object, a member per class name, each an object with the keys
// started, finished, finishedWithoutHelp, bestSeconds, medianSeconds (null
// when none) and times.
std::string formatStatistics(const Statistics& statistics);
// False for anything that is not such a file (a foreign or damaged one).
bool parseStatistics(const std::string& json, Statistics& out);

struct StatisticsLoad {
    Statistics statistics;
    std::string notice;  // "" or one line for the player
};
// A missing file is no statistics yet; one that cannot be used is moved
// aside (never overwritten unseen), and the notice says where it went.
StatisticsLoad loadStatistics(const std::string& path);
bool saveStatistics(const std::string& path, const Statistics& statistics);

// "0:07", "12:34", "1:02:03".
std::string formatPlayedTime(long long seconds);

}  // namespace ga
