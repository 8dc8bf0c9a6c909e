// What the ladder's finders share while they look at one board: its digit
// cells, and what the harder rungs make from it once and read in turn (the
// link graph, the forcing chains' scan, the sets of the almost locked sets)
// along with their scratch. One context serves one thread: a caller that
// works in parallel gives each thread its own. Kept from call to call it
// spares remaking what a board already had, and the large scratch with it.
#pragma once

#include <cstdint>
#include <memory>

#include "core/ladder/board.h"

namespace ga {

struct LinkGraph;
struct LinkGraphBuilder;
struct PropagationTrace;
struct ForcingScan;
struct AlsList;
struct AicSearch;

// Frees a part of the context; each is defined where its part is.
struct ContextPartDeleter {
    void operator()(LinkGraph* part) const;
    void operator()(LinkGraphBuilder* part) const;
    void operator()(PropagationTrace* part) const;
    void operator()(ForcingScan* part) const;
    void operator()(AlsList* part) const;
    void operator()(AicSearch* part) const;
};

// A part made when first needed, and the board it was made for (see
// SolvingContext::boardNumber).
template <typename Part>
struct ContextPart {
    std::unique_ptr<Part, ContextPartDeleter> part;
    uint64_t madeFor = 0;
};

class SolvingContext {
  public:
    SolvingContext();
    ~SolvingContext();
    SolvingContext(const SolvingContext&) = delete;
    SolvingContext& operator=(const SolvingContext&) = delete;

    // Turns to `board`: what was made for a board with other values or
    // candidates no longer counts.
    void lookAt(const LadderBoard& board);
    const LadderBoard& board() const { return board_; }
    const DigitCells& where() const { return where_; }
    // Grows by one each time lookAt turns to a different board; never 0.
    uint64_t boardNumber() const { return boardNumber_; }
    // True when `part` was made for the board looked at, else marks it made
    // for it (the caller then fills it).
    template <typename Part>
    bool current(ContextPart<Part>& part) {
        if (part.madeFor == boardNumber_) return true;
        part.madeFor = boardNumber_;
        return false;
    }

    // The board's strong and weak links, built when first asked.
    const LinkGraph& linkGraph();

    // The families' own parts, each made and filled by its family.
    ContextPart<LinkGraph> graph;
    ContextPart<LinkGraphBuilder> graphBuilder;
    ContextPart<PropagationTrace> trace;
    ContextPart<ForcingScan> forcingScan;
    ContextPart<AlsList> alsList;
    ContextPart<AicSearch> chainSearch;

  private:
    LadderBoard board_{};
    DigitCells where_;
    uint64_t boardNumber_ = 0;
};

}  // namespace ga
