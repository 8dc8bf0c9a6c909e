// The window's commands that run one of its dialogs and then act on the
// answer: default settings, recreating a puzzle from its serial number, and
// choosing what the region search records.
#pragma once

#include <memory>

#include "app/jobs.h"
#include "app/window_commands.h"
#include "platform/desktop.h"
#include "ui/settings.h"

namespace ga {

// 1125: edits the defaults; with "reflect to current settings" ticked they
// also take effect at once (express mode, level, the save question).
void changeDefaultSettings(Desktop& desktop, WindowState& state, Settings& defaults);

// 1111: after the save question, asks for a serial number and rebuilds its
// puzzle, labelled with the current level.
void recreateFromSerial(Desktop& desktop, WindowState& state, Settings& defaults);

// 1126 before its job: true when the player confirmed a search the region
// search can take (the dialog refuses any other).
bool chooseRegionRecording(Desktop& desktop, WindowState& state);

// Its job's maker, for the command table: the search the settings hold.
std::unique_ptr<Job> prepareRegionJob(Desktop& desktop, WindowState& state, int command);

}  // namespace ga
