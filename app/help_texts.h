// The words of Help: what each technique of the ladder is, in plain words.
// The texts are in English, marked for translation in the context "Help":
// whoever shows one passes it through translate("Help", text).
#pragma once
#include "core/ladder/techniques.h"
namespace ga {
struct TechniqueHelpText {
    const char* whatItIs;   // one sentence: what the pattern is
    const char* explained;  // 2-4 short paragraphs separated by "\n\n": how it works, how to spot
                            // it, what it removes or places
};
const TechniqueHelpText& techniqueHelpText(Technique technique);
}  // namespace ga
