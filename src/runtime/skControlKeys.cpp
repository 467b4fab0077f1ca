#include "runtime/skProperty.h"

void RegisterControlKeys(QHash<QString, TPropertyTable>& tables) {}
