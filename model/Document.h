#pragma once
// Everything a drawing session owns below the screen: the object table, the
// scratch table, the current attributes and the name of the open file. The
// row routines take it so they can reach the screen through the port.

#include "model/Attributes.h"
#include "model/ObjectTable.h"
#include "model/TableHistory.h"
#include "model/UiPort.h"

namespace kel {

struct Document {
    explicit Document(UiPort& port) : ui(port) {}
    Document(const Document&) = delete;
    Document& operator=(const Document&) = delete;

    UiPort& ui;
    ObjectTable table;      // gd
    ObjectTable scratch{2}; // tempgd
    TableHistory history{table};
    CurrentAttributes current;
    AttributePanel panel;
    QString fileName; // the open KEL file, shown in status panel 2
    // The open and save dialogs each propose the last name chosen in them.
    QString openDialogName;
    QString saveDialogName;
};

} // namespace kel
