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
            return translate("Status",
                             "candidates due to shallow analysis.\r\nthey are just hints");
        case 2:
            return translate("Status", "candidates due to deep analysis.");
        default:
            return translate("Status",
                             "no candidates expressed\r\neven by shallow analysis\r\n"
                             "cause single candidate is not a hint.");
    }
}

std::string loadedText(const StatusInputs& in) {
    const std::string file(in.fileName);
    const std::string shownClass = translate("Class", className(in.puzzleClass));
    const char* name = shownClass.c_str();
    if (in.puzzleClass < kHandBuiltClass) {
        return formatted(translate("Status", "loaded %s,\r\n%s, sn is %s").c_str(), file.c_str(),
                         name, formatSerial(in.serial).c_str());
    }
    if (in.answerKnown != 0)
        return formatted(translate("Status", "loaded %s, %s").c_str(), file.c_str(), name);
    return formatted(translate("Status", "loaded %s,\r\n%s without Answer").c_str(), file.c_str(),
                     name);
}

}  // namespace

std::string statusText(int statusCode, const StatusInputs& in) {
    switch (statusCode) {
        case kStatusWelcome:
            return translate("Status", "welcome to the Grid Atelier!");
        case kStatusLevelChosen:
            return formatted(translate("Status", "you're going to try puzzles as %s").c_str(),
                             translate("Class", className(in.level)).c_str());
        case kStatusNewPuzzle:
            return formatted(
                translate("Status", "new puzzle as %s class,\r\nserial number is %s").c_str(),
                translate("Class", className(in.level)).c_str(), formatSerial(in.serial).c_str());
        case kStatusSaved:
            return filled(translate("Status", "saved a puzzle to a file named %1"),
                          {std::string(in.fileName)});
        case kStatusLoaded:
            return loadedText(in);
        case kStatusNoExpress:
            return translate("Status", "no express mistakes");
        case kStatusExpressVisible:
            return translate("Status", "express visible mistakes as red color font");
        case kStatusExpressAbsolute:
            return translate("Status", "express absolute mistakes as red color font");
        case kStatusSolvingReset:
            return translate("Status", "reset the solving");
        case kStatusCandidatesReset:
            return translate("Status", "reset the candidates");
        case kStatusCandidatesShown:
            return candidatesText(in.candidateDepth);
        case kStatusAnswerOpened:
            return translate("Status", "the answer was opened");
        case kStatusFinishedWithMistakes:
            return translate("Status", "finished although there are some mistakes");
        case kStatusSolving:
            return translate("Status", "\r\nsolving...");
        case kStatusCompleteOtherAnswer:
            return translate("Status",
                             "Congraz! complete solving\r\nthis puzzle may have multi answers\r\n"
                             "cause different to the answer");
        case kStatusComplete:
            return translate("Status", "Congraz! complete solving");
        case kStatusPencilMarksStuck:
            return translate("Status",
                             "could not solve the puzzle...\r\ndue to the pencil marks\r\n"
                             "plz try the backtracking method.");
        case kStatusNotSolved:
            return translate("Status", "could not solve the puzzle...\r\nplease try again.");
        case kStatusChecking:
            return translate("Status", "\r\nchecking...");
        case kStatusSolvable:
            return translate("Status", "solvable structure.");
        case kStatusUnsolvable:
            return translate("Status", "unsolvable structure.\r\nthis puzzle is unsolvable.");
        case kStatusSingleAnswer:
            return translate("Status", "single answer.");
        case kStatusMultipleAnswers:
            return translate("Status", "multiple answers.\r\nthis puzzle has multiple answers.");
        case kStatusNoUsableAnswer:
            return translate("Status", "no answer data or illegal answer detected.");
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
    if (text != nullptr)
        desktop.messageBox(translate("Message", text), translate("Message", "error"));
}

const char* handBuildText(HandBuildMessage message) {
    switch (message) {
        case HandBuildMessage::kEnterClues:
            return QT_TRANSLATE_NOOP("Status", "At first, plz input numbers of a puzzle");
        case HandBuildMessage::kTooManyClues:
            return QT_TRANSLATE_NOOP("Status", "too much hints");
        case HandBuildMessage::kCluesBreakTheRule:
            return QT_TRANSLATE_NOOP("Status", "illegal numeral found based on the rule");
        case HandBuildMessage::kEnterAnswer:
            return QT_TRANSLATE_NOOP("Status", "Next, plz input numbers of the answer");
        case HandBuildMessage::kAnswerNotDigits:
            return QT_TRANSLATE_NOOP("Status", "illegal numeral found as the answer");
        case HandBuildMessage::kAnswerCollapsed:
            return QT_TRANSLATE_NOOP("Status", "collapsed answer found");
        case HandBuildMessage::kCreated:
            return QT_TRANSLATE_NOOP("Status", "created a puzzle");
        case HandBuildMessage::kCreatedWithoutAnswer:
            return QT_TRANSLATE_NOOP("Status", "created a puzzle without answer");
        case HandBuildMessage::kCanceled:
            return QT_TRANSLATE_NOOP("Status", "canceled to create a puzzle");
    }
    return "";
}

void showHandBuildMessage(Desktop& desktop, HandBuildMessage message) {
    desktop.setText(kStatusBoxId, translate("Status", handBuildText(message)));
}

const char* puzzleTextText(PuzzleTextMessage message) {
    switch (message) {
        case PuzzleTextMessage::kCopied:
            return QT_TRANSLATE_NOOP("Status", "copied the puzzle as a line of text");
        case PuzzleTextMessage::kPasted:
            return QT_TRANSLATE_NOOP("Status", "pasted a puzzle");
        case PuzzleTextMessage::kPastedWithoutAnswer:
            return QT_TRANSLATE_NOOP(
                "Status", "pasted a puzzle without answer:\r\nit has more than one answer");
    }
    return "";
}

void showPuzzleTextMessage(Desktop& desktop, PuzzleTextMessage message) {
    desktop.setText(kStatusBoxId, translate("Status", puzzleTextText(message)));
}

const char* ladderMessageText(LadderMessage message) {
    switch (message) {
        case LadderMessage::kFindingStep:
            return QT_TRANSLATE_NOOP("Status", "\r\nlooking for the next step...");
        case LadderMessage::kRating:
            return QT_TRANSLATE_NOOP("Status", "\r\nrating the puzzle...");
    }
    return "";
}

void showLadderMessage(Desktop& desktop, LadderMessage message) {
    desktop.setText(kStatusBoxId, translate("Status", ladderMessageText(message)));
}

const char* const kRatingTitle = QT_TRANSLATE_NOOP("Message", "Rate Puzzle");

std::string ratingBoxText(int answerCount, const LadderRating& rating) {
    if (answerCount == 0)
        return translate("Message", "This puzzle has no answer, so it has no rating.");
    if (answerCount >= 2)
        return translate("Message", "This puzzle has more than one answer, so it has no rating.");
    if (answerCount != 1)
        return translate("Message",
                         "This puzzle's answers take too long to count, so it has no rating.");
    const std::string name = translate("Technique", techniqueInfo(rating.hardest).name);
    const std::string counts = shownRatingCounts(rating);
    if (!rating.solved) {
        return formatted(
            translate(
                "Message",
                "The ladder of techniques gets no further than step %d, so this puzzle has no "
                "rating.\r\n\r\nSo far: score %d, hardest technique %s%s%s.")
                .c_str(),
            rating.steps, rating.score, name.c_str(),
            counts.empty() ? "" : translate("Message", ", steps: ").c_str(), counts.c_str());
    }
    return formatted(
        translate(
            "Message",
            "Level: %s\r\nScore: %d\r\nHardest technique: %s\r\nSteps: %d (%s)\r\n\r\nThe "
            "level, from Easy through Medium, Hard and Fiendish to Extreme, is that of the hardest "
            "technique, one higher when the way is long. The score adds up every step of the "
            "solution, each weighing more the harder its technique is.")
            .c_str(),
        translate("Level", levelName(puzzleLevel(rating))).c_str(), rating.score, name.c_str(),
        rating.steps, counts.c_str());
}

const char* const kPasteRefusedTitle = QT_TRANSLATE_NOOP("Message", "Paste Puzzle");

namespace {

std::string noPuzzleText(const PuzzleTextVerdict& verdict) {
    const std::string lead = translate("Message", "The clipboard holds no puzzle");
    switch (verdict.status) {
        case PuzzleTextStatus::kBadCharacter: {
            const unsigned char c = verdict.character;
            const std::string shown = quotedCharacter(c);
            return formatted(
                translate("Message",
                          "%s: line %d has %s, which is neither a digit 1-9 nor an open cell "
                          "(. 0 * _).")
                    .c_str(),
                lead.c_str(), verdict.line, shown.c_str());
        }
        case PuzzleTextStatus::kCellCount:
            return formatted(translate("Message", "%s: it has %d cells, a puzzle has 81.").c_str(),
                             lead.c_str(), verdict.count);
        case PuzzleTextStatus::kRowLength:
            return formatted(translate("Message", "%s: line %d has %d cells, a row has 9.").c_str(),
                             lead.c_str(), verdict.line, verdict.count);
        case PuzzleTextStatus::kNoCells:
        case PuzzleTextStatus::kPuzzle:
            break;
    }
    return lead + ".";
}

}  // namespace

std::string pasteRefusalText(PasteRefusal refusal, const PasteRefusalInputs& inputs) {
    switch (refusal) {
        case PasteRefusal::kNoPuzzle:
            return noPuzzleText(inputs.verdict);
        case PasteRefusal::kNoOpenCell:
            return translate("Message",
                             "The clipboard holds a full grid: a puzzle needs open cells.");
        case PasteRefusal::kCluesClash: {
            static const char* const kUnitKinds[] = {QT_TRANSLATE_NOOP("Message", "row"),
                                                     QT_TRANSLATE_NOOP("Message", "column"),
                                                     QT_TRANSLATE_NOOP("Message", "box")};
            return formatted(
                translate("Message", "The clues break the rule: %d stands twice in %s %d.").c_str(),
                inputs.digit, translate("Message", kUnitKinds[inputs.unit / 9]).c_str(),
                inputs.unit % 9 + 1);
        }
        case PasteRefusal::kNoAnswer:
            return translate("Message", "These clues have no answer.");
        case PasteRefusal::kUndecided:
            return translate("Message",
                             "These clues take too long to check: whether they have an answer is "
                             "still open.");
    }
    return "";
}

const char* const kLoadRefusedTitle = QT_TRANSLATE_NOOP("Message", "Load Puzzle");

std::string puzzleFileRefusalText(const std::string& fileName, const FormatError& error) {
    if (error.line > 0) {
        return formatted(
            translate("Message", "%s holds no puzzle this program can load: line %d: %s.").c_str(),
            fileName.c_str(), error.line, error.what.c_str());
    }
    return formatted(translate("Message", "%s holds no puzzle this program can load: %s.").c_str(),
                     fileName.c_str(), error.what.c_str());
}

}  // namespace ga
