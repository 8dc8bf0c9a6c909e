// The solvability and uniqueness checks.
#pragma once

#include "core/progress.h"
#include "core/puzzle_record.h"

namespace ga {

enum CheckSolvableResult : int { kSolvable = 0, kNoAnswerProved = 1, kNoAnswerFound = 2 };
enum CheckMultipleResult : int { kSingleAnswer = 0, kMultipleAnswers = 1, kNoAnswer = 2 };

// True when answerKnown is 1 and answerGrid is complete and valid.
bool storedAnswerUsable(const PuzzleRecord& record);

// 0 solvable, 1 no answer (exhaustive search), 2 no answer found (random search).
// valueGrid is as it was on return.
CheckSolvableResult checkSolvable(PuzzleRecord& record, ProgressMeter& meter);

// 0 single answer, 1 multiple answers, 2 no answer. May clear answerKnown when
// the stored answer is not usable. valueGrid is as it was on return.
CheckMultipleResult checkMultiple(PuzzleRecord& record, ProgressMeter& meter);

}  // namespace ga
