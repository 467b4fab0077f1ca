#pragma once
// The conversion error: an integer key or argument whose text is not an
// integer. It stops the operation that read it and is shown by the general
// error report at the event-loop boundary; the program keeps running.

#include <QString>
#include <stdexcept>

class EConvertError : public std::runtime_error {
public:
    explicit EConvertError(const QString& message);
    QString message() const { return text; }

private:
    QString text;
};

// The platform's string-to-integer conversion: decimal, optional sign, or
// "$" / "0x" hexadecimal; surrounding blanks are not allowed.
int StrToInt(const QString& text);
// The same, giving a default instead of raising.
int StrToIntDef(const QString& text, int def);
