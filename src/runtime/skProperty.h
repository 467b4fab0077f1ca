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

// Registration of the tables, one function per group of types.
void RegisterFormKeys(QHash<QString, TPropertyTable>& tables);
void RegisterControlKeys(QHash<QString, TPropertyTable>& tables); // buttons, containers, labels
void RegisterEditorKeys(QHash<QString, TPropertyTable>& tables);  // editors, lists, pictures, the rest
