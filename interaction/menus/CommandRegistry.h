#pragma once
// Menu and popup commands by component name. The menu table says which items
// exist; each subsystem registers the handlers it builds, and an item without
// a handler yet does nothing when chosen.

#include <QHash>
#include <QString>

#include <functional>

namespace kel {

class Editor;

class CommandRegistry {
public:
    using Handler = std::function<void(Editor&)>;

    void add(const QString& component, Handler handler);
    // Runs the handler; false when the component has none.
    bool run(const QString& component, Editor& editor) const;
    bool has(const QString& component) const { return handlers_.contains(component); }

private:
    QHash<QString, Handler> handlers_;
};

} // namespace kel
