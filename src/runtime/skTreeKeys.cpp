// Key table of navigation trees.

#include "runtime/skProperty.h"

#include "SkinControl/skTreeView.h"
#include "runtime/skUseStract.h"
#include "runtime/uUtils.h"

void RegisterTreeKeys(QHash<QString, TPropertyTable>& tables) {
    using namespace SharedKeys;
    tables["tree"] = SharedKeys::Table(Anchor | Action | Skin);
}
