#pragma once
// What every described control shares: the action string its user event
// sends, the callback through which it raises that event (set by the runtime
// when it makes the object, so controls never include the runtime), and the
// skin object its style sheet selects on.

#include "runtime/skCommand.h"

#include <QString>
#include <QWidget>
#include <functional>

// Raises a control's user event; the runtime turns it into an action.
using ActionCallback = std::function<void(QObject* sender)>;
// Raises a key event of a control (edit box key-up, checkable tree key-down).
using KeyCallback = std::function<void(QObject* sender, int key)>;

// What a control's event puts into its action string.
struct TActionValue {
    bool dispatch = true;   // false: the event's condition does not hold
    bool hasValue = false;  // a value is put in with InsertValue
    QString value;
    bool append = false;    // InsertValue's append flag
    bool position = false;  // buttons: Height, X, Y of the control go along
};

class TSkControl {
public:
    virtual ~TSkControl() = default;

    QString ActionText;     // the `action` key: sent by the user event
    ActionCallback OnAction; // click, double-click or change, by type
    KeyCallback OnKey;       // key handler, when the type has one (edit box)
    DispatchCallback OnDispatch; // controls that build action strings themselves

    // What the user event puts into the action (the runtime's ControlAction).
    virtual TActionValue ActionValue() const { return {}; }

    // The widget that a container's children are placed in (a scroll box's
    // content widget); the control itself for every other type.
    virtual QWidget* ChildParent() { return skWidget(); }

    // The skin element the control draws itself with; style sheets select
    // on the dynamic property "skin".
    QString SkinObject() const { return skinObject; }
    void SetSkinObject(const QString& name);

    // The widget this mixin belongs to.
    virtual QWidget* skWidget() = 0;

protected:
    void raiseAction(QObject* sender) {
        if (OnAction) OnAction(sender);
    }
private:
    QString skinObject;
};

// The described control behind a widget, if it is one.
inline TSkControl* AsSkControl(QObject* o) { return dynamic_cast<TSkControl*>(o); }
