#pragma once
// Windows and printing helpers shared by the runtime and the catalogue: the
// message window, the enlarged picture, HTML page framing, HTML printing.

#include <QFont>
#include <QString>
#include <QStringList>

class QWidget;
class TSkHtml;

// Shows a message in the window described by "struct_message.txt" when the
// catalogue has one, else in a plain message box.
void ShowMessageWindow(const QString& message, const QFont* font = nullptr);
// Shows a picture enlarged in its own window (name relative to the base
// folder; AppFolder when empty).
void ShowPicture(const QString& baseFolder, const QString& pictureName);
// Frames page lines as an HTML document.
void HtmlPageBegin(QStringList& lines, const QString& bodyAttributes);
void HtmlPageEnd(QStringList& lines);
// Print preview and printing of an HTML view.
void PreviewHtml(QWidget* owner, TSkHtml* view);
void PrintHtml(TSkHtml* view);
