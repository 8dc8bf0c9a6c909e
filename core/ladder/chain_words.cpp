#include "core/ladder/chain_words.h"

#include "core/words.h"

namespace ga {

namespace {

// Characters, not bytes: the arrows and "≠" take three bytes each.
int characterCount(const std::string& text) {
    int count = 0;
    for (unsigned char byte : text) count += (byte & 0xc0) != 0x80;
    return count;
}

}  // namespace

std::string chainNodeText(const ChainNode& node) {
    std::string name;
    if (node.cellCount == 1) {
        name = cellName(node.cells[0]);
    } else {
        // The cells of a grouped node share a row or a column: "r1c12", "r12c1".
        std::string rows, columns;
        for (int i = 0; i < node.cellCount; i++) {
            const std::string row = digitText(rowOf(node.cells[i]) + 1);
            const std::string column = digitText(columnOf(node.cells[i]) + 1);
            if (rows.find(row) == std::string::npos) rows += row;
            if (columns.find(column) == std::string::npos) columns += column;
        }
        name = "r" + rows + "c" + columns;
    }
    name += (node.on ? "=" : "≠") + digitText(node.value);
    return node.inner ? filled(translate("Hint", "%1 (by an inner chain)"), {name}) : name;
}

int chainTextBudget(StepWords words) {
    return words == StepWords::kWhole ? 1 << 20 : kChainTextBudget;
}

std::string chainText(const ChainNode* nodes, int count, int budget) {
    std::string text;
    int length = 0;
    for (int i = 0; i < count; i++) {
        const std::string node = chainNodeText(nodes[i]);
        const int added = characterCount(node) + (i > 0 ? 3 : 0);
        if (i > 0 && i + 1 < count && length + added > budget) {
            //: %1 the chain's first links, %2 how many are left out (always two or more)
            return filled(translate("Hint", "%1 → … (+%2 more links)"),
                          {text, std::to_string(count - i)});
        }
        text += (i > 0 ? " → " : "") + node;
        length += added;
    }
    return text;
}

}  // namespace ga
