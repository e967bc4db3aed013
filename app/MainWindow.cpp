#include "app/MainWindow.h"

#include "app/DrawingSurface.h"
#include "app/PageControl.h"
#include "app/WidgetUiPort.h"
#include "interaction/Editor.h"
#include "windows/AboutWindow.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QSplitter>
#include <QStatusBar>
#include <QTableView>
#include <QVBoxLayout>

namespace kel {

namespace {
constexpr int kWindowWidth = 815;
constexpr int kWindowHeight = 645;
constexpr int kLeftPanelWidth = 254;
constexpr int kPagesHeight = 180;
constexpr int kStatusHeight = 18;
constexpr std::array<int, MainWindow::kStatusPanels> kPanelWidths = {95, 70, 200, 200, 70};
constexpr int kNarrowColumnWidth = 12;
constexpr char kEscapeKey = 27;
constexpr std::array<int, 6> kNarrowColumns = {1, 2, 6, 7, 8, 9};
} // namespace

MainWindow::MainWindow(const PortFactory& makePort)
{
    setObjectName(QStringLiteral("TForm1"));
    setWindowTitle(QStringLiteral("KelvaneD7"));
    buildWidgets();
    buildStatusBar();
    about_ = new AboutWindow(this);

    port_ = makePort ? makePort(*this) : std::make_unique<WidgetUiPort>(*this);
    editor_ = std::make_unique<Editor>(*port_);
    grid_->setModel(&editor_->doc.table);
    for (int column : kNarrowColumns)
        grid_->setColumnWidth(column - 1, kNarrowColumnWidth);
    connectGrid();
    bindPenControls();

    menus_ = buildMenuBar(
        menuBar(), [this](const QString& component) { editor_->runMenuItem(component); },
        [this](const QString& menu) { editor_->topMenuAboutToShow(menu); });

    resize(kWindowWidth, kWindowHeight);
    surface_->setEditor(editor_.get());
    editor_->start();
}

MainWindow::~MainWindow()
{
    // The views hold the table model; let them go before the core does.
    surface_->setEditor(nullptr);
    grid_->setModel(nullptr);
}

QLabel* MainWindow::statusPanel(int index) const
{
    return index >= 0 && index < kStatusPanels ? panels_[static_cast<size_t>(index)] : nullptr;
}

void MainWindow::buildWidgets()
{
    mainSplitter_ = new QSplitter(Qt::Horizontal, this);
    mainSplitter_->setObjectName(QStringLiteral("Splitter2"));
    mainSplitter_->setHandleWidth(3);
    mainSplitter_->setChildrenCollapsible(false);
    mainSplitter_->setStyleSheet(
        QStringLiteral("QSplitter#Splitter2::handle { background: purple; }"));

    leftSplitter_ = new QSplitter(Qt::Vertical, mainSplitter_);
    leftSplitter_->setObjectName(QStringLiteral("Splitter1"));
    leftSplitter_->setHandleWidth(3);
    leftSplitter_->setChildrenCollapsible(false);
    leftSplitter_->setStyleSheet(
        QStringLiteral("QSplitter#Splitter1::handle { background: blue; }"));

    grid_ = new QTableView(leftSplitter_);
    grid_->setObjectName(QStringLiteral("gd"));
    grid_->setShowGrid(false);
    grid_->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid_->setWordWrap(false);
    grid_->horizontalHeader()->setMinimumSectionSize(4);
    grid_->horizontalHeader()->setDefaultSectionSize(20);
    grid_->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    grid_->verticalHeader()->setMinimumSectionSize(4);
    grid_->verticalHeader()->setDefaultSectionSize(16);
    grid_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);

    auto* panel3 = new QWidget(leftSplitter_);
    panel3->setObjectName(QStringLiteral("Panel3"));
    auto* panel3Layout = new QVBoxLayout(panel3);
    panel3Layout->setContentsMargins(0, 0, 0, 0);
    pages_ = new PageControl(panel3);
    panel3Layout->addWidget(pages_);
    leftSplitter_->addWidget(grid_);
    leftSplitter_->addWidget(panel3);
    leftSplitter_->setStretchFactor(0, 1);
    leftSplitter_->setStretchFactor(1, 0);
    leftSplitter_->setSizes({kWindowHeight - kPagesHeight, kPagesHeight});

    surface_ = new DrawingSurface(mainSplitter_);
    mainSplitter_->addWidget(leftSplitter_);
    mainSplitter_->addWidget(surface_);
    mainSplitter_->setStretchFactor(0, 0);
    mainSplitter_->setStretchFactor(1, 1);
    mainSplitter_->setSizes({kLeftPanelWidth, kWindowWidth - kLeftPanelWidth});
    setCentralWidget(mainSplitter_);
}

void MainWindow::buildStatusBar()
{
    QStatusBar* bar = statusBar();
    bar->setObjectName(QStringLiteral("sb"));
    bar->setSizeGripEnabled(false);
    bar->setFixedHeight(kStatusHeight);
    for (int i = 0; i < kStatusPanels; ++i) {
        auto* panel = new QLabel(bar);
        panel->setObjectName(QStringLiteral("sbPanel%1").arg(i));
        panel->setFrameShape(QFrame::Panel);
        panel->setFrameShadow(QFrame::Sunken);
        const int width = kPanelWidths[static_cast<size_t>(i)];
        if (i + 1 < kStatusPanels) {
            panel->setFixedWidth(width);
            bar->addWidget(panel);
        } else {
            // The last panel reaches to the right edge.
            panel->setMinimumWidth(width);
            bar->addWidget(panel, 1);
        }
        panels_[static_cast<size_t>(i)] = panel;
    }
}

void MainWindow::connectGrid()
{
    connect(grid_, &QTableView::pressed, this, [this] { editor_->gdMouseDown(); });
    connect(grid_, &QTableView::clicked, this, [this] { editor_->gdClick(); });
    connect(grid_, &QTableView::doubleClicked, this,
            [this](const QModelIndex& index) { editor_->gdDblClick(index.row() + 1); });
    grid_->installEventFilter(this);
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == grid_ && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Escape) {
            editor_->gdKeyPress(kEscapeKey);
            return true;
        }
        if (key->key() == Qt::Key_Space) {
            editor_->gdKeyPress(' ');
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void MainWindow::bindPenControls()
{
    // The pen width box keeps its text and integer in the core's panel state.
    if (auto* penWidth = pages_->control<QLineEdit>(QStringLiteral("Edit1"))) {
        connect(penWidth, &QLineEdit::textChanged, this, [this](const QString& text) {
            bool ok = false;
            const int value = text.toInt(&ok);
            editor_->doc.panel.penWidth = {text, ok ? value : 0};
            editor_->doc.current.penWidth = editor_->doc.panel.penWidth.value;
        });
    }
}

} // namespace kel
