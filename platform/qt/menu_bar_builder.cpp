#include "platform/qt/menu_bar_builder.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QString>

namespace ga {

namespace {

void addEntries(QMenu& menu, const std::vector<MenuEntry>& entries,
                std::map<int, QAction*>& actions) {
    for (const MenuEntry& entry : entries) {
        switch (entry.kind) {
            case MenuEntryKind::kItem: {
                QAction* action = menu.addAction(QString::fromStdString(entry.text));
                // Checkable from the start, so that every item of a group
                // looks alike until one is checked.
                action->setCheckable(entry.checkable);
                action->setData(entry.command);
                actions[entry.command] = action;
                break;
            }
            case MenuEntryKind::kSeparator:
                menu.addSeparator();
                break;
            case MenuEntryKind::kSubPopup:
                addEntries(*menu.addMenu(QString::fromStdString(entry.text)), entry.entries,
                           actions);
                break;
        }
    }
}

}  // namespace

std::map<int, QAction*> buildMenuBar(QMenuBar& bar, const MenuDescription& menu) {
    std::map<int, QAction*> actions;
    for (const MenuPopup& popup : menu.popups) {
        addEntries(*bar.addMenu(QString::fromStdString(popup.title)), popup.entries, actions);
    }
    return actions;
}

}  // namespace ga
