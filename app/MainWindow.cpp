#include "app/MainWindow.h"

#include "app/AttributeBinding.h"
#include "app/DrawingSurface.h"
#include "app/FolderRegistrations.h"
#include "app/GridRowHeader.h"
#include "app/InterfaceFont.h"
#include "app/ObjectGrid.h"
#include "app/PageControl.h"
#include "app/WidgetUiPort.h"
#include "interaction/commands/FrameCommands.h"
#include "interaction/commands/MoveTab.h"
#include "interaction/commands/TableCommands.h"
#include "interaction/core/Editor.h"
#include "interaction/core/KeyHandler.h"
#include "interaction/tools/curves/BezierPage.h"
#include "model/Controls.h"
#include "windows/AboutWindow.h"
#include "windows/CharactersWindow.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QSplitter>
#include <QStatusBar>
#include <QTableView>
#include <QVBoxLayout>
#include <QWheelEvent>

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
constexpr int kWheelNotch = 120;
constexpr std::array<int, 6> kNarrowColumns = {1, 2, 6, 7, 8, 9};

// Which point box of the Bezier page a widget is; -1 for any other.
int bezierBoxOf(const QObject* widget)
{
    const std::optional<Control> control = controlFromName(widget->objectName());
    return control ? bezierBoxIndex(*control) : -1;
}
} // namespace

MainWindow::MainWindow(const PortFactory& makePort)
{
    setObjectName(QStringLiteral("TForm1"));
    setWindowTitle(QStringLiteral("KelvaneD7"));
    // The application's font, not only the window's: the style sheets of the
    // splitters keep a widget's font from reaching its children until they
    // are polished, and the controls size themselves before that.
    QApplication::setFont(interfaceFont());
    buildWidgets();
    buildStatusBar();
    about_ = new AboutWindow(this);

    port_ = makePort ? makePort(*this) : std::make_unique<WidgetUiPort>(*this);
    editor_ = std::make_unique<Editor>(
        *port_, std::initializer_list<RegistrationEntry>{registerAllFolders});
    grid_->setModel(&editor_->doc.table);
    for (int column : kNarrowColumns)
        grid_->setColumnWidth(column - 1, kNarrowColumnWidth);
    connectGrid();
    connectEditPage();
    attributes_ = new AttributeBinding(*pages_, *surface_, *editor_, this);
    qApp->installEventFilter(this);
    moveBox_ = pages_->control<QLineEdit>(Control::edtmove);
    if (auto* done = pages_->control<QPushButton>(Control::btndone))
        connect(done, &QPushButton::clicked, this,
                [this] { editor_->runEvent([this] { moveTabDone(*editor_); }, true); });
    // The characters window lives hidden from start-up; "Chars" shows it.
    characters_ = new CharactersWindow(this, *editor_);
    if (auto* chars = pages_->control<QPushButton>(Control::btnchars))
        connect(chars, &QPushButton::clicked, characters_, &QWidget::show);
    // Page buttons whose commands the folders register under their names.
    for (const Control name : {Control::btndir, Control::lbDone, Control::btnmodcircle}) {
        if (auto* button = pages_->control<QPushButton>(name))
            connect(button, &QPushButton::clicked, this,
                    [this, name] { editor_->pressButton(name); });
    }

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
    // The attribute widgets report focus changes while they go.
    delete attributes_;
    attributes_ = nullptr;
}

QLabel* MainWindow::statusPanel(int index) const
{
    return index >= 0 && index < kStatusPanels ? panels_[static_cast<size_t>(index)] : nullptr;
}

void MainWindow::markGridRow(int row)
{
    rowHeader_->setMarkedRow(row);
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
    // One contiguous range of rows at most: the commands on selected rows
    // act on a range.
    grid_->setSelectionMode(QAbstractItemView::ContiguousSelection);
    grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid_->setWordWrap(false);
    grid_->setTextElideMode(Qt::ElideNone); // narrow cells clip their text
    grid_->horizontalHeader()->setMinimumSectionSize(4);
    grid_->horizontalHeader()->setDefaultSectionSize(20);
    grid_->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    rowHeader_ = new GridRowHeader(grid_);
    grid_->setVerticalHeader(rowHeader_);
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

void MainWindow::closeEvent(QCloseEvent* event)
{
    if (event->spontaneous() && !confirmExit(*editor_)) {
        event->ignore();
        return;
    }
    QMainWindow::closeEvent(event);
}

void MainWindow::connectGrid()
{
    connect(grid_, &QTableView::pressed, this, [this] { editor_->gdMouseDown(); });
    connect(grid_, &QTableView::clicked, this, [this] { editor_->gdClick(); });
    connect(grid_, &QTableView::doubleClicked, this,
            [this](const QModelIndex& index) { editor_->gdDblClick(index.row() + 1); });
    // Columns are narrow by design; a double click on a header fits one to
    // its values (the header's edges drag it wider or narrower).
    connect(grid_->horizontalHeader(), &QHeaderView::sectionDoubleClicked, grid_,
            &QTableView::resizeColumnToContents);
    objectGrid_ = new ObjectGrid(grid_, surface_, *editor_, this);
}

void MainWindow::connectEditPage()
{
    if (auto* columns = pages_->control<QComboBox>(Control::cbcolumns))
        connect(columns, &QComboBox::currentIndexChanged, this,
                [this](int index) { editColumnChosen(*editor_, index + 1); });
    if (auto* update = pages_->control<QPushButton>(Control::btnupdate))
        connect(update, &QPushButton::clicked, this, [this] { updateEditedCell(*editor_); });
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event)
{
    // The window previews the keys and wheel of all its widgets, once each.
    const QEvent::Type type = event->type();
    if (type == QEvent::FocusIn && watched == moveBox_)
        moveTabEntered(*editor_);
    if (type == QEvent::FocusIn && watched->isWidgetType()) {
        const int box = bezierBoxOf(watched);
        if (box >= 0 && editor_ && isAncestorOf(static_cast<QWidget*>(watched)))
            bezierBoxEntered(*editor_, box);
    }
    if (type != QEvent::KeyPress && type != QEvent::Wheel)
        return QMainWindow::eventFilter(watched, event);
    auto* widget = qobject_cast<QWidget*>(watched);
    if (!widget || (widget != this && !isAncestorOf(widget)))
        return QMainWindow::eventFilter(watched, event);
    if (type == QEvent::Wheel) {
        handleWheel(static_cast<QWheelEvent*>(event));
        return false; // the control under the pointer still gets it
    }
    return handleKey(widget, static_cast<QKeyEvent*>(event));
}

bool MainWindow::handleKey(QWidget* widget, QKeyEvent* key)
{
    if (key->isAutoRepeat() &&
        (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter || key->key() == Qt::Key_F10))
        return true;
    KeyPress press;
    press.key = key->key();
    press.text = key->text().isEmpty() ? QChar() : key->text().front();
    if (widget == surface_)
        press.target = KeyTarget::Surface;
    else if (widget == grid_ || grid_->isAncestorOf(widget))
        press.target = KeyTarget::Grid;
    if (press.target == KeyTarget::Grid && press.key == Qt::Key_Space) {
        editor_->gdKeyPress(' ');
        return true;
    }
    if (press.target == KeyTarget::Grid && press.key == Qt::Key_Escape) {
        editor_->gdKeyPress(kEscapeKey);
        return true;
    }
    // Each key is one event: what it changes is one step of the history.
    bool bezierKey = false;
    bool consumed = false;
    editor_->runEvent(
        [&] {
            // The arrows in the Bezier page's point boxes move the curve's points.
            bezierKey = bezierBoxKey(*editor_, bezierBoxOf(widget), press.key);
            consumed = bezierKey || handleKeyPress(*editor_, press);
        },
        true);
    if (bezierKey)
        return true;
    // The attribute boxes handle their keys after the window has seen them.
    if (attributes_ && attributes_->handlesKeysOf(widget))
        return false;
    return consumed;
}

void MainWindow::handleWheel(QWheelEvent* wheel)
{
    // An unhandled wheel event climbs to the parents: count it once.
    if (wheel == lastWheel_ && wheel->timestamp() == lastWheelTime_)
        return;
    lastWheel_ = wheel;
    lastWheelTime_ = wheel->timestamp();
    wheelRemainder_ += wheel->angleDelta().y();
    const int notches = wheelRemainder_ / kWheelNotch;
    wheelRemainder_ -= notches * kWheelNotch;
    if (notches != 0)
        editor_->wheel(notches);
}

} // namespace kel
