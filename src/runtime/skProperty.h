#pragma once
// Per-type key tables for SetProperty: each key of a type maps to a small
// function that applies its value to the object.

#include <QHash>
#include <QObject>
#include <QString>
#include <functional>

class TSkStract;

struct TPropertyContext {
    TSkStract& runtime;
    QObject* object;
    QString section;
    QString type;
};

using TPropertySetter = std::function<void(TPropertyContext& ctx, const QString& value)>;
using TPropertyTable = QHash<QString, TPropertySetter>;

// The key table of a lower-cased type; null when the type has none.
const TPropertyTable* PropertyTable(const QString& type);

// Keys that many types share: `anchor`, `action`, `hint` and `skin`.
namespace SharedKeys {
enum Which { Anchor = 1, Action = 2, Hint = 4, Skin = 8 };
// A table holding the chosen shared keys.
TPropertyTable Table(int which);
void SetAnchor(TPropertyContext& c, const QString& v);
void SetAction(TPropertyContext& c, const QString& v);
void SetHint(TPropertyContext& c, const QString& v);
// "skin object * skin file": the object part only.
void SetSkinObject(TPropertyContext& c, const QString& v);
// Both parts: the skin file goes to the window's skin holder and, when the
// holder loads it now, the control takes its style sheet.
void SetSkinWithFile(TPropertyContext& c, const QString& v);
} // namespace SharedKeys

// Registration of the tables, one function per group of types.
void RegisterFormKeys(QHash<QString, TPropertyTable>& tables);
void RegisterControlKeys(QHash<QString, TPropertyTable>& tables); // buttons, containers, labels
void RegisterEditorKeys(QHash<QString, TPropertyTable>& tables);  // editors, lists, pictures, the rest
void RegisterTreeKeys(QHash<QString, TPropertyTable>& tables);    // navigation trees
