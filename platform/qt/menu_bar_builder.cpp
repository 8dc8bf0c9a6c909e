#include "platform/qt/menu_bar_builder.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QString>

#include "app/menu_table.h"

namespace ga {

namespace {

void addEntries(QMenu& menu, TableView<MenuEntry> entries, std::map<int, QAction*>& actions) {
    for (const MenuEntry& entry : entries) {
        switch (entry.kind) {
            case MenuEntryKind::kItem: {
                QAction* action = menu.addAction(QString::fromUtf8(entry.text));
                action->setData(entry.command);
                actions[entry.command] = action;
                break;
            }
            case MenuEntryKind::kSeparator:
                menu.addSeparator();
                break;
            case MenuEntryKind::kSubPopup:
                addEntries(*menu.addMenu(QString::fromUtf8(entry.text)), entry.subEntries, actions);
                break;
        }
    }
}

}  // namespace

std::map<int, QAction*> buildMenuBar(QMenuBar& bar) {
    std::map<int, QAction*> actions;
    for (const MenuPopup& popup : menuPopups()) {
        addEntries(*bar.addMenu(QString::fromUtf8(popup.title)), popup.entries, actions);
    }
    return actions;
}

}  // namespace ga
