#include "tools/gridatelier-cli/order_options.h"

#include <condition_variable>
#include <cstdio>
#include <map>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

#include "core/random.h"

namespace ga::cli {

// Minimal puzzles tried for one ordered puzzle before the order is taken as
// one no puzzle meets.
constexpr long kOrderTryLimit = 2000000;

std::string readOrder(const OrderOptions& options, PuzzleOrder& order) {
    if (options.levelOption->count() > 0) {
        order.byLevel = true;
        bool known = false;
        for (int level = 0; level < kPuzzleLevelCount; ++level) {
            if (options.level != levelName(static_cast<Level>(level))) continue;
            order.level = static_cast<Level>(level);
            known = true;
        }
        if (!known)
            return "--level " + options.level + ": not Easy, Medium, Hard, Fiendish or Extreme";
    }
    if (options.techniqueOption->count() > 0) {
        order.byTechnique = true;
        for (int t = 0; t < kTechniqueCount; ++t) {
            if (options.technique == techniqueInfo(static_cast<Technique>(t)).name)
                order.technique = static_cast<Technique>(t);
        }
        if (order.technique == Technique::kNone)
            return "--technique " + options.technique + ": not a technique of the ladder";
    }
    if (options.scoreOption->count() > 0) {
        order.byScore = true;
        char end = 0;
        if (std::sscanf(options.score.c_str(), "%d-%d%c", &order.lowestScore, &order.highestScore,
                        &end) != 2 ||
            order.lowestScore < 0 || order.highestScore < order.lowestScore)
            return "--score " + options.score + ": not a range A-B with 0 <= A <= B";
    }
    constexpr std::pair<const char*, ClueSymmetry> kSymmetries[] = {
        {"none", ClueSymmetry::kNone},
        {"central", ClueSymmetry::kCentral},
        {"diagonal", ClueSymmetry::kDiagonal},
        {"mirror", ClueSymmetry::kMirror}};
    bool known = false;
    for (const auto& [name, symmetry] : kSymmetries) {
        if (options.symmetry != name) continue;
        order.symmetry = symmetry;
        known = true;
    }
    if (!known) return "--symmetry " + options.symmetry + ": not none, central, diagonal or mirror";
    return "";
}

bool makeInOrder(const PuzzleOrder& order, uint64_t seed, int count, int jobs,
                 const std::function<bool(const OrderedPuzzle*)>& print) {
    if (jobs <= 1) {
        OrderedPuzzle made;
        for (int i = 0; i < count; ++i) {
            const bool ok =
                makeOrderedPuzzle(order, seed, static_cast<uint64_t>(i), kOrderTryLimit, made);
            if (!print(ok ? &made : nullptr) || !ok) return ok;
        }
        return true;
    }
    std::mutex mutex;
    std::condition_variable changed;
    std::map<int, std::unique_ptr<OrderedPuzzle>> done;  // made, not printed yet (null: gave up)
    int handedOut = 0, printed = 0;
    bool stop = false;
    const int ahead = 4 * jobs;  // how far the makers may run ahead of the printing
    auto maker = [&] {
        std::unique_lock<std::mutex> lock(mutex);
        for (;;) {
            changed.wait(lock,
                         [&] { return stop || handedOut >= count || handedOut < printed + ahead; });
            if (stop || handedOut >= count) return;
            const int index = handedOut++;
            lock.unlock();
            auto made = std::make_unique<OrderedPuzzle>();
            if (!makeOrderedPuzzle(order, seed, static_cast<uint64_t>(index), kOrderTryLimit,
                                   *made))
                made.reset();
            lock.lock();
            done[index] = std::move(made);
            changed.notify_all();
        }
    };
    std::vector<std::thread> makers;
    for (int j = 0; j < jobs; ++j) makers.emplace_back(maker);
    bool ok = true;
    {
        std::unique_lock<std::mutex> lock(mutex);
        while (printed < count && ok) {
            changed.wait(lock, [&] { return done.count(printed) > 0; });
            std::unique_ptr<OrderedPuzzle> made = std::move(done[printed]);
            done.erase(printed);
            lock.unlock();
            ok = print(made.get()) && made != nullptr;
            lock.lock();
            ++printed;
            changed.notify_all();
        }
        stop = true;
        changed.notify_all();
    }
    for (std::thread& thread : makers) thread.join();
    return ok;
}

void addOrderOptions(CLI::App* sub, OrderOptions& options) {
    options.levelOption = sub->add_option("--level", options.level,
                                          "made to order: Easy, Medium, Hard, Fiendish or Extreme")
                              ->type_name("LEVEL");
    options.techniqueOption =
        sub->add_option("--technique", options.technique,
                        "made to order: the hardest step, named as explain --ladder names it")
            ->type_name("NAME");
    options.scoreOption =
        sub->add_option("--score", options.score, "made to order: a rating score from A to B")
            ->type_name("A-B");
    options.symmetryOption =
        sub->add_option("--symmetry", options.symmetry,
                        "made to order: none, central, diagonal or mirror clues")
            ->capture_default_str();
}

uint64_t orderSeed() {
    return (uint64_t{nextRandom()} << 32) | nextRandom();
}

void reportOrderNotMet() {
    std::fprintf(stderr,
                 "gridatelier-cli: no puzzle met the order in %ld tries; it may be one no "
                 "puzzle meets\n",
                 kOrderTryLimit);
}

bool reportImpossibleOrder(const PuzzleOrder& order) {
    const std::string impossible = whyNoPuzzleMeets(order);
    if (impossible.empty()) return false;
    std::fprintf(stderr, "gridatelier-cli: no puzzle meets the order: %s\n", impossible.c_str());
    return true;
}

}  // namespace ga::cli
