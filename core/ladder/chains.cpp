// Rung 8: chains of strong and weak links. Simple colouring, X-Chains and
// XY-Chains are special chains with their own finders; the Alternating
// Inference Chain takes any strong and weak links, grouped nodes included.
//
// An AIC read from its start: if the start node is false, then through
// strong (at least one true) and weak (not both true) links in turn, the end
// node is true; so one of the two is true, and a candidate that cannot be
// true with either (it sees both) is false. Candidates in the start or end
// cell that see the other end are covered by the same rule, and a chain that
// comes back to its own start proves the start.
#include <cstring>

#include "core/bits.h"
#include "core/ladder/chain_words.h"
#include "core/ladder/families.h"
#include "core/ladder/ladder.h"
#include "core/ladder/link_graph.h"
#include "core/ladder/set_words.h"
#include "core/ladder/solving_context.h"

namespace ga {

namespace {

// Shorter chains are easier to follow; a chain of one strong link is a
// simpler technique's pattern.
constexpr int kMinLinks = 3;

}  // namespace

// The breadth-first search's scratch: a state is a node turned off (even) or
// on (odd). Reused across searches without clearing: `seenIn` holds the
// number of the search that last reached a state.
struct AicSearch {
    int16_t parent[LinkGraph::kMaxNodes * 2];
    uint8_t links[LinkGraph::kMaxNodes * 2];
    int seenIn[LinkGraph::kMaxNodes * 2];
    uint16_t queue[LinkGraph::kMaxNodes * 2];
    int search = 0;

    AicSearch() { std::memset(seenIn, 0, sizeof seenIn); }
};

void ContextPartDeleter::operator()(AicSearch* part) const {
    delete part;
}

namespace {

struct FoundChain {
    int links = 0;
    int16_t states[kMaxChainNodes];  // from the start turned off to the end turned on
    int stateCount = 0;
    uint16_t eliminations[kCells];
};

// What the nodes `start` and `end` exclude together: one of them is true.
bool commonExclusions(const LinkGraph& graph, const DigitCells& where, int start, int end,
                      uint16_t* eliminations) {
    bool any = false;
    std::memset(eliminations, 0, sizeof(uint16_t) * kCells);
    for (int value = 1; value <= 9; value++) {
        const CellSet hit =
            where.of[value] & graph.excludes(start, value) & graph.excludes(end, value);
        for (int cell : cellsOf(hit)) {
            eliminations[cell] = static_cast<uint16_t>(eliminations[cell] | bitOfValue(value));
            any = true;
        }
    }
    return any;
}

// The shortest chain from `start` (turned off) to a node turned on that
// excludes something with it, no longer than `maxLinks`.
bool searchFrom(const LinkGraph& graph, const DigitCells& where, int start, int maxLinks,
                AicSearch& scratch, FoundChain& found) {
    const int search = ++scratch.search;
    int head = 0, tail = 0;
    const int first = start * 2;
    scratch.seenIn[first] = search;
    scratch.parent[first] = -1;
    scratch.links[first] = 0;
    scratch.queue[tail++] = static_cast<uint16_t>(first);
    while (head < tail) {
        const int state = scratch.queue[head++];
        const int node = state / 2, links = scratch.links[state];
        if (links >= maxLinks) break;
        const bool on = state & 1;
        const int from = on ? graph.weakStart[node] : graph.strongStart[node];
        const int to = on ? graph.weakStart[node + 1] : graph.strongStart[node + 1];
        const uint16_t* next = on ? graph.weak : graph.strong;
        for (int i = from; i < to; i++) {
            const int reached = next[i] * 2 + (on ? 0 : 1);
            if (scratch.seenIn[reached] == search) continue;
            scratch.seenIn[reached] = search;
            scratch.parent[reached] = static_cast<int16_t>(state);
            scratch.links[reached] = static_cast<uint8_t>(links + 1);
            scratch.queue[tail++] = static_cast<uint16_t>(reached);
            if (on || links + 1 < kMinLinks) continue;
            if (!commonExclusions(graph, where, start, next[i], found.eliminations)) continue;
            found.links = links + 1;
            found.stateCount = 0;
            int path[kMaxChainNodes + 1], length = 0;
            for (int at = reached; at >= 0 && length <= kMaxChainNodes; at = scratch.parent[at]) {
                path[length++] = at;
            }
            for (int k = length - 1; k >= 0 && found.stateCount < kMaxChainNodes; k--) {
                found.states[found.stateCount++] = static_cast<int16_t>(path[k]);
            }
            return true;
        }
    }
    return false;
}

}  // namespace

bool findAlternatingChain(const LadderBoard&, const DigitCells& where, SolvingContext& context,
                          LadderStep& step) {
    const LinkGraph& graph = context.linkGraph();
    auto& scratch = context.chainSearch.part;
    if (!scratch) scratch.reset(new AicSearch);
    FoundChain best, candidate;
    best.links = 0;
    int maxLinks = kMaxChainNodes - 1;
    for (int start = 0; start < graph.nodeCount; start++) {
        if (graph.strongCount(start) == 0) continue;
        if (!searchFrom(graph, where, start, maxLinks, *scratch, candidate)) continue;
        if (best.links == 0 || candidate.links < best.links) {
            best = candidate;
            maxLinks = best.links - 1;  // only a shorter chain replaces it
            if (best.links == kMinLinks) break;
        }
    }
    if (best.links == 0) return false;
    for (int i = 0; i < best.stateCount; i++) {
        const LinkNode& node = graph.nodes[best.states[i] / 2];
        ChainNode chainNode;
        chainNode.value = node.value;
        chainNode.on = best.states[i] & 1;
        chainNode.cellCount = node.cellCount;
        for (int c = 0; c < node.cellCount; c++) chainNode.cells[c] = node.cells3[c];
        step.addNode(chainNode);
        step.cells |= node.cells;
        step.values = static_cast<uint16_t>(step.values | bitOfValue(node.value));
    }
    for (int cell = 0; cell < kCells; cell++) step.eliminate(cell, best.eliminations[cell]);
    return true;
}

std::string describeAlternatingChain(const LadderStep& step, StepWords words) {
    const ChainNode& start = step.nodes[0];
    const ChainNode& end = step.nodes[step.nodeCount - 1];
    ChainNode startOn = start;
    startOn.on = true;
    const std::string startText = chainNodeText(startOn);
    const std::string endText = chainNodeText(end);
    const std::string either = endText != startText ? eitherOf(startText, endText) : startText;
    //: %1 the chain, %2 its start or its end (or both) holding the value, %3 what it removes
    return namedStep(step, filled(translate("Hint", "%1, so %2; %3"),
                                  {chainText(step.nodes, step.nodeCount, chainTextBudget(words)),
                                   either, ladderStepResult(step)}));
}

}  // namespace ga
