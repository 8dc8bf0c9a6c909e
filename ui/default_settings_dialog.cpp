#include "ui/default_settings_dialog.h"
