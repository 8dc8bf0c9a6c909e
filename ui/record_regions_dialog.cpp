#include "ui/record_regions_dialog.h"
