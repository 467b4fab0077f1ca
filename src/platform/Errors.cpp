#include "platform/Errors.h"

EConvertError::EConvertError(const QString& message)
    : std::runtime_error(message.toStdString()), text(message) {}

namespace {
int digitValue(QChar c, int base) {
    const char16_t u = c.unicode();
    int v = -1;
    if (u >= '0' && u <= '9')
        v = u - '0';
    else if (u >= 'a' && u <= 'f')
        v = u - 'a' + 10;
    else if (u >= 'A' && u <= 'F')
        v = u - 'A' + 10;
    return v < base ? v : -1;
}

// Decimal with an optional sign, or hexadecimal after "$", "0x" or "x" (also
// after a sign); hexadecimal takes 32 bits and wraps, as the platform did.
// Leading spaces are skipped, as the platform did; trailing ones are not.
bool parseInt(const QString& text, int& out) {
    qsizetype i = 0;
    while (i < text.size() && text[i] == ' ') ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    int base = 10;
    if (text.mid(i).startsWith('$')) {
        base = 16;
        i += 1;
    } else if (text.mid(i).startsWith(QLatin1String("0x"), Qt::CaseInsensitive)) {
        base = 16;
        i += 2;
    } else if (text.mid(i).startsWith('x', Qt::CaseInsensitive)) {
        base = 16;
        i += 1;
    }
    if (i >= text.size()) return false;
    const quint64 limit = base == 16 ? 0xFFFFFFFFULL : (negative ? 0x80000000ULL : 0x7FFFFFFFULL);
    quint64 v = 0;
    for (; i < text.size(); ++i) {
        const int d = digitValue(text[i], base);
        if (d < 0) return false;
        v = v * base + d;
        if (v > limit) return false;
    }
    const qint64 value = base == 16 ? qint64(qint32(quint32(v))) : qint64(v);
    out = int(negative ? -value : value);
    return true;
}
} // namespace

int StrToInt(const QString& text) {
    int v = 0;
    if (!parseInt(text, v))
        throw EConvertError(QStringLiteral("'%1' is not a valid integer value").arg(text));
    return v;
}

int StrToIntDef(const QString& text, int def) {
    int v = 0;
    return parseInt(text, v) ? v : def;
}
