// "Done" of page T7: the running tool commits what it previews. The click
// is made where the pointer last was, since a click re-runs the preview at
// its own position and a click anywhere else could commit something else.

#include "constructions/triangles/TriangleTools.h"

#include "interaction/core/Editor.h"
#include "interaction/menus/CommandRegistry.h"

namespace kel {

namespace {

void valuePageDone(Editor& editor)
{
    editor.clickAtPointer();
    editor.ui().setControlVisible(Control::btnmodcircle, false);
}

} // namespace

void registerValuePageDone(Registrations& registrations)
{
    registrations.commands.add(controlName(Control::lbDone), valuePageDone);
}

} // namespace kel
