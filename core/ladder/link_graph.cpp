#include "core/ladder/link_graph.h"

#include <cstring>

#include "core/bits.h"
#include "core/ladder/solving_context.h"

namespace ga {

namespace {

// A strong link is met once per unit it lives in; the build keeps each once.
constexpr int kMaxStrongPerNode = 8;

// The row or column part of a box: segment 0..2 the box's rows, 3..5 its columns.
CellSet segmentOf(int box, int segment) {
    const int boxRow = box / 3 * 3, boxColumn = box % 3 * 3;
    const int line = segment < 3 ? boxRow + segment : 9 + boxColumn + segment - 3;
    return unitSet(18 + box) & unitSet(line);
}

}  // namespace

struct LinkGraphBuilder {
    const DigitCells* where = nullptr;
    LinkGraph* graph = nullptr;
    int16_t groupNode[9][9][6];  // by value, box, segment: the grouped node, -1
    uint16_t strongOf[LinkGraph::kMaxNodes][kMaxStrongPerNode];
    uint8_t strongCountOf[LinkGraph::kMaxNodes];

    int addNode(CellSet cells, int value) {
        LinkNode& node = graph->nodes[graph->nodeCount];
        node.cells = cells;
        node.seenBy = commonPeers(cells);
        node.value = static_cast<uint8_t>(value + 1);
        node.cellCount = 0;
        for (int cell : cellsOf(cells)) node.cells3[node.cellCount++] = static_cast<uint8_t>(cell);
        strongCountOf[graph->nodeCount] = 0;
        return graph->nodeCount++;
    }

    // The node of `value` in exactly `cells` (one cell, or a box segment's places).
    int nodeOf(CellSet cells, int value) const {
        const int first = cells.first();
        if (cells.count() == 1) return graph->candidateNode[first][value];
        const int box = boxOf(first);
        for (int segment = 0; segment < 6; segment++) {
            if ((segmentOf(box, segment) & cells) == cells) return groupNode[value][box][segment];
        }
        return -1;
    }

    void addStrong(int a, int b) {
        if (a < 0 || b < 0 || a == b) return;
        for (int i = 0; i < strongCountOf[a]; i++) {
            if (strongOf[a][i] == b) return;
        }
        if (strongCountOf[a] == kMaxStrongPerNode || strongCountOf[b] == kMaxStrongPerNode) return;
        strongOf[a][strongCountOf[a]++] = static_cast<uint16_t>(b);
        strongOf[b][strongCountOf[b]++] = static_cast<uint16_t>(a);
    }

    // The places of a value in a unit split in two nodes: those two are strongly linked.
    void linkParts(CellSet places, const CellSet* parts, int partCount, int value) {
        CellSet found[2];
        int count = 0;
        for (int p = 0; p < partCount; p++) {
            const CellSet part = places & parts[p];
            if (part.empty()) continue;
            if (count == 2) return;
            found[count++] = part;
        }
        if (count == 2) addStrong(nodeOf(found[0], value), nodeOf(found[1], value));
    }

    void build(const LadderBoard& board) {
        graph->nodeCount = 0;
        std::memset(graph->candidateNode, 0xff, sizeof graph->candidateNode);
        std::memset(groupNode, 0xff, sizeof groupNode);
        for (int cell = 0; cell < kCells; cell++) {
            for (uint32_t mask = board.candidates[cell]; mask != 0; mask = withoutLowestBit(mask)) {
                const int value = lowestBitIndex(mask);
                graph->candidateNode[cell][value] =
                    static_cast<int16_t>(addNode(CellSet::of(cell), value));
            }
        }
        for (int value = 0; value < 9; value++) {
            for (int box = 0; box < 9; box++) {
                for (int segment = 0; segment < 6; segment++) {
                    const CellSet cells = where->of[value + 1] & segmentOf(box, segment);
                    if (cells.count() >= 2) {
                        groupNode[value][box][segment] =
                            static_cast<int16_t>(addNode(cells, value));
                    }
                }
            }
        }
        for (int cell = 0; cell < kCells; cell++) {
            const uint32_t mask = board.candidates[cell];
            if (countBits(mask) == 2) {
                addStrong(graph->candidateNode[cell][lowestBitIndex(mask)],
                          graph->candidateNode[cell][highestBitIndex(mask)]);
            }
        }
        for (int value = 0; value < 9; value++) {
            for (int unit = 0; unit < kUnits; unit++) {
                const CellSet places = where->of[value + 1] & unitSet(unit);
                if (places.count() < 2) continue;
                CellSet parts[3];
                if (unit < 18) {
                    for (int box = 0; box < 3; box++) {
                        const int boxUnit =
                            unit < 9 ? 18 + unit / 3 * 3 + box : 18 + box * 3 + (unit - 9) / 3;
                        parts[box] = unitSet(boxUnit);
                    }
                    linkParts(places, parts, 3, value);
                    continue;
                }
                for (int segment = 0; segment < 6; segment += 3) {
                    for (int p = 0; p < 3; p++) parts[p] = segmentOf(unit - 18, segment + p);
                    linkParts(places, parts, 3, value);
                }
            }
        }
        layOut();
    }

    void layOut() {
        int strongAt = 0, weakAt = 0;
        // Nodes with a strong link, by value: the only targets of weak links.
        uint16_t linked[9][LinkGraph::kMaxNodes / 9 + 64];
        int linkedCount[9] = {};
        for (int n = 0; n < graph->nodeCount; n++) {
            if (strongCountOf[n] > 0) {
                const int value = graph->nodes[n].value - 1;
                linked[value][linkedCount[value]++] = static_cast<uint16_t>(n);
            }
        }
        for (int n = 0; n < graph->nodeCount; n++) {
            graph->strongStart[n] = strongAt;
            for (int i = 0; i < strongCountOf[n]; i++) graph->strong[strongAt++] = strongOf[n][i];
            graph->weakStart[n] = weakAt;
            const LinkNode& node = graph->nodes[n];
            const int value = node.value - 1;
            for (int i = 0; i < linkedCount[value]; i++) {
                const int other = linked[value][i];
                const CellSet cells = graph->nodes[other].cells;
                if ((cells & node.seenBy) == cells && weakAt < LinkGraph::kMaxWeak) {
                    graph->weak[weakAt++] = static_cast<uint16_t>(other);
                }
            }
            if (node.cellCount != 1) continue;
            for (int other = 0; other < 9; other++) {
                const int16_t mate = graph->candidateNode[node.cells3[0]][other];
                if (other != value && mate >= 0 && strongCountOf[mate] > 0 &&
                    weakAt < LinkGraph::kMaxWeak) {
                    graph->weak[weakAt++] = static_cast<uint16_t>(mate);
                }
            }
        }
        graph->strongStart[graph->nodeCount] = strongAt;
        graph->weakStart[graph->nodeCount] = weakAt;
    }
};

void ContextPartDeleter::operator()(LinkGraphBuilder* part) const {
    delete part;
}

const LinkGraph& SolvingContext::linkGraph() {
    if (!graph.part) graph.part.reset(new LinkGraph);
    if (!current(graph)) {
        // The builder's scratch is large: it lives on the heap, once per context.
        if (!graphBuilder.part) graphBuilder.part.reset(new LinkGraphBuilder);
        graphBuilder.part->where = &where();
        graphBuilder.part->graph = graph.part.get();
        graphBuilder.part->build(board());
    }
    return *graph.part;
}

}  // namespace ga
