#pragma once
// The action-string language: commands separated by "//", each a lower-cased
// verb followed by "*"-separated arguments; and the record that carries an
// action string from a control's event to its handler.

#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

// One action on its way from an event to the dispatcher and the host handler.
struct RHelpAction {
    QString Action;
    int Height = 0;          // height of the button that fired, else 0
    int X = 0, Y = 0;        // screen position of the firing button's client origin
    QPointer<QObject> Sender;
};

// One parsed command.
struct RCommand {
    QString verb;            // lower-cased
    QString parameter;       // everything after the verb's first "*", as written
    QStringList arguments;   // the non-empty "*"-pieces of the parameter text
    QString rest;            // everything after this command's "//", as written
};

// One parsed action string.
class TSkCommand {
public:
    explicit TSkCommand(const QString& action);
    int count() const { return static_cast<int>(commands.size()); }
    const RCommand& operator[](int i) const { return commands[static_cast<size_t>(i)]; }
    // Verb followed by "*" and each argument in turn.
    QString CommandText(int i) const;

private:
    std::vector<RCommand> commands;
};

using DispatchCallback = std::function<void(const RHelpAction&)>;
