#include "ui/save_question_dialog.h"
