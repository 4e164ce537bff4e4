#include "bench/startup/bare_window.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPaintEvent>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>

namespace {

// As many of each as the panel has.
constexpr int kColumns = 5;
// The panel's scroll bars run from 0 to this; the value is what they start at.
constexpr int kScrollMaximum = 100;
constexpr int kScrollValue = 50;
// The same toolbar pictures as Kavel's standard toolbar (Kavel's resources are linked in).
constexpr const char* kToolBarImages[] = {":/app/images/tb_cut.png", ":/app/images/tb_copy.png",
                                          ":/app/images/tb_paste.png",
                                          ":/app/images/tb_about.png"};

}  // namespace

BareWindow::BareWindow(std::function<void()> on_first_paint)
    : m_on_first_paint(std::move(on_first_paint)) {
    setWindowTitle(QStringLiteral("Bare"));
    CreateMenus();
    CreateToolBar();
    CreatePanel();
    CreateStatusBar();
    // The size Kavel opens at the first time: three quarters of the screen.
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        resize(screen->availableGeometry().size() * 3 / 4);
}

void BareWindow::CreateMenus() {
    QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
    file->addAction(QStringLiteral("E&xit"), this, &QWidget::close);
    QMenu* edit = menuBar()->addMenu(QStringLiteral("&Edit"));
    edit->addAction(QStringLiteral("&Undo"));
    edit->addSeparator();
    for (const char* text : {"Cu&t", "&Copy", "&Paste"}) edit->addAction(QString::fromLatin1(text));
    QMenu* view = menuBar()->addMenu(QStringLiteral("&View"));
    view->addAction(QStringLiteral("&Status Bar"))->setCheckable(true);
    QMenu* options = menuBar()->addMenu(QStringLiteral("&Options"));
    options->addAction(QStringLiteral("&Comm settings"));
    options->addAction(QStringLiteral("Custom configuration file name"));
    QMenu* help = menuBar()->addMenu(QStringLiteral("&Help"));
    help->addAction(QStringLiteral("&About..."));
}

void BareWindow::CreateToolBar() {
    QToolBar* bar = addToolBar(QStringLiteral("Standard"));
    for (int i = 0; i < 4; ++i) {
        if (i == 3) bar->addSeparator();
        bar->addAction(QIcon(QString::fromLatin1(kToolBarImages[i])), QString::number(i));
    }
}

void BareWindow::CreatePanel() {
    auto* panel = new QWidget(this);
    auto* grid = new QGridLayout(panel);
    for (int column = 0; column < kColumns; ++column) {
        auto* bar = new QScrollBar(Qt::Vertical, panel);
        bar->setRange(0, kScrollMaximum);
        bar->setValue(kScrollValue);
        grid->addWidget(bar, 0, column, Qt::AlignHCenter);
        grid->addWidget(new QLineEdit(QString::number(kScrollValue), panel), 1, column);
    }
    auto* row = new QHBoxLayout;
    row->addWidget(new QCheckBox(QStringLiteral("Auto send"), panel));
    for (const char* text : {"Send All", "Start", "Stop"})
        row->addWidget(new QPushButton(QString::fromLatin1(text), panel));
    grid->addLayout(row, 2, 0, 1, kColumns);
    setCentralWidget(panel);
}

void BareWindow::CreateStatusBar() {
    statusBar()->addWidget(new QLabel(QStringLiteral("Ready")), 1);
    for (const char* text : {"CAP", "NUM", "SCRL"})
        statusBar()->addPermanentWidget(new QLabel(QString::fromLatin1(text)));
}

void BareWindow::paintEvent(QPaintEvent* event) {
    QMainWindow::paintEvent(event);
    if (!m_painted) {
        m_painted = true;
        if (m_on_first_paint) QTimer::singleShot(0, this, m_on_first_paint);
    }
}
