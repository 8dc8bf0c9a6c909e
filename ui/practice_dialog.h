// The "Practice a Technique" dialog: the ladder's techniques in a list, what
// the chosen one is in a line below it, and a button to its Help page.
#pragma once

#include <string>
#include <vector>

#include "platform/desktop.h"
#include "platform/dialog.h"

namespace ga {

constexpr int kPracticeDialogId = 6300;
constexpr int kPracticeListId = 6301;
constexpr int kPracticeAboutId = 6302;  // what the chosen technique is
constexpr int kPracticeHelpId = 6303;   // "Help": the technique's page

// The result of the "Help" button, besides kDialogOkay and kDialogCancel.
constexpr int kPracticeHelpAsked = 3;

struct PracticeEntry {
    std::string name;   // as listed: "X-Wing (Hard)"
    std::string about;  // a sentence or two
};

DialogTemplate practiceTemplate();

class PracticeEvents : public DialogEvents {
  public:
    PracticeEvents(const std::vector<PracticeEntry>& entries, int& chosen);
    void onInit(DialogHost& dialog) override;
    void onCommand(DialogHost& dialog, int id) override;

  private:
    const std::vector<PracticeEntry>& entries_;
    int& chosen_;
};

// Opens at entry `chosen`; "Practise" (kDialogOkay) and "Help"
// (kPracticeHelpAsked) leave the entry then selected in `chosen`.
int runPracticeDialog(Desktop& desktop, const std::vector<PracticeEntry>& entries, int& chosen);

}  // namespace ga
