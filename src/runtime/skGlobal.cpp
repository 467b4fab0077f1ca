#include "runtime/skGlobal.h"

#include "SkinControl/skLabel.h"
#include "SkinControl/uFORM.h"
#include "archive/gPack.h"
#include "platform/Platform.h"
#include "runtime/skUseStract.h"
#include "runtime/uUtils.h"

#include <QApplication>

namespace {
const QString MessageDescription = QStringLiteral("struct_message.txt");

QWidget* mainWindow() {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == "frmMain") return w;
    return QApplication::activeWindow();
}
} // namespace

void ShowMessageWindow(const QString& message, const QFont* font) {
    if (!FileExistsInArchive(MessageDescription)) {
        Q_UNUSED(font);
        platform().messageBox(message);
        return;
    }
    auto* form = new TfrmFORM(mainWindow());
    {
        TSkStract runtime(form, MessageDescription);
        runtime.Build();
        runtime.ActivatePage();
        if (TSkLabel* label = runtime.GetLabel("label_messge")) label->SetCaption(message);
        form->ShowModal();
    }
    delete form;
}

void ShowPicture(const QString& baseFolder, const QString& pictureName) {
    // The enlarged-picture window comes with the picture controls; until then
    // the picture opens with the desktop's viewer.
    const QString base = baseFolder.isEmpty() ? AppFolder() : AddSlash(NativePath(baseFolder));
    platform().shellOpen(base + NativePath(pictureName), QString(), "open", QString());
}

void HtmlPageBegin(QStringList& lines, const QString& bodyAttributes) {
    lines.insert(0, "<body " + bodyAttributes + ">");
    lines.insert(0, "<head></head>");
    lines.insert(0, "<html>");
}

void HtmlPageEnd(QStringList& lines) {
    lines << "</body>" << "</html>";
}

void PreviewHtml(QWidget* owner, TSkHtml* view) {
    if (NoPrinter("Принтер не найден.")) return;
    Q_UNUSED(owner);
    Q_UNUSED(view);
}

void PrintHtml(TSkHtml* view) { Q_UNUSED(view); }
