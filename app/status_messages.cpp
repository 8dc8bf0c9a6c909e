#include "app/status_messages.h"

#include <cstdarg>
#include <cstdio>

#include "app/command_ids.h"
#include "core/regions.h"
#include "core/translation.h"
#include "generator/serial.h"
#include "ui/board_picture.h"
#include "ui/puzzle_file.h"

namespace ga {

namespace {

__attribute__((format(printf, 1, 2))) std::string formatted(const char* format, ...) {
    va_list arguments;
    va_start(arguments, format);
    va_list measuring;
    va_copy(measuring, arguments);
    int length = std::vsnprintf(nullptr, 0, format, measuring);
    va_end(measuring);
    std::string text(length > 0 ? static_cast<size_t>(length) : 0, '\0');
    if (length > 0) std::vsnprintf(text.data(), text.size() + 1, format, arguments);
    va_end(arguments);
    return text;
}

std::string candidatesText(int candidateDepth) {
    switch (candidateDepth) {
        case 1:
            return "candidates due to shallow analysis.\r\nthey are just hints";
        case 2:
            return "candidates due to deep analysis.";
        default:
            return "no candidates expressed\r\neven by shallow analysis\r\n"
                   "cause single candidate is not a hint.";
    }
}

std::string loadedText(const StatusInputs& in) {
    const std::string file(in.fileName);
    const char* name = className(in.puzzleClass);
    if (in.puzzleClass < kHandBuiltClass) {
        return formatted("loaded %s,\r\n%s, sn is %s", file.c_str(), name,
                         formatSerial(in.serial).c_str());
    }
    if (in.answerKnown != 0) return formatted("loaded %s, %s", file.c_str(), name);
    return formatted("loaded %s,\r\n%s without Answer", file.c_str(), name);
}

}  // namespace

std::string statusText(int statusCode, const StatusInputs& in) {
    switch (statusCode) {
        case kStatusWelcome:
            return "welcome to the Grid Atelier!";
        case kStatusLevelChosen:
            return formatted("you're going to try puzzles as %s", className(in.level));
        case kStatusNewPuzzle:
            return formatted("new puzzle as %s class,\r\nserial number is %s", className(in.level),
                             formatSerial(in.serial).c_str());
        case kStatusSaved:
            return "saved a puzzle to a file named " + std::string(in.fileName);
        case kStatusLoaded:
            return loadedText(in);
        case kStatusNoExpress:
            return "no express mistakes";
        case kStatusExpressVisible:
            return "express visible mistakes as red color font";
        case kStatusExpressAbsolute:
            return "express absolute mistakes as red color font";
        case kStatusSolvingReset:
            return "reset the solving";
        case kStatusCandidatesReset:
            return "reset the candidates";
        case kStatusCandidatesShown:
            return candidatesText(in.candidateDepth);
        case kStatusAnswerOpened:
            return "the answer was opened";
        case kStatusFinishedWithMistakes:
            return "finished although there are some mistakes";
        case kStatusSolving:
            return "\r\nsolving...";
        case kStatusCompleteOtherAnswer:
            return "Congraz! complete solving\r\nthis puzzle may have multi answers\r\n"
                   "cause different to the answer";
        case kStatusComplete:
            return "Congraz! complete solving";
        case kStatusPencilMarksStuck:
            return "could not solve the puzzle...\r\ndue to the pencil marks\r\n"
                   "plz try the backtracking method.";
        case kStatusNotSolved:
            return "could not solve the puzzle...\r\nplease try again.";
        case kStatusChecking:
            return "\r\nchecking...";
        case kStatusSolvable:
            return "solvable structure.";
        case kStatusUnsolvable:
            return "unsolvable structure.\r\nthis puzzle is unsolvable.";
        case kStatusSingleAnswer:
            return "single answer.";
        case kStatusMultipleAnswers:
            return "multiple answers.\r\nthis puzzle has multiple answers.";
        case kStatusNoUsableAnswer:
            return "no answer data or illegal answer detected.";
        default:
            return "";
    }
}

void showStatus(Desktop& desktop, int statusCode, const StatusInputs& inputs) {
    desktop.setText(kStatusBoxId, statusText(statusCode, inputs));
}

const char* errorText(ErrorCode errorCode) {
    switch (errorCode) {
        case kErrorSaveFailed:
            return kSaveFailedText;
        case kErrorLoadFailed:
            return kLoadFailedText;
        case kErrorCsvFailed:
            return kCsvOpenFailedText;
        case kErrorPictureFailed:
            return kPictureFailedText;
        case kErrorPrintFailed:
            return kPrintFailedText;
        default:
            return nullptr;
    }
}

void showError(Desktop& desktop, ErrorCode errorCode) {
    const char* text = errorText(errorCode);
    if (text != nullptr) desktop.messageBox(translate("Message", text), "error");
}

const char* handBuildText(HandBuildMessage message) {
    switch (message) {
        case HandBuildMessage::kEnterClues:
            return "At first, plz input numbers of a puzzle";
        case HandBuildMessage::kTooManyClues:
            return "too much hints";
        case HandBuildMessage::kCluesBreakTheRule:
            return "illegal numeral found based on the rule";
        case HandBuildMessage::kEnterAnswer:
            return "Next, plz input numbers of the answer";
        case HandBuildMessage::kAnswerNotDigits:
            return "illegal numeral found as the answer";
        case HandBuildMessage::kAnswerCollapsed:
            return "collapsed answer found";
        case HandBuildMessage::kCreated:
            return "created a puzzle";
        case HandBuildMessage::kCreatedWithoutAnswer:
            return "created a puzzle without answer";
        case HandBuildMessage::kCanceled:
            return "canceled to create a puzzle";
    }
    return "";
}

void showHandBuildMessage(Desktop& desktop, HandBuildMessage message) {
    desktop.setText(kStatusBoxId, handBuildText(message));
}

const char* puzzleTextText(PuzzleTextMessage message) {
    switch (message) {
        case PuzzleTextMessage::kCopied:
            return "copied the puzzle as a line of text";
        case PuzzleTextMessage::kPasted:
            return "pasted a puzzle";
        case PuzzleTextMessage::kPastedWithoutAnswer:
            return "pasted a puzzle without answer:\r\nit has more than one answer";
    }
    return "";
}

void showPuzzleTextMessage(Desktop& desktop, PuzzleTextMessage message) {
    desktop.setText(kStatusBoxId, puzzleTextText(message));
}

const char* ladderMessageText(LadderMessage message) {
    switch (message) {
        case LadderMessage::kFindingStep:
            return "\r\nlooking for the next step...";
        case LadderMessage::kRating:
            return "\r\nrating the puzzle...";
    }
    return "";
}

void showLadderMessage(Desktop& desktop, LadderMessage message) {
    desktop.setText(kStatusBoxId, ladderMessageText(message));
}

const char* const kRatingTitle = "Rate Puzzle";

std::string ratingBoxText(int answerCount, const LadderRating& rating) {
    if (answerCount == 0) return "This puzzle has no answer, so it has no rating.";
    if (answerCount >= 2) return "This puzzle has more than one answer, so it has no rating.";
    if (answerCount != 1)
        return "This puzzle's answers take too long to count, so it has no rating.";
    const char* const name = techniqueInfo(rating.hardest).name;
    const std::string counts = ratingCounts(rating);
    if (!rating.solved) {
        return formatted(
            "The ladder of techniques gets no further than step %d, so this puzzle has no "
            "rating.\r\n\r\nSo far: score %d, hardest technique %s%s%s.",
            rating.steps, rating.score, name, counts.empty() ? "" : ", steps: ", counts.c_str());
    }
    return formatted(
        "Level: %s\r\nScore: %d\r\nHardest technique: %s\r\nSteps: %d (%s)\r\n\r\nThe "
        "level, from Easy through Medium, Hard and Fiendish to Extreme, is that of the hardest "
        "technique, one higher when the way is long. The score adds up every step of the "
        "solution, each weighing more the harder its technique is.",
        levelName(puzzleLevel(rating)), rating.score, name, rating.steps, counts.c_str());
}

const char* const kPasteRefusedTitle = "Paste Puzzle";

namespace {

std::string noPuzzleText(const PuzzleTextVerdict& verdict) {
    const char* const lead = "The clipboard holds no puzzle";
    switch (verdict.status) {
        case PuzzleTextStatus::kBadCharacter: {
            const unsigned char c = verdict.character;
            const std::string shown = quotedCharacter(c);
            return formatted(
                "%s: line %d has %s, which is neither a digit 1-9 nor an open cell "
                "(. 0 * _).",
                lead, verdict.line, shown.c_str());
        }
        case PuzzleTextStatus::kCellCount:
            return formatted("%s: it has %d cells, a puzzle has 81.", lead, verdict.count);
        case PuzzleTextStatus::kRowLength:
            return formatted("%s: line %d has %d cells, a row has 9.", lead, verdict.line,
                             verdict.count);
        case PuzzleTextStatus::kNoCells:
        case PuzzleTextStatus::kPuzzle:
            break;
    }
    return std::string(lead) + ".";
}

}  // namespace

std::string pasteRefusalText(PasteRefusal refusal, const PasteRefusalInputs& inputs) {
    switch (refusal) {
        case PasteRefusal::kNoPuzzle:
            return noPuzzleText(inputs.verdict);
        case PasteRefusal::kNoOpenCell:
            return "The clipboard holds a full grid: a puzzle needs open cells.";
        case PasteRefusal::kCluesClash: {
            static const char* const kUnitKinds[] = {"row", "column", "box"};
            return formatted("The clues break the rule: %d stands twice in %s %d.", inputs.digit,
                             kUnitKinds[inputs.unit / 9], inputs.unit % 9 + 1);
        }
        case PasteRefusal::kNoAnswer:
            return "These clues have no answer.";
        case PasteRefusal::kUndecided:
            return "These clues take too long to check: whether they have an answer is "
                   "still open.";
    }
    return "";
}

const char* const kLoadRefusedTitle = "Load Puzzle";

std::string puzzleFileRefusalText(const std::string& fileName, const FormatError& error) {
    if (error.line > 0) {
        return formatted("%s holds no puzzle this program can load: line %d: %s.", fileName.c_str(),
                         error.line, error.what.c_str());
    }
    return formatted("%s holds no puzzle this program can load: %s.", fileName.c_str(),
                     error.what.c_str());
}

}  // namespace ga
