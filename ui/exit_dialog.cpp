#include "ui/exit_dialog.h"
