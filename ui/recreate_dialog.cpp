#include "ui/recreate_dialog.h"
