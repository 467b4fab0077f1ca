#include "runtime/skProperty.h"

const TPropertyTable* PropertyTable(const QString& type) {
    static const QHash<QString, TPropertyTable> tables = [] {
        QHash<QString, TPropertyTable> t;
        RegisterFormKeys(t);
        RegisterControlKeys(t);
        RegisterEditorKeys(t);
        return t;
    }();
    auto it = tables.constFind(type);
    return it == tables.constEnd() ? nullptr : &it.value();
}
