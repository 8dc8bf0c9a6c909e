// A small window logic for the desktop's own tests: a few controls of each
// kind, and a record of everything the desktop delivered.
#pragma once

#include <QThread>
#include <functional>
#include <utility>
#include <vector>

#include "platform/desktop.h"

namespace ga::testing {

constexpr int kOpenCell = 1501;
constexpr int kOtherOpenCell = 1502;
constexpr int kClueCell = 1503;
constexpr int kButton = 1311;

class RecordingWindow : public WindowEvents {
  public:
    explicit RecordingWindow(Desktop& desktop, MenuDescription menu = {})
        : desktop_(desktop), menu_(std::move(menu)) {}

    bool onCreate() override {
        desktop_.setMenu(menu_);
        desktop_.createControl(kStatusBoxId, ControlKind::kStatusBox, {20, 200, 200, 40});
        desktop_.createControl(kOpenCell, ControlKind::kOpenCell, {20, 20, 35, 35});
        desktop_.createControl(kOtherOpenCell, ControlKind::kOpenCell, {55, 20, 35, 35});
        desktop_.createControl(kClueCell, ControlKind::kClueCell, {90, 20, 35, 35});
        desktop_.createControl(kButton, ControlKind::kPushButton, {20, 250, 80, 24});
        desktop_.createProgressBar({20, 180, 200, 11});
        desktop_.setText(kClueCell, "7");
        if (afterCreate) afterCreate();
        return createSucceeds;
    }
    void onCommand(int id) override {
        commands.push_back(id);
        commandThreads.push_back(QThread::currentThread());
        if (onCommandHook) onCommandHook(id);
    }
    void onCellNotification(int cellId, CellNotification notification) override {
        notifications.emplace_back(cellId, notification);
    }
    TextColour onCellColour(int cellId) override {
        colourRequests.push_back(cellId);
        return colourOf ? colourOf(cellId) : TextColour{};
    }
    void onCloseRequest() override { ++closeRequests; }

    static constexpr int kStatusBoxId = 1500;

    bool createSucceeds = true;
    std::function<void()> afterCreate;
    std::function<TextColour(int)> colourOf;
    std::function<void(int)> onCommandHook;
    std::vector<int> commands;
    std::vector<QThread*> commandThreads;
    std::vector<std::pair<int, CellNotification>> notifications;
    std::vector<int> colourRequests;
    int closeRequests = 0;

  private:
    Desktop& desktop_;
    MenuDescription menu_;
};

}  // namespace ga::testing
