#include "ui/save_question_dialog.h"

#include "core/translation.h"

namespace ga {

namespace {

class SaveQuestion : public DialogEvents {
  public:
    SaveQuestion(Settings& defaults, Settings& current) : defaults_(defaults), current_(current) {}

    void onInit(DialogHost& dialog) override {
        neverAgain_ = defaults_.neverConfirmSave;
        dialog.setText(kSaveQuestionText,
                       translate("Dialog", "do you want to save the current puzzle?"));
        dialog.setChecked(kSaveQuestionNeverAgain, neverAgain_ != 0);
    }

    void onCommand(DialogHost& dialog, int id) override {
        switch (id) {
            case kSaveQuestionNeverAgain:
                neverAgain_ = dialog.checked(kSaveQuestionNeverAgain) ? 1 : 0;
                return;
            case kSaveQuestionYes:
            case kSaveQuestionNo:
                defaults_.neverConfirmSave = neverAgain_;
                current_.neverConfirmSave = neverAgain_;
                dialog.end(id);
                return;
            case kSaveQuestionCancel:
                dialog.end(kSaveQuestionCancel);
                return;
            default:
                return;
        }
    }

  private:
    Settings& defaults_;
    Settings& current_;
    int32_t neverAgain_ = 0;
};

}  // namespace

DialogTemplate saveQuestionTemplate() {
    DialogTemplate dialog;
    dialog.id = kSaveQuestionTemplate;
    dialog.title = translate("Dialog", "confirmation");
    dialog.width = 240;
    dialog.height = 50;
    dialog.controls = {
        {kSaveQuestionText, DialogControlKind::kStaticText, "", 10, 5, 220, 14, kNoControlId},
        {kSaveQuestionCancel, DialogControlKind::kDefaultButton, translate("Dialog", "Cancel"), 30,
         18, 50, 14, kNoControlId},
        {kSaveQuestionNo, DialogControlKind::kButton, translate("Dialog", "No"), 95, 18, 50, 14,
         kNoControlId},
        {kSaveQuestionYes, DialogControlKind::kButton, translate("Dialog", "Yes"), 160, 18, 50, 14,
         kNoControlId},
        {kSaveQuestionNeverAgain, DialogControlKind::kCheckBox,
         translate("Dialog", "never show this confirmation"), 30, 35, 180, 10, kNoControlId},
    };
    return dialog;
}

SaveAnswer runSaveQuestionDialog(Desktop& desktop, Settings& defaults, Settings& current) {
    const DialogTemplate dialog = saveQuestionTemplate();
    SaveQuestion events(defaults, current);
    return static_cast<SaveAnswer>(desktop.runDialog(dialog, events));
}

}  // namespace ga
