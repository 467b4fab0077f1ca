#include "runtime/skCommand.h"

#include "runtime/uUtils.h"

TSkCommand::TSkCommand(const QString& action) {
    QString t = action;
    while (!t.isEmpty()) {
        QString segment = SplitHead(t, QStringLiteral("//"));
        const QString verb = SplitHead(segment, QStringLiteral("*"));
        if (verb.isEmpty()) continue;
        RCommand cmd;
        cmd.verb = verb.toLower();
        cmd.parameter = segment;
        cmd.rest = t;
        QString params = segment;
        while (!params.isEmpty()) {
            const QString piece = SplitHead(params, QStringLiteral("*"));
            if (!piece.isEmpty()) cmd.arguments << piece;
        }
        commands.push_back(std::move(cmd));
    }
}

QString TSkCommand::CommandText(int i) const {
    const RCommand& c = (*this)[i];
    QString out = c.verb;
    for (const QString& a : c.arguments) out += '*' + a;
    return out;
}
