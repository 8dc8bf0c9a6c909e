// The numbered status messages of the status box, and the error boxes for
// failed puzzle and CSV files.
//
// Every result of a command or a job is shown by number: the handler stores the
// code and showStatus turns it into text. Multi-line texts break with "\r\n".
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "core/difficulty_class.h"
#include "core/ladder/ladder.h"
#include "core/puzzle_formats.h"
#include "core/puzzle_record.h"
#include "core/puzzle_text.h"
#include "platform/desktop.h"

namespace ga {

enum StatusCode : int {
    kStatusWelcome = 0,
    kStatusLevelChosen = 1,
    kStatusNewPuzzle = 2,
    kStatusSaved = 3,
    kStatusLoaded = 4,
    kStatusNoExpress = 5,
    kStatusExpressVisible = 6,
    kStatusExpressAbsolute = 7,
    kStatusSolvingReset = 8,
    kStatusCandidatesReset = 9,
    kStatusCandidatesShown = 10,
    kStatusAnswerOpened = 11,
    kStatusFinishedWithMistakes = 12,
    kStatusSolving = 13,
    kStatusCompleteOtherAnswer = 14,
    kStatusComplete = 15,
    kStatusPencilMarksStuck = 16,
    kStatusNotSolved = 17,
    kStatusChecking = 32,
    kStatusSolvable = 33,
    kStatusUnsolvable = 34,
    kStatusSingleAnswer = 35,
    kStatusMultipleAnswers = 36,
    kStatusNoUsableAnswer = 37,
};

// What the messages are filled with. The caller copies these from the current
// settings, the puzzle file header and the board's record.
struct StatusInputs {
    int level = 0;              // class of the next new puzzle
    std::string_view fileName;  // of the last save or load
    int candidateDepth = 0;     // of the last "Show Candidates": 0, 1 or 2
    int puzzleClass = 0;        // of the loaded file: below 8 generated, 8 hand-built
    SerialParts serial{};
    int answerKnown = 0;
};

// The text of a status code. Codes that no handler sets (18..31, above 37,
// negative) give an empty text, so a stray code clears the box rather than
// leaving an earlier message that no longer applies. A candidate depth other
// than 1 or 2 reads as 0, the one that claims no candidates.
std::string statusText(int statusCode, const StatusInputs& inputs);

// Writes the text of the code into the status box.
void showStatus(Desktop& desktop, int statusCode, const StatusInputs& inputs);

enum ErrorCode : int {
    kErrorSaveFailed = 1,
    kErrorLoadFailed = 2,
    kErrorCsvFailed = 4,
    kErrorPictureFailed = 8,
    kErrorPrintFailed = 16,
};

// The text of an error box, or nullptr for a code that has none.
const char* errorText(ErrorCode errorCode);

// A box titled "error" with the code's text. A code without text shows nothing.
void showError(Desktop& desktop, ErrorCode errorCode);

// Hand-building's verdicts. They are shown without a number: the stored status
// code stays, so a job's notice that shows it again brings back its text.
enum class HandBuildMessage {
    kEnterClues,
    kTooManyClues,
    kCluesBreakTheRule,
    kEnterAnswer,
    kAnswerNotDigits,
    kAnswerCollapsed,
    kCreated,
    kCreatedWithoutAnswer,
    kCanceled,
};
const char* handBuildText(HandBuildMessage message);
void showHandBuildMessage(Desktop& desktop, HandBuildMessage message);

// Copying and pasting a puzzle as text, shown without a number as well.
enum class PuzzleTextMessage {
    kCopied,
    kPasted,
    kPastedWithoutAnswer,
};
const char* puzzleTextText(PuzzleTextMessage message);
void showPuzzleTextMessage(Desktop& desktop, PuzzleTextMessage message);

// What the ladder's jobs show while they run, without a number: the text
// they cover comes back (a rating) or gives way to the hint.
enum class LadderMessage {
    kFindingStep,
    kRating,
};
const char* ladderMessageText(LadderMessage message);
void showLadderMessage(Desktop& desktop, LadderMessage message);

// The box of "Rate Puzzle": the rating of clues with `answerCount` answers
// (0, 1, 2 for two or more, or kCountGaveUp when the count could not tell);
// only clues with one answer are rated.
extern const char* const kRatingTitle;
std::string ratingBoxText(int answerCount, const LadderRating& rating);

// Why a paste was refused, for its box titled kPasteRefusedTitle.
enum class PasteRefusal {
    kNoPuzzle,    // the text holds no puzzle; the reader's verdict says why
    kNoOpenCell,  // all 81 cells are clues
    kCluesClash,  // a digit twice in a unit (`unit` 0..26, `digit`)
    kNoAnswer,
    kUndecided,  // the count of answers would take too long
};
struct PasteRefusalInputs {
    PuzzleTextVerdict verdict;
    int unit = 0;
    int digit = 0;
};
extern const char* const kPasteRefusedTitle;
std::string pasteRefusalText(PasteRefusal refusal, const PasteRefusalInputs& inputs);

// Why "Load Puzzle" refused a puzzle file in a text format, for its box
// titled kLoadRefusedTitle: the file's name, the line and what is wrong.
extern const char* const kLoadRefusedTitle;
std::string puzzleFileRefusalText(const std::string& fileName, const FormatError& error);

}  // namespace ga
