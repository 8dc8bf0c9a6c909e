#include "generator/made_to_order.h"

#include <algorithm>
#include <cstring>
#include <random>

#include "core/translation.h"
#include "generator/quick_solver.h"

namespace ga {

namespace {

// The cell a clue mirrors onto under the symmetry (itself when none).
int mirrorOf(int cell, ClueSymmetry symmetry) {
    const int row = rowOf(cell), column = columnOf(cell);
    switch (symmetry) {
        case ClueSymmetry::kNone:
            return cell;
        case ClueSymmetry::kCentral:
            return kCells - 1 - cell;
        case ClueSymmetry::kDiagonal:
            return column * 9 + row;
        case ClueSymmetry::kMirror:
            return row * 9 + (8 - column);
    }
    return cell;
}

// A set of cells, one bit each.
struct CellMask {
    uint64_t low = 0, high = 0;
    void add(int cell) { (cell < 64 ? low : high) |= uint64_t{1} << (cell & 63); }
    void remove(int cell) { (cell < 64 ? low : high) &= ~(uint64_t{1} << (cell & 63)); }
    bool has(int cell) const { return ((cell < 64 ? low : high) >> (cell & 63)) & 1; }
    bool meets(const CellMask& other) const {
        return ((low & other.low) | (high & other.high)) != 0;
    }
};

CellMask cluesOf(const GridValues clues) {
    CellMask mask;
    for (int cell = 0; cell < kCells; ++cell)
        if (clues[cell] != 0) mask.add(cell);
    return mask;
}

// The answers other than the puzzle's that the searches met, each kept as the
// cells where it differs from the puzzle's answer. Clues that hold none of
// those cells let that answer through: they have two answers, and no search
// is needed to tell. Clues only go while digging, so an answer once met
// lets more and more sets of clues through.
class OtherAnswers {
  public:
    const CellMask& remember(const GridValues answer, const uint8_t* other) {
        CellMask& differ = differ_[next_];
        differ = CellMask{};
        for (int cell = 0; cell < kCells; ++cell)
            if (other[cell] != answer[cell]) differ.add(cell);
        next_ = (next_ + 1) % kRemembered;
        count_ = std::min(count_ + 1, kRemembered);
        return differ;
    }
    // An answer the clues let through, as the cells where it differs.
    const CellMask* letThrough(const CellMask& clues) const {
        for (int i = 0; i < count_; ++i)
            if (!differ_[i].meets(clues)) return &differ_[i];
        return nullptr;
    }

  private:
    static constexpr int kRemembered = 64;
    CellMask differ_[kRemembered];
    int count_ = 0, next_ = 0;
};

// Whether the clues (`held` names their cells) have an answer other than
// `answer`. The clues are those of a puzzle with one answer less the clues of
// `cells`, so another answer differs from it in one of them. `differ`, when
// given, receives the cells where the other answer differs.
bool otherAnswer(const GridValues clues, const CellMask& held, const GridValues answer,
                 const int* cells, int count, OtherAnswers& others, CellMask* differ = nullptr) {
    // Most clues of a full grid are told by their peers alone: no search then.
    int untold[4], untoldCount = 0;
    for (int i = 0; i < count; ++i) {
        uint16_t seen = 0;
        for (uint8_t peer : kPeerCells.of[cells[i]])
            if (clues[peer] != 0) seen |= static_cast<uint16_t>(1u << (clues[peer] - 1));
        if (__builtin_popcount(seen) != 8) untold[untoldCount++] = cells[i];
    }
    if (untoldCount == 0) return false;
    if (const CellMask* met = others.letThrough(held)) {
        if (differ != nullptr) *differ = *met;
        return true;
    }
    uint8_t other[kCells];
    for (int i = 0; i < untoldCount; ++i) {
        if (!quickAnswerWithout(clues, untold[i], answer[untold[i]], other)) continue;
        const CellMask& met = others.remember(answer, other);
        if (differ != nullptr) *differ = met;
        return true;
    }
    return false;
}

// The cells of the orbit of `cell` under the symmetry: 1 or 2.
int orbitOf(int cell, ClueSymmetry symmetry, int* cells) {
    const int mirror = mirrorOf(cell, symmetry);
    cells[0] = cell;
    cells[1] = mirror;
    return mirror == cell ? 1 : 2;
}

// Takes clues away in a random order while the answer stays the only one.
void makeMinimal(std::mt19937_64& random, ClueSymmetry symmetry, const GridValues answer,
                 GridValues clues, OtherAnswers& others) {
    int order[kCells];
    for (int cell = 0; cell < kCells; ++cell) order[cell] = cell;
    for (int i = kCells - 1; i > 0; --i)
        std::swap(order[i], order[random() % static_cast<unsigned>(i + 1)]);
    CellMask held = cluesOf(clues);
    for (int cell : order) {
        if (clues[cell] == 0 || mirrorOf(cell, symmetry) < cell) continue;  // each orbit once
        int cells[2];
        const int count = orbitOf(cell, symmetry, cells);
        uint8_t kept[2];
        for (int i = 0; i < count; ++i) {
            kept[i] = clues[cells[i]];
            clues[cells[i]] = 0;
            held.remove(cells[i]);
        }
        if (!otherAnswer(clues, held, answer, cells, count, others)) continue;
        for (int i = 0; i < count; ++i) {
            clues[cells[i]] = kept[i];
            held.add(cells[i]);
        }
    }
}

LadderRating rate(const PuzzleOrder& order, const GridValues clues, SolvingContext& context) {
    int32_t values[kCells];
    for (int cell = 0; cell < kCells; ++cell) values[cell] = clues[cell];
    LadderBoard board;
    loadLadderBoard(values, true, board);
    // A technique asked for bounds the rungs: a puzzle that needs a higher
    // one is not it, and the walk stops where the rungs end.
    const int highest = order.byTechnique ? techniqueInfo(order.technique).rung : kHighestRung;
    return rateWithLadder(board, context, highest);
}

// How many puzzles are made near one that came close before a new grid is drawn.
constexpr int kNeighbourTries = 100;

// Whether a rated puzzle that is not what the order asks is close to it: its
// way uses the technique asked for (but also a harder one of its rung), or,
// for a puzzle of a new grid, its hardest step is of that rung. The puzzles
// that differ from it in a clue or two are then several times likelier to be
// what is asked than a new grid's.
bool isNear(const PuzzleOrder& order, const LadderRating& rating, bool fromNewGrid) {
    if (!order.byTechnique) return false;
    const int rung = techniqueInfo(order.technique).rung;
    if (rung <= 1) return false;
    return rating.counts[static_cast<int>(order.technique)] > 0 ||
           (fromNewGrid && rating.solved && rating.hardest != Technique::kNone &&
            techniqueInfo(rating.hardest).rung == rung);
}

// A minimal puzzle of the same answer near `near`: one of its clues (an
// orbit under the symmetry) goes, clues of the answer where the other answers
// that lets in differ take its place until the answer is the only one again,
// and the result is made minimal. False when that takes too many clues.
bool makeNeighbour(std::mt19937_64& random, ClueSymmetry symmetry, const GridValues answer,
                   const GridValues near, GridValues clues, OtherAnswers& others) {
    std::memcpy(clues, near, kCells);
    int given[kCells], givenCount = 0;
    for (int cell = 0; cell < kCells; ++cell)
        if (near[cell] != 0 && mirrorOf(cell, symmetry) >= cell) given[givenCount++] = cell;
    if (givenCount == 0) return false;
    int taken[2];
    const int takenCount =
        orbitOf(given[random() % static_cast<unsigned>(givenCount)], symmetry, taken);
    for (int i = 0; i < takenCount; ++i) clues[taken[i]] = 0;
    CellMask differ;
    for (int added = 0;
         otherAnswer(clues, cluesOf(clues), answer, taken, takenCount, others, &differ); ++added) {
        if (added == 4) return false;
        int open[kCells], openCount = 0;
        for (int cell = 0; cell < kCells; ++cell) {
            if (clues[cell] == 0 && cell != taken[0] && cell != taken[takenCount - 1] &&
                differ.has(cell))
                open[openCount++] = cell;
        }
        if (openCount == 0) return false;
        int orbit[2];
        const int count =
            orbitOf(open[random() % static_cast<unsigned>(openCount)], symmetry, orbit);
        for (int i = 0; i < count; ++i) clues[orbit[i]] = answer[orbit[i]];
    }
    makeMinimal(random, symmetry, answer, clues, others);
    return true;
}

}  // namespace

std::string whyNoPuzzleMeets(const PuzzleOrder& order) {
    if (!order.byTechnique) return "";
    const TechniqueInfo& info = techniqueInfo(order.technique);
    // A Full House fills the last open cell of a unit, so a way of Full
    // Houses alone starts with eight clues in a unit, and each step needs the
    // same again: such puzzles keep far more clues than a minimal one can.
    if (order.technique == Technique::kFullHouse && !order.techniqueAnywhere)
        return translate("Order", "no minimal puzzle is solved by Full Houses alone");
    if (order.byLevel && order.level < info.level)
        return filled(translate("Order", "a puzzle that needs %1 is %2 or harder"),
                      {shownTechniqueName(order.technique), shownLevelName(info.level)});
    return "";
}

bool meetsOrder(const PuzzleOrder& order, const LadderRating& rating) {
    if (order.byTechnique) {
        if (!rating.solved) return false;
        const bool used = order.techniqueAnywhere
                              ? rating.counts[static_cast<int>(order.technique)] > 0
                              : rating.hardest == order.technique;
        if (!used) return false;
    }
    if (order.byLevel && puzzleLevel(rating) != order.level) return false;
    if (order.byScore && (rating.score < order.lowestScore || rating.score > order.highestScore))
        return false;
    return true;
}

bool makeOrderedPuzzle(const PuzzleOrder& order, uint64_t seed, uint64_t index, long tryLimit,
                       OrderedPuzzle& made, const OrderProgress& goOn) {
    std::seed_seq seeds{static_cast<uint32_t>(seed), static_cast<uint32_t>(seed >> 32),
                        static_cast<uint32_t>(index), static_cast<uint32_t>(index >> 32)};
    std::mt19937_64 random(seeds);
    made = OrderedPuzzle{};
    // The puzzle near the order that the next tries change a little, and how
    // many tries it has left.
    uint8_t near[kCells];
    int nearTriesLeft = 0;
    OtherAnswers others;
    SolvingContext context;  // every try's rating on this thread shares it
    for (made.tries = 1; made.tries <= tryLimit; ++made.tries) {
        if (goOn && made.tries % 16 == 0 && !goOn(made.tries)) return false;
        const bool fromNewGrid = nearTriesLeft == 0;
        if (!fromNewGrid) {
            --nearTriesLeft;
            if (!makeNeighbour(random, order.symmetry, made.answer, near, made.clues, others))
                continue;
        } else {
            quickRandomGrid(random, made.answer);
            others = OtherAnswers{};
            std::memcpy(made.clues, made.answer, kCells);
            makeMinimal(random, order.symmetry, made.answer, made.clues, others);
        }
        made.rating = rate(order, made.clues, context);
        if (meetsOrder(order, made.rating)) {
            made.level = puzzleLevel(made.rating);
            return true;
        }
        if (isNear(order, made.rating, fromNewGrid)) {
            std::memcpy(near, made.clues, kCells);
            nearTriesLeft = kNeighbourTries;
        }
    }
    return false;
}

}  // namespace ga
