#include "app/qt/customize_dialog.h"

#include <climits>

#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QInputDialog>
#include <QLabel>
#include <QListWidget>
#include <QMimeData>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include "app/qt/command_toolbar.h"
#include "app/qt/main_frame.h"
#include "app/qt/qt_resources.h"
#include "res/resource_ids.h"
#include "res/toolbars.h"

namespace kavel {
namespace {

constexpr int kUserToolbarCount = ids::ID_USER_TOOLBAR_LAST - ids::ID_USER_TOOLBAR_FIRST + 1;

// The commands list: dragging an entry carries its command id.
class CommandList final : public QListWidget {
public:
    using QListWidget::QListWidget;

protected:
    QStringList mimeTypes() const override { return {QLatin1String(kCommandMimeType)}; }
    QMimeData* mimeData(const QList<QListWidgetItem*>& items) const override {
        if (items.isEmpty()) return nullptr;
        auto* mime = new QMimeData;
        mime->setData(QLatin1String(kCommandMimeType),
                      QByteArray::number(items.front()->data(Qt::UserRole).toInt()));
        return mime;
    }
};

}  // namespace

CustomizeDialog::CustomizeDialog(CMainFrame& frame) : QDialog(&frame), m_frame(frame) {
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(tr("Customize"));

    auto* tabs = new QTabWidget(this);
    tabs->addTab(BuildCommandsPage(), tr("&Commands"));
    tabs->addTab(BuildToolbarsPage(), tr("&Toolbars"));

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::close);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabs);
    layout->addWidget(buttons);

    for (CommandToolBar* bar : m_frame.ToolBars()) {
        connect(bar, &QToolBar::visibilityChanged, this, &CustomizeDialog::RefreshBars);
    }
    RefreshBars();
    m_categories->setCurrentRow(0);
}

QWidget* CustomizeDialog::BuildCommandsPage() {
    auto* page = new QWidget;
    m_categories = new QListWidget(page);
    m_categories->setObjectName(QStringLiteral("categories"));
    for (const auto& [menu, ids] : m_frame.CommandsByMenu()) m_categories->addItem(menu);
    m_categories->addItem(tr("All Commands"));
    connect(m_categories, &QListWidget::currentRowChanged, this, &CustomizeDialog::ShowCategory);

    m_commands = new CommandList(page);
    m_commands->setObjectName(QStringLiteral("commands"));
    m_commands->setDragEnabled(true);
    m_commands->setDragDropMode(QAbstractItemView::DragOnly);
    m_commands->setIconSize(QSize(res::kToolbarImageWidth, res::kToolbarImageHeight));
    connect(m_commands, &QListWidget::currentRowChanged, this, &CustomizeDialog::ShowDescription);

    m_description = new QLabel(page);
    m_description->setWordWrap(true);
    m_target = new QComboBox(page);
    m_target->setObjectName(QStringLiteral("target"));
    auto* add = new QPushButton(tr("&Add"), page);
    add->setObjectName(QStringLiteral("add"));
    connect(add, &QPushButton::clicked, this, [this] {
        auto* bar = m_target->currentData().value<QObject*>();
        AddCommand(SelectedCommand(), qobject_cast<CommandToolBar*>(bar));
    });

    auto* grid = new QGridLayout(page);
    grid->addWidget(new QLabel(tr("Categories:"), page), 0, 0);
    grid->addWidget(new QLabel(tr("Commands:"), page), 0, 1);
    grid->addWidget(m_categories, 1, 0);
    grid->addWidget(m_commands, 1, 1);
    grid->addWidget(new QLabel(tr("Description:"), page), 2, 0, 1, 2);
    grid->addWidget(m_description, 3, 0, 1, 2);
    auto* add_row = new QHBoxLayout;
    add_row->addWidget(new QLabel(tr("Add to toolbar:"), page));
    add_row->addWidget(m_target, 1);
    add_row->addWidget(add);
    grid->addLayout(add_row, 4, 0, 1, 2);
    auto* hint = new QLabel(tr("Drag a command onto any toolbar to add it there. Drag a button "
                               "off its toolbar to remove it, or along the bars to move it; "
                               "without this dialog, hold Alt while dragging."),
                            page);
    hint->setWordWrap(true);
    grid->addWidget(hint, 5, 0, 1, 2);
    grid->setColumnStretch(1, 2);
    return page;
}

QWidget* CustomizeDialog::BuildToolbarsPage() {
    auto* page = new QWidget;
    m_bars = new QListWidget(page);
    m_bars->setObjectName(QStringLiteral("bars"));
    connect(m_bars, &QListWidget::itemChanged, this, &CustomizeDialog::OnBarItemChanged);
    connect(m_bars, &QListWidget::currentRowChanged, this, &CustomizeDialog::RefreshBars);

    m_new = new QPushButton(tr("&New..."), page);
    m_rename = new QPushButton(tr("Re&name..."), page);
    m_delete = new QPushButton(tr("&Delete"), page);
    m_reset = new QPushButton(tr("&Reset"), page);
    m_new->setObjectName(QStringLiteral("new"));
    m_rename->setObjectName(QStringLiteral("rename"));
    m_delete->setObjectName(QStringLiteral("delete"));
    m_reset->setObjectName(QStringLiteral("reset"));
    connect(m_new, &QPushButton::clicked, this, &CustomizeDialog::OnNew);
    connect(m_rename, &QPushButton::clicked, this, &CustomizeDialog::OnRename);
    connect(m_delete, &QPushButton::clicked, this, &CustomizeDialog::OnDelete);
    connect(m_reset, &QPushButton::clicked, this, &CustomizeDialog::OnReset);

    auto* column = new QVBoxLayout;
    for (QPushButton* button : {m_new, m_rename, m_delete, m_reset}) column->addWidget(button);
    column->addStretch(1);
    auto* layout = new QGridLayout(page);
    layout->addWidget(new QLabel(tr("Toolbars:"), page), 0, 0);
    layout->addWidget(m_bars, 1, 0);
    layout->addLayout(column, 1, 1);
    return page;
}

void CustomizeDialog::ShowCategory(int row) {
    m_commands->clear();
    const auto menus = m_frame.CommandsByMenu();
    std::vector<int> ids;
    if (row >= 0 && row < static_cast<int>(menus.size())) {
        ids = menus[static_cast<std::size_t>(row)].second;
    } else {
        for (const auto& [menu, menu_ids] : menus) ids.insert(ids.end(), menu_ids.begin(), menu_ids.end());
    }
    for (const int id : ids) {
        const QAction* action = m_frame.ActionFor(id);
        if (!action) continue;
        auto* item = new QListWidgetItem(action->icon(), action->iconText(), m_commands);
        item->setData(Qt::UserRole, id);
    }
    m_commands->setCurrentRow(0);
}

void CustomizeDialog::ShowDescription() {
    const int id = SelectedCommand();
    m_description->setText(id ? PromptFor(id) : QString());
}

int CustomizeDialog::SelectedCommand() const {
    const QListWidgetItem* item = m_commands->currentItem();
    return item ? item->data(Qt::UserRole).toInt() : 0;
}

void CustomizeDialog::AddCommand(int id, CommandToolBar* bar) {
    if (id == 0 || !bar) return;
    bar->InsertCommand(INT_MAX, id);
    if (bar->isHidden()) bar->show();
}

CommandToolBar* CustomizeDialog::SelectedBar() const {
    const QListWidgetItem* item = m_bars->currentItem();
    if (!item) return nullptr;
    const int id = item->data(Qt::UserRole).toInt();
    for (CommandToolBar* bar : m_frame.ToolBars()) {
        if (bar->BarId() == id) return bar;
    }
    return nullptr;
}

void CustomizeDialog::RefreshBars() {
    if (m_refreshing) return;
    m_refreshing = true;
    const int selected = m_bars->currentItem() ? m_bars->currentItem()->data(Qt::UserRole).toInt() : 0;
    const auto bars = m_frame.ToolBars();

    m_bars->clear();
    m_target->clear();
    for (CommandToolBar* bar : bars) {
        auto* item = new QListWidgetItem(bar->windowTitle(), m_bars);
        item->setData(Qt::UserRole, bar->BarId());
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        item->setCheckState(bar->isHidden() ? Qt::Unchecked : Qt::Checked);
        if (bar->BarId() == selected) m_bars->setCurrentItem(item);
        m_target->addItem(bar->windowTitle(), QVariant::fromValue<QObject*>(bar));
    }
    if (!m_bars->currentItem() && m_bars->count() > 0) m_bars->setCurrentRow(0);

    const CommandToolBar* bar = SelectedBar();
    const bool user_bar = bar && bar->BarId() != ids::AFX_IDW_TOOLBAR;
    m_new->setEnabled(static_cast<int>(bars.size()) - 1 < kUserToolbarCount);
    m_rename->setEnabled(user_bar);
    m_delete->setEnabled(user_bar);
    m_reset->setEnabled(bar && !user_bar);
    m_refreshing = false;
}

void CustomizeDialog::OnBarItemChanged(QListWidgetItem* item) {
    if (m_refreshing || !item) return;
    const int id = item->data(Qt::UserRole).toInt();
    for (CommandToolBar* bar : m_frame.ToolBars()) {
        if (bar->BarId() == id) bar->setVisible(item->checkState() == Qt::Checked);
    }
}

CommandToolBar* CustomizeDialog::NewToolBar(const QString& name) {
    CommandToolBar* bar = m_frame.OnToolbarCreateNew(name);
    if (bar) {
        connect(bar, &QToolBar::visibilityChanged, this, &CustomizeDialog::RefreshBars);
        RefreshBars();
        for (int row = 0; row < m_bars->count(); ++row) {
            if (m_bars->item(row)->data(Qt::UserRole).toInt() == bar->BarId())
                m_bars->setCurrentRow(row);
        }
    }
    return bar;
}

void CustomizeDialog::OnNew() {
    // The first "Custom <n>" that no bar is called yet.
    int number = 1;
    const auto taken = [this](const QString& name) {
        for (CommandToolBar* bar : m_frame.ToolBars()) {
            if (bar->windowTitle() == name) return true;
        }
        return false;
    };
    while (taken(tr("Custom %1").arg(number))) ++number;
    bool ok = false;
    const QString name = QInputDialog::getText(this, tr("New Toolbar"), tr("Toolbar name:"),
                                               QLineEdit::Normal, tr("Custom %1").arg(number), &ok);
    if (ok && !name.trimmed().isEmpty()) NewToolBar(name.trimmed());
}

void CustomizeDialog::OnRename() {
    CommandToolBar* bar = SelectedBar();
    if (!bar || bar->BarId() == ids::AFX_IDW_TOOLBAR) return;
    bool ok = false;
    const QString name = QInputDialog::getText(this, tr("Rename Toolbar"), tr("Toolbar name:"),
                                               QLineEdit::Normal, bar->windowTitle(), &ok);
    if (!ok || name.trimmed().isEmpty()) return;
    m_frame.RenameUserToolBar(bar, name.trimmed());
    RefreshBars();
}

void CustomizeDialog::OnDelete() {
    CommandToolBar* bar = SelectedBar();
    if (!bar || bar->BarId() == ids::AFX_IDW_TOOLBAR) return;
    m_frame.DeleteUserToolBar(bar);
    m_bars->setCurrentRow(0);
    RefreshBars();
}

void CustomizeDialog::OnReset() {
    if (CommandToolBar* bar = SelectedBar()) bar->Reset();
}

}  // namespace kavel
