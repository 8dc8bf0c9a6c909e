#include "bench/puzzle_sets.h"

#include <cstdlib>
#include <fstream>

#include "core/checks.h"

namespace ga::bench {

std::string ownBenchSetPath() {
    return std::string(GRIDATELIER_SOURCE_DIR) + "/bench/data/bench_set.txt";
}

std::string publicDataDir() {
    const char* fromEnvironment = std::getenv("GRIDATELIER_PUBLIC_DATA");
    if (fromEnvironment && *fromEnvironment) return fromEnvironment;
    return std::string(GRIDATELIER_SOURCE_DIR) + "/../shared/data";
}

bool fileExists(const std::string& path) {
    return std::ifstream(path).good();
}

std::string setNameOf(const std::string& path) {
    const size_t slash = path.find_last_of('/');
    std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    const size_t dot = name.find_last_of('.');
    return dot == std::string::npos ? name : name.substr(0, dot);
}

AnswerClass answerClassOfFile(const std::string& path) {
    for (const PublicSet& set : kPublicSets) {
        if (setNameOf(path) == setNameOf(set.fileName)) return set.answers;
    }
    return AnswerClass::kUnknown;
}

AnswerClass answerClassOfGroup(const std::string& group) {
    if (group == "unique") return AnswerClass::kSingle;
    if (group == "none" || group == "hardnone") return AnswerClass::kNone;
    if (group == "few" || group == "multi" || group == "sparse") return AnswerClass::kSeveral;
    return AnswerClass::kUnknown;
}

AnswerClass answerClassOf(const LoadedPuzzle& puzzle, AnswerClass ofFile) {
    const AnswerClass ofGroup = answerClassOfGroup(puzzle.group);
    return ofGroup == AnswerClass::kUnknown ? ofFile : ofGroup;
}

int expectedSolvableResult(AnswerClass answers) {
    switch (answers) {
        case AnswerClass::kNone:
            return kNoAnswerProved;
        case AnswerClass::kSingle:
        case AnswerClass::kSeveral:
            return kSolvable;
        default:
            return -1;
    }
}

int expectedMultipleResult(AnswerClass answers) {
    switch (answers) {
        case AnswerClass::kNone:
            return kNoAnswer;
        case AnswerClass::kSingle:
            return kSingleAnswer;
        case AnswerClass::kSeveral:
            return kMultipleAnswers;
        default:
            return -1;
    }
}

}  // namespace ga::bench
