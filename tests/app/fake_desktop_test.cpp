// The fake's behaviours that the logic's tests rely on: what it ignores like a
// real desktop, when cells ask for colours, and the worker's blocking send.
#include "platform/fake_desktop.h"

#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include "core/progress.h"

namespace {

using ga::ControlKind;
using ga::FakeDesktop;

TEST(FakeDesktop, IgnoresMenuItemsAndControlsThatDoNotExist) {
    FakeDesktop desktop;
    desktop.addMenuItems({1110});
    desktop.enableMenuItem(1111, false);
    desktop.enableMenuItem(1110, false);
    desktop.setText(1501, "5");
    EXPECT_FALSE(desktop.menuItem(1111).has_value());
    EXPECT_FALSE(desktop.menuItem(1110)->enabled);
    EXPECT_EQ(desktop.text(1501), "");
    EXPECT_EQ(desktop.log().front(), "enableMenuItem 1111 0") << "ignored, but logged";
    EXPECT_EQ(desktop.log().size(), 4u);
}

TEST(FakeDesktop, ScriptedFailuresAndMessageBoxes) {
    FakeDesktop desktop;
    desktop.failControlCreation(1501);
    desktop.failProgressBarCreation();
    EXPECT_FALSE(desktop.createControl(1501, ControlKind::kOpenCell, {}));
    EXPECT_FALSE(desktop.control(1501).has_value());
    EXPECT_FALSE(desktop.createProgressBar({}));
    EXPECT_EQ(desktop.progressBar(), nullptr);

    std::vector<std::string> seenWhileOpen;
    desktop.onMessageBox([&](const FakeDesktop::MessageBoxCall& box) {
        seenWhileOpen.push_back(box.title + ": " + box.text);
    });
    desktop.messageBox("a\r\nb", "alert");
    EXPECT_EQ(seenWhileOpen, std::vector<std::string>{"alert: a\r\nb"});
    EXPECT_EQ(desktop.log().back(), "messageBox \"a\\r\\nb\" \"alert\"");
}

TEST(FakeDesktop, OnlyOpenCellsAskForColoursWhenPainted) {
    FakeDesktop desktop;
    desktop.createControl(1501, ControlKind::kOpenCell, {});
    desktop.createControl(1502, ControlKind::kClueCell, {});
    desktop.createControl(1500, ControlKind::kStatusBox, {});
    std::vector<int> asked;
    desktop.onColourRequest([&](int id) {
        asked.push_back(id);
        return ga::TextColour{255, 0, 0};
    });
    EXPECT_EQ(desktop.paintPendingCells(), 1);
    EXPECT_EQ(desktop.paintPendingCells(), 0);
    desktop.setText(1502, "3");
    desktop.setText(1501, "12");
    desktop.setFont(1501, ga::FontChoice::kSmall);
    EXPECT_EQ(desktop.paintPendingCells(), 1);
    EXPECT_EQ(asked, (std::vector<int>{1501, 1501}));
    EXPECT_EQ(desktop.control(1501)->paintedColour->red, 255);
    EXPECT_FALSE(desktop.control(1502)->paintedColour.has_value());

    desktop.repaint(1501);
    desktop.destroyControl(1501);
    EXPECT_EQ(desktop.paintPendingCells(), 0);
}

TEST(FakeDesktop, ProgressBarRecordsTheWorkersCalls) {
    FakeDesktop desktop;
    ASSERT_TRUE(desktop.createProgressBar({46, 281, 368, 11}));
    ga::ProgressMeter meter;
    meter.bar = desktop.progressBar();
    desktop.clearLog();
    std::thread worker([&] {
        meter.showAtZero();
        meter.set(0, 4, 2);
        meter.report();
    });
    worker.join();
    EXPECT_EQ(desktop.log(), (std::vector<std::string>{"progress show", "progress position 0",
                                                       "progress position 50"}));
    EXPECT_TRUE(desktop.progressBarState().visible);
    EXPECT_EQ(desktop.progressBarState().position, 50);
}

TEST(FakeDesktop, QueuedWorkerCommandWaitsForTheWindowThread) {
    FakeDesktop desktop;
    desktop.queueWorkerCommands();
    const std::thread::id windowThread = std::this_thread::get_id();
    std::vector<int> handled;
    bool onWindowThread = false;
    desktop.onWorkerCommand([&](int command) {
        handled.push_back(command);
        onWindowThread = std::this_thread::get_id() == windowThread;
    });
    EXPECT_FALSE(desktop.deliverWorkerCommand(std::chrono::milliseconds(1)));

    std::atomic<bool> returned{false};
    std::thread worker([&] {
        desktop.sendCommandFromWorker(1120);
        returned = true;
    });
    ASSERT_TRUE(desktop.deliverWorkerCommand(std::chrono::seconds(10)));
    worker.join();
    EXPECT_TRUE(returned);
    EXPECT_EQ(handled, std::vector<int>{1120});
    EXPECT_TRUE(onWindowThread);
}

TEST(FakeDesktop, DirectWorkerCommandRunsAtOnce) {
    FakeDesktop desktop;
    std::vector<int> handled;
    desktop.onWorkerCommand([&](int command) { handled.push_back(command); });
    desktop.sendCommandFromWorker(1110);
    EXPECT_EQ(handled, std::vector<int>{1110});
}

}  // namespace
