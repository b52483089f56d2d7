#include "QtMenuBar.h"

#include "Menu.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QString>

#include <array>
#include <memory>
#include <vector>

namespace {

struct EditCommand {
    std::string_view itemName;
    void (*perform)(QLineEdit&);
};

// The standard text commands the framework carries out itself, by item name.
constexpr std::array<EditCommand, 6> kEditCommands{{
    {"EditUndo", [](QLineEdit& edit) { edit.undo(); }},
    {"EditCut", [](QLineEdit& edit) { edit.cut(); }},
    {"EditCopy", [](QLineEdit& edit) { edit.copy(); }},
    {"EditPaste", [](QLineEdit& edit) { edit.paste(); }},
    {"EditClear", [](QLineEdit& edit) { edit.del(); }},
    {"EditSelectAll", [](QLineEdit& edit) { edit.selectAll(); }},
}};

const EditCommand* EditCommandFor(std::string_view itemName) {
    for (const auto& command : kEditCommands) {
        if (command.itemName == itemName) {
            return &command;
        }
    }
    return nullptr;
}

// Lives as a child of the built bar and holds what deciding an action's state needs.
class MenuBarState : public QObject {
  public:
    static constexpr const char* kObjectName = "MenuBarState";

    MenuBarState(QMenuBar* bar, MenuHandlerLookup lookup)
        : QObject(bar), handlerFor(std::move(lookup)), bar_(bar) {
        setObjectName(kObjectName);
        // A menu opened from the keyboard moves the focus onto the bar until it closes.
        connect(qApp, &QApplication::focusChanged, this, [this](QWidget* old, QWidget* now) {
            if (now == bar_ && old != nullptr && old->window() == bar_->window()) {
                focusBeforeBar_ = old;
            }
        });
    }

    // The line edit that has the keyboard focus in the bar's window, asked afresh each time a
    // command runs or a menu opens; none while another window is active, so that a command
    // never reaches a field the user is not looking at.
    QLineEdit* EditTarget() const {
        QWidget* window = bar_->window();
        if (QApplication::activeWindow() != window) {
            return nullptr;
        }
        QWidget* focused = window->focusWidget();
        if (focused == bar_) {
            focused = focusBeforeBar_.data();
        }
        return qobject_cast<QLineEdit*>(focused);
    }

    void UpdateAll() {
        for (const auto& rule : enablingRules) {
            rule();
        }
    }

    MenuHandlerLookup handlerFor;
    std::vector<std::function<void()>> enablingRules;

  private:
    QMenuBar* bar_;
    // Where the focus returns when the bar lets go of it.
    QPointer<QWidget> focusBeforeBar_;
};

MenuBarState* StateOf(QMenuBar* bar) {
    for (auto* child : bar->children()) {
        if (child->objectName() == MenuBarState::kObjectName) {
            return dynamic_cast<MenuBarState*>(child);
        }
    }
    return nullptr;
}

std::function<bool()> HandlerFor(MenuBarState* state, const std::string& name) {
    return state->handlerFor ? state->handlerFor(name) : std::function<bool()>();
}

void BindAction(QAction* action, const std::shared_ptr<MenuItem>& item, MenuBarState* state) {
    action->setObjectName(QString::fromStdString(item->Name()));
    action->setShortcut(ShortcutToKeySequence(item->Shortcut()));
    action->setVisible(item->Visible());
    action->setMenuRole(item->ClassName() == "PrefsMenuItem"  ? QAction::PreferencesRole
                        : item->ClassName() == "QuitMenuItem" ? QAction::QuitRole
                                                              : QAction::NoRole);
    const EditCommand* edit = EditCommandFor(item->Name());

    QPointer<QAction> guarded(action);
    auto updateEnabled = [guarded, item, state, edit] {
        if (!guarded || !item->AutoEnabled()) {
            return;
        }
        bool ownAction = item->HasOwnAction() || (edit != nullptr && state->EditTarget());
        guarded->setEnabled(ownAction || static_cast<bool>(HandlerFor(state, item->Name())));
    };
    updateEnabled();
    state->enablingRules.push_back(updateEnabled);

    QObject::connect(action, &QAction::triggered, state, [item, state, edit] {
        if (auto handler = HandlerFor(state, item->Name()); handler && handler()) {
            return;
        }
        if (edit != nullptr) {
            if (QLineEdit* target = state->EditTarget()) {
                edit->perform(*target);
            }
            return;
        }
        item->Action();
    });
}

void FillMenu(QMenu* menu, const MenuItem& item, MenuBarState* state);

void AddEntries(QMenu* menu, const MenuItem& parent, MenuBarState* state) {
    for (const auto& item : parent.Children()) {
        if (item->IsSeparator()) {
            QAction* separator = menu->addSeparator();
            separator->setObjectName(QString::fromStdString(item->Name()));
            separator->setVisible(item->Visible());
        } else if (item->Count() > 0) {
            FillMenu(menu->addMenu(QString::fromStdString(item->Value())), *item, state);
        } else {
            BindAction(menu->addAction(QString::fromStdString(item->Value())), item, state);
        }
    }
}

void FillMenu(QMenu* menu, const MenuItem& item, MenuBarState* state) {
    menu->setObjectName(QString::fromStdString(item.Name()));
    menu->menuAction()->setObjectName(QString::fromStdString(item.Name()));
    menu->menuAction()->setVisible(item.Visible());
    QObject::connect(menu, &QMenu::aboutToShow, state, [state] { state->UpdateAll(); });
    AddEntries(menu, item, state);
}

} // namespace

QKeySequence ShortcutToKeySequence(std::string_view shortcut) {
    QString text = QString::fromUtf8(shortcut.data(), static_cast<qsizetype>(shortcut.size()));
    // Qt's portable names: Ctrl is Command on macOS, Alt is Option.
    const QStringList parts = text.split('+');
    QStringList mapped;
    for (const QString& part : parts) {
        const QString key = part.trimmed();
        if (key.compare("Cmd", Qt::CaseInsensitive) == 0 ||
            key.compare("Command", Qt::CaseInsensitive) == 0) {
            mapped << "Ctrl";
        } else if (key.compare("Option", Qt::CaseInsensitive) == 0) {
            mapped << "Alt";
        } else {
            mapped << key;
        }
    }
    return QKeySequence(mapped.join('+'), QKeySequence::PortableText);
}

QMenuBar* BuildQtMenuBar(const MenuBar& bar, QWidget* parent, MenuHandlerLookup handlerFor) {
    auto* qtBar = new QMenuBar(parent);
    qtBar->setObjectName(QString::fromStdString(bar.Name()));
    auto* state = new MenuBarState(qtBar, std::move(handlerFor));
    for (const auto& entry : bar.Children()) {
        if (entry->Count() > 0) {
            FillMenu(qtBar->addMenu(QString::fromStdString(entry->Value())), *entry, state);
        } else if (entry->IsSeparator()) {
            qtBar->addSeparator()->setObjectName(QString::fromStdString(entry->Name()));
        } else {
            BindAction(qtBar->addAction(QString::fromStdString(entry->Value())), entry, state);
        }
    }
    return qtBar;
}

void UpdateQtMenuBarEnabling(QMenuBar* bar) {
    if (bar == nullptr) {
        return;
    }
    if (auto* state = StateOf(bar)) {
        state->UpdateAll();
    }
}
