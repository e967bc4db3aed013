#pragma once
// The extended characters window: the 256 characters of a single-byte font
// in a 16 x 16 table. A click on a cell inserts its character into the
// window's text box, which feeds the text box of page T2; the table's font
// becomes the text font when the window closes. Created hidden with the
// main window and only hidden, never destroyed, when closed.

#include <QFont>
#include <QWidget>

class QLabel;
class QLineEdit;
class QTableWidget;

namespace kel {

class Editor;

class CharactersWindow : public QWidget {
    Q_OBJECT
public:
    static constexpr int kCells = 16;

    CharactersWindow(QWidget* parent, Editor& editor);

    // One of the window's named controls (sgchars, edtkeltext, btnselfont,
    // btnclearedt, Button1, Label1); null for any other name.
    QWidget* control(const QString& name) const;

    // The code of the cell in column c, row r.
    static int codeAt(int column, int row) { return kCells * row + column; }

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void fillTable();
    void pointAtCell(int row, int column);
    void insertCell(int row, int column);
    void chooseFont();
    void setTableFont(const QFont& font);

    Editor& editor_;
    QTableWidget* table_;
    QLineEdit* text_;
    QLabel* codeLabel_;
    bool placed_ = false; // centred on the screen at the first showing
};

} // namespace kel
