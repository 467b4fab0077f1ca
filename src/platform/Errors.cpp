#include "platform/Errors.h"

EConvertError::EConvertError(const QString& message) : std::runtime_error(message.toStdString()), text(message) {}

namespace {
bool parseInt(const QString& text, int& out) {
    bool ok = false;
    if (text.startsWith('$') || text.startsWith("0x", Qt::CaseInsensitive)) {
        const qulonglong v = text.mid(text.startsWith('$') ? 1 : 2).toULongLong(&ok, 16);
        if (!ok || v > 0xFFFFFFFFULL) return false;
        out = static_cast<qint32>(static_cast<quint32>(v));
        return true;
    }
    if (text.isEmpty() || text.front().isSpace() || text.back().isSpace()) return false;
    out = text.toInt(&ok, 10);
    return ok;
}
} // namespace

int StrToInt(const QString& text) {
    int v = 0;
    if (!parseInt(text, v)) throw EConvertError(QStringLiteral("'%1' is not a valid integer value").arg(text));
    return v;
}

int StrToIntDef(const QString& text, int def) {
    int v = 0;
    return parseInt(text, v) ? v : def;
}
