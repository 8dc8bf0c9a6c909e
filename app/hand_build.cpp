#include "app/hand_build.h"
