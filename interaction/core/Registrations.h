#pragma once
// What a folder adds to the editor: its tools by mode and its menu and popup
// commands by component name. Every folder has one registration entry; the
// program (and a test that wants the full set) runs them all before the
// editor wires the menu items to the tools, so their order does not matter.

namespace kel {

class CommandRegistry;
class ToolRegistry;

struct Registrations {
    ToolRegistry& tools;
    CommandRegistry& commands;
};

using RegistrationEntry = void (*)(Registrations&);

// The tools and commands of interaction/: pointer, key and wheel tools, the
// edit-by-pick tools, the frame, file and attribute commands.
void registerInteraction(Registrations& registrations);

} // namespace kel
