#pragma once
// The dispatcher's verb table: each built-in verb is a small function over
// the running command; groups of verbs register themselves into the table.

#include "runtime/skCommand.h"

#include <QHash>
#include <QString>

class TSkStract;

struct VerbContext {
    TSkStract& rt;
    const RCommand& cmd;
    const QString& a1;
    const QString& a2;
    const RHelpAction& action;
    bool stop = false; // the dispatch ends after this verb
};

using Verb = void (*)(VerbContext&);

// The tree verbs (tree_go, tree_back, tree_next, ...).
void RegisterTreeVerbs(QHash<QString, Verb>& verbs);
