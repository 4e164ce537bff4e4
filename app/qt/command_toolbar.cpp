#include "app/qt/command_toolbar.h"

#include <algorithm>

#include <QApplication>
#include <QDragEnterEvent>
#include <QDragMoveEvent>
#include <QDropEvent>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>
#include <QToolButton>

#include "app/qt/main_frame.h"
#include "res/toolbars.h"

namespace kavel {
namespace {

// The command a drag carries, or 0 when it carries none.
int CommandFrom(const QMimeData* mime) {
    if (!mime || !mime->hasFormat(QLatin1String(kCommandMimeType))) return 0;
    bool ok = false;
    const int id = QString::fromLatin1(mime->data(QLatin1String(kCommandMimeType))).toInt(&ok);
    return ok ? id : 0;
}

}  // namespace

CommandToolBar::CommandToolBar(CMainFrame& frame, int bar_id, const QString& name,
                               std::vector<int> default_commands)
    : QToolBar(name, &frame),
      m_frame(frame),
      m_bar_id(bar_id),
      m_default_commands(std::move(default_commands)) {
    setObjectName(QString::number(bar_id));
    setAcceptDrops(true);
    setIconSize(QSize(res::kToolbarImageWidth, res::kToolbarImageHeight));
    SetCommands(m_default_commands);
}

void CommandToolBar::SetCommands(const std::vector<int>& commands) {
    std::vector<int> kept;
    for (const int id : commands) {
        if (id != 0) {
            if (!m_frame.ActionFor(id)) continue;
            if (std::find(kept.begin(), kept.end(), id) != kept.end()) continue;
        }
        kept.push_back(id);
    }
    // The buttons already shown stay (a restored layout usually holds the bar's defaults).
    if (m_built && kept == m_commands) return;
    m_commands = std::move(kept);
    Rebuild();
}

void CommandToolBar::InsertCommand(int index, int id) {
    if (id != 0 && !m_frame.ActionFor(id)) return;
    std::vector<int> commands = m_commands;
    index = std::clamp(index, 0, static_cast<int>(commands.size()));
    if (id != 0) {
        const auto existing = std::find(commands.begin(), commands.end(), id);
        if (existing != commands.end()) {
            const int from = static_cast<int>(existing - commands.begin());
            commands.erase(existing);
            if (from < index) --index;
        }
    }
    commands.insert(commands.begin() + index, id);
    SetCommands(commands);
}

void CommandToolBar::RemoveCommandAt(int index) {
    if (index < 0 || index >= static_cast<int>(m_commands.size())) return;
    std::vector<int> commands = m_commands;
    commands.erase(commands.begin() + index);
    SetCommands(commands);
}

QWidget* CommandToolBar::WidgetAt(int index) const {
    if (index < 0 || index >= static_cast<int>(m_button_actions.size())) return nullptr;
    return widgetForAction(m_button_actions[static_cast<std::size_t>(index)]);
}

int CommandToolBar::InsertionIndexAt(QPoint pos) const {
    const bool horizontal = orientation() == Qt::Horizontal;
    for (int i = 0; i < static_cast<int>(m_button_actions.size()); ++i) {
        const QWidget* widget = WidgetAt(i);
        if (!widget || !widget->isVisible()) continue;
        const QPoint centre = widget->geometry().center();
        if (horizontal ? pos.x() < centre.x() : pos.y() < centre.y()) return i;
    }
    return static_cast<int>(m_button_actions.size());
}

void CommandToolBar::Rebuild() {
    for (QAction* action : m_button_actions) {
        removeAction(action);
        if (action->parent() == this) delete action;  // separators are the bar's own
    }
    m_button_actions.clear();
    m_built = true;
    for (const int id : m_commands) {
        QAction* action = nullptr;
        if (id == 0) {
            action = new QAction(this);
            action->setSeparator(true);
        } else {
            action = m_frame.ActionFor(id);
        }
        insertAction(m_customize_action, action);
        m_button_actions.push_back(action);
        if (QWidget* widget = widgetForAction(action)) widget->installEventFilter(this);
    }
    emit commandsChanged();
}

void CommandToolBar::EnableCustomizeButton(bool enable, int command_id, const QString& label,
                                           bool quick_customize) {
    if (!enable) {
        if (m_customize_action) {
            removeAction(m_customize_action);
            delete m_customize_action;  // deletes the button and its menu with it
            m_customize_action = nullptr;
            m_customize_button = nullptr;
            m_customize_menu = nullptr;
        }
        return;
    }
    m_customize_command = command_id;
    m_customize_label = label;
    m_quick_customize = quick_customize;
    if (m_customize_action) return;

    m_customize_button = new QToolButton(this);
    m_customize_button->setObjectName(QStringLiteral("customizeButton"));
    m_customize_button->setArrowType(Qt::DownArrow);
    m_customize_button->setPopupMode(QToolButton::InstantPopup);
    m_customize_button->setToolTip(tr("Toolbar Options"));
    m_customize_button->setFocusPolicy(Qt::NoFocus);
    m_customize_menu = new QMenu(m_customize_button);
    connect(m_customize_menu, &QMenu::aboutToShow, this, &CommandToolBar::FillCustomizeMenu);
    m_customize_button->setMenu(m_customize_menu);
    m_customize_action = addWidget(m_customize_button);
    emit commandsChanged();
}

void CommandToolBar::FillCustomizeMenu() {
    m_customize_menu->clear();
    if (m_quick_customize) {
        // Every button the bar had at first or has now, each checked while it is on the bar.
        std::vector<int> candidates;
        for (const int id : m_default_commands) {
            if (id != 0) candidates.push_back(id);
        }
        for (const int id : m_commands) {
            if (id != 0 && std::find(candidates.begin(), candidates.end(), id) == candidates.end())
                candidates.push_back(id);
        }
        QMenu* add_remove = m_customize_menu->addMenu(tr("Add or Remove Buttons"));
        for (const int id : candidates) {
            const QAction* command = m_frame.ActionFor(id);
            if (!command) continue;
            QAction* item = add_remove->addAction(command->icon(), command->iconText());
            item->setCheckable(true);
            item->setChecked(std::find(m_commands.begin(), m_commands.end(), id) !=
                             m_commands.end());
            connect(item, &QAction::toggled, this, [this, id](bool on) {
                const auto at = std::find(m_commands.begin(), m_commands.end(), id);
                if (!on) {
                    if (at != m_commands.end())
                        RemoveCommandAt(static_cast<int>(at - m_commands.begin()));
                    return;
                }
                // Back where it was at first: before the next default button still present.
                const auto in_defaults =
                    std::find(m_default_commands.begin(), m_default_commands.end(), id);
                int index = static_cast<int>(m_commands.size());
                if (in_defaults != m_default_commands.end()) {
                    for (auto next = in_defaults + 1; next != m_default_commands.end(); ++next) {
                        const auto present = std::find(m_commands.begin(), m_commands.end(), *next);
                        if (*next != 0 && present != m_commands.end()) {
                            index = static_cast<int>(present - m_commands.begin());
                            break;
                        }
                    }
                }
                InsertCommand(index, id);
            });
        }
        add_remove->addSeparator();
        add_remove->addAction(tr("Reset Toolbar"), this, &CommandToolBar::Reset);
        m_frame.ApplyLookTo(add_remove);
    }
    QAction* customize = m_customize_menu->addAction(m_customize_label);
    customize->setData(m_customize_command);
    connect(customize, &QAction::triggered, &m_frame,
            [this] { m_frame.OnCommand(m_customize_command); });
}

bool CommandToolBar::CanDragButtons(Qt::KeyboardModifiers modifiers) const {
    return m_frame.IsCustomizing() || (s_alt_customization && (modifiers & Qt::AltModifier));
}

bool CommandToolBar::eventFilter(QObject* watched, QEvent* event) {
    auto* widget = qobject_cast<QWidget*>(watched);
    if (!widget || widget->parentWidget() != this) return QToolBar::eventFilter(watched, event);

    switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick: {
            const auto* mouse = static_cast<QMouseEvent*>(event);
            if (mouse->button() != Qt::LeftButton || !CanDragButtons(mouse->modifiers())) break;
            const auto it = std::find_if(m_button_actions.begin(), m_button_actions.end(),
                                         [&](QAction* a) { return widgetForAction(a) == widget; });
            if (it == m_button_actions.end()) break;
            m_drag_button = widget;
            m_drag_index = static_cast<int>(it - m_button_actions.begin());
            m_drag_start = mouse->globalPosition().toPoint();
            m_dragging = false;
            return true;  // the button is picked up, not pressed
        }
        case QEvent::MouseMove: {
            if (m_drag_button != widget) break;
            const auto* mouse = static_cast<QMouseEvent*>(event);
            if (!m_dragging && (mouse->globalPosition().toPoint() - m_drag_start).manhattanLength() >=
                                   QApplication::startDragDistance()) {
                m_dragging = true;
                QApplication::setOverrideCursor(Qt::DragMoveCursor);
            }
            return true;
        }
        case QEvent::MouseButtonRelease: {
            const auto* mouse = static_cast<QMouseEvent*>(event);
            if (m_drag_button != widget || mouse->button() != Qt::LeftButton) break;
            m_drag_button = nullptr;
            if (m_dragging) {
                m_dragging = false;
                QApplication::restoreOverrideCursor();
                FinishButtonDrag(mouse->globalPosition().toPoint());
            }
            return true;
        }
        default:
            break;
    }
    return QToolBar::eventFilter(watched, event);
}

void CommandToolBar::FinishButtonDrag(QPoint global_pos) {
    const int from = m_drag_index;
    if (from < 0 || from >= static_cast<int>(m_commands.size())) return;
    const int id = m_commands[static_cast<std::size_t>(from)];

    CommandToolBar* target = nullptr;
    for (QWidget* w = QApplication::widgetAt(global_pos); w; w = w->parentWidget()) {
        if ((target = qobject_cast<CommandToolBar*>(w))) break;
    }
    QPointer<CommandToolBar> target_bar(target);
    // The dragged button belongs to an action that the change removes: change the bars once
    // its mouse event is over.
    QMetaObject::invokeMethod(this, [this, from, id, target_bar, global_pos] {
        if (from >= static_cast<int>(m_commands.size()) ||
            m_commands[static_cast<std::size_t>(from)] != id)
            return;
        if (!target_bar) {  // dropped off every bar
            RemoveCommandAt(from);
            return;
        }
        int to = target_bar->InsertionIndexAt(target_bar->mapFromGlobal(global_pos));
        if (target_bar == this) {
            std::vector<int> commands = m_commands;
            commands.erase(commands.begin() + from);
            if (to > from) --to;
            commands.insert(commands.begin() + std::clamp(to, 0, static_cast<int>(commands.size())),
                            id);
            SetCommands(commands);
        } else {
            RemoveCommandAt(from);
            target_bar->InsertCommand(to, id);
        }
    }, Qt::QueuedConnection);
}

void CommandToolBar::dragEnterEvent(QDragEnterEvent* event) {
    if (CommandFrom(event->mimeData()) != 0) {
        event->acceptProposedAction();
        return;
    }
    QToolBar::dragEnterEvent(event);
}

void CommandToolBar::dragMoveEvent(QDragMoveEvent* event) {
    if (CommandFrom(event->mimeData()) != 0) {
        event->acceptProposedAction();
        return;
    }
    QToolBar::dragMoveEvent(event);
}

void CommandToolBar::dropEvent(QDropEvent* event) {
    const int id = CommandFrom(event->mimeData());
    if (id == 0) {
        QToolBar::dropEvent(event);
        return;
    }
    InsertCommand(InsertionIndexAt(event->position().toPoint()), id);
    event->acceptProposedAction();
}

}  // namespace kavel
