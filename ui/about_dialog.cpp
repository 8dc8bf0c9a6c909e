#include "ui/about_dialog.h"
