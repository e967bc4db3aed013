#pragma once
// The main window `TForm1`: object table and tab pages on the left, the
// drawing surface on the right, the menu bar from the menu table and the
// five-panel status bar. It owns the core (Editor) and the port the core
// talks to the widgets through.

#include "app/MenuBuilder.h"

#include <QMainWindow>

#include <array>
#include <functional>
#include <memory>

class QKeyEvent;
class QLabel;
class QWheelEvent;
class QSplitter;
class QTableView;

namespace kel {

class AboutWindow;
class AttributeBinding;
class CharactersWindow;
class DrawingSurface;
class Editor;
class GridRowHeader;
class ObjectGrid;
class PageControl;
class WidgetUiPort;

class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    using PortFactory = std::function<std::unique_ptr<WidgetUiPort>(MainWindow&)>;
    static constexpr int kStatusPanels = 5;

    // Without a factory the port shows real dialogs.
    explicit MainWindow(const PortFactory& makePort = {});
    ~MainWindow() override;

    Editor& editor() { return *editor_; }
    WidgetUiPort& port() { return *port_; }
    QTableView* grid() const { return grid_; }
    const ObjectGrid& objectGrid() const { return *objectGrid_; }
    DrawingSurface* surface() const { return surface_; }
    PageControl* pages() const { return pages_; }
    QLabel* statusPanel(int index) const;
    // Marks a row's number in the grid ("**" on yellow); 0 clears the mark.
    void markGridRow(int row);
    AboutWindow* aboutWindow() const { return about_; }
    CharactersWindow* charactersWindow() const { return characters_; }
    const BuiltMenus& menus() const { return menus_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    // The window's close box asks before unsaved changes go (Exit asks itself).
    void closeEvent(QCloseEvent* event) override;

private:
    bool handleKey(QWidget* widget, QKeyEvent* key);
    void handleWheel(QWheelEvent* wheel);
    void buildWidgets();
    void buildStatusBar();
    void connectGrid();
    void connectEditPage();

    QTableView* grid_ = nullptr;
    GridRowHeader* rowHeader_ = nullptr;
    ObjectGrid* objectGrid_ = nullptr;
    QWidget* moveBox_ = nullptr; // edtmove: entering it takes the Move snapshot
    DrawingSurface* surface_ = nullptr;
    PageControl* pages_ = nullptr;
    AttributeBinding* attributes_ = nullptr;
    QSplitter* leftSplitter_ = nullptr;
    QSplitter* mainSplitter_ = nullptr;
    std::array<QLabel*, kStatusPanels> panels_{};
    AboutWindow* about_ = nullptr;
    CharactersWindow* characters_ = nullptr;
    BuiltMenus menus_;
    std::unique_ptr<WidgetUiPort> port_;
    std::unique_ptr<Editor> editor_;
    const QWheelEvent* lastWheel_ = nullptr;
    quint64 lastWheelTime_ = 0;
    int wheelRemainder_ = 0;
};

} // namespace kel
