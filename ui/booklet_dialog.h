// The "Print Puzzles" dialog: what the booklet's puzzles are (a level, the
// class of the level setting or a technique, as listed by the caller), how
// many, how many to a page, the paper, and whether the answers follow.
#pragma once

#include <string>
#include <vector>

#include "platform/desktop.h"
#include "platform/dialog.h"
#include "ui/booklet.h"

namespace ga {

constexpr int kBookletDialogId = 7000;
constexpr int kBookletKindListId = 7001;
constexpr int kBookletCountFieldId = 7002;
constexpr int kBookletCountArrowsId = 7003;
constexpr int kBookletPerPageListId = 7004;
constexpr int kBookletPaperListId = 7005;
constexpr int kBookletAnswersBoxId = 7006;

struct BookletChoice {
    int kind = 0;    // the entry chosen of those listed
    int count = 12;  // 1..kMostBookletPuzzles
    BookletOptions options;
};

DialogTemplate bookletTemplate();

class BookletEvents : public DialogEvents {
  public:
    BookletEvents(const std::vector<std::string>& kinds, BookletChoice& choice);
    void onInit(DialogHost& dialog) override;
    void onCommand(DialogHost& dialog, int id) override;
    void onUpDown(DialogHost& dialog, int id, int delta) override;

  private:
    const std::vector<std::string>& kinds_;
    BookletChoice& choice_;
    BookletChoice working_;  // what the controls show, taken by "Print..."
};

// Opens with `choice`; "Print..." (kDialogOkay) leaves the player's choice in
// it, with the count brought within 1..kMostBookletPuzzles. Cancel leaves
// `choice` as it was.
int runBookletDialog(Desktop& desktop, const std::vector<std::string>& kinds,
                     BookletChoice& choice);

}  // namespace ga
