// TSkStract: applying a section's keys to the object made from it.

#include "runtime/skUseStract.h"

#include "SkinControl/skControl.h"
#include "SkinControl/skForm.h"
#include "SkinControl/skPanel.h"
#include "SkinControl/skParPanel.h"
#include "SkinControl/skSkin.h"
#include "archive/uIniFiles.h"
#include "platform/ControlLayout.h"
#include "platform/Cursors.h"
#include "platform/Errors.h"
#include "platform/Paths.h"
#include "platform/Platform.h"
#include "runtime/skProperty.h"
#include "runtime/uUtils.h"


#include <QApplication>
#include <QFileInfo>
#include <QImage>
#include <QLabel>
#include <QProgressBar>
#include <QScreen>

namespace {

QCursor cursorFromText(const QString& text) {
    if (const auto n = CursorNumberFromName(text)) return CursorFromNumber(*n);
    return CursorFromNumber(StrToInt(text));
}

// The window's own geometry for the form's common keys.
void setFormBound(TSkForm* w, const QString& key, int v) {
    QRect r = w->geometry();
    if (key == "top") r.moveTop(v);
    else if (key == "left") r.moveLeft(v);
    else if (key == "width") r.setWidth(v);
    else if (key == "height") r.setHeight(v);
    w->setGeometry(r);
    w->UpdateFrameLayout();
}

} // namespace

void TSkStract::SetProperty(QObject* object, const QString& section, bool commonOnly, const QString& rawType) {
    StepProgress();
    const QString type = rawType.toLower();
    // Each key once, with its first value (a second visible_ex would toggle
    // the panel back).
    const QStringList keys = ini->ReadKeys(section);
    if (keys.isEmpty()) return;
    QWidget* widget = qobject_cast<QWidget*>(object);
    const bool isForm = object == window;
    const TAnchors anchorsBefore = (widget && !isForm) ? ControlLayout::Anchors(widget) : 0;

    if (widget) SetCommonProperties(widget, keys, section);

    if (!commonOnly) {
        const TPropertyTable* table = PropertyTable(type);
        if (!table) {
            platform().messageBox("SetProperty. Объект " + section + " имеет неизвестный тип " + type);
        } else {
            TPropertyContext ctx{*this, object, section, type};
            for (const QString& rawKey : keys) {
                const QString key = rawKey.toLower();
                auto it = table->constFind(key);
                if (it == table->constEnd()) continue;
                it.value()(ctx, ini->ReadString(section, key));
            }
        }
    }
    if (widget && !isForm && anchorsBefore != 0 && ControlLayout::Anchors(widget) == 0)
        ControlLayout::SetAnchors(widget, anchorsBefore);
}

void TSkStract::SetCommonProperties(QWidget* object, const QStringList& keys, const QString& section) {
    const bool isForm = object == window;
    if (!isForm) ControlLayout::SetAnchors(object, 0);
    auto* panel = dynamic_cast<TSkPanel*>(object);
    auto* parentPanel = dynamic_cast<TParentPanel*>(object);
    for (int i = keys.size() - 1; i >= 0; --i) {
        const QString key = keys[i].toLower();
        const QString value = ini->ReadString(section, key);
        if (key == "top" || key == "left" || key == "width" || key == "height") {
            if (isForm) {
                setFormBound(window, key, StrToInt(value));
            } else if ((key == "width" || key == "height") && (panel || parentPanel)) {
                if (panel) key == "width" ? panel->SetWidthText(value) : panel->SetHeightText(value);
                else key == "width" ? parentPanel->SetWidthText(value) : parentPanel->SetHeightText(value);
            } else {
                const int v = StrToInt(value);
                if (key == "top") ControlLayout::SetTop(object, v);
                else if (key == "left") ControlLayout::SetLeft(object, v);
                else if (key == "width") ControlLayout::SetWidth(object, v);
                else ControlLayout::SetHeight(object, v);
            }
        } else if (key == "enabled") {
            object->setEnabled(TextToBool(value, true));
        } else if (key == "cursor") {
            object->setCursor(cursorFromText(value));
        } else if (key == "visible") {
            const bool visible = TextToBool(value, true);
            // The window itself is shown by its owner once it is built.
            if (isForm) {
                if (!visible) object->hide();
            } else {
                ControlLayout::SetVisible(object, visible);
            }
        } else if (key == "align") {
            if (!isForm) ControlLayout::SetAlign(object, AlignFromText(value));
        }
    }
}

void TSkStract::ShowSplash(const QString& value) {
    progressStep = 1;
    QString rest = value;
    const QString picture = SplitHead(rest, "*");
    if (splashPicture.isNull()) {
        // The splash picture is read from disk, not through the archive.
        const QString file = QFileInfo(picture).suffix().toLower() == "jpg" ? FindOnDisk(picture)
                                                                             : FindOnDisk(AppFolder() + picture);
        QImage image;
        if (file.isEmpty() || !image.load(file)) {
            platform().generalError("Не удалось открыть файл заставки " + picture);
        }
        splashPicture = QPixmap::fromImage(image);
    }
    if (!splash) {
        splash = new QWidget(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
        splash->setAttribute(Qt::WA_DeleteOnClose, false);
        auto* label = new QLabel(splash);
        label->setPixmap(splashPicture);
        label->setGeometry(0, 0, splashPicture.width(), splashPicture.height());
        splash->resize(splashPicture.size().isEmpty() ? QSize(1, 1) : splashPicture.size());
    }
    if (!rest.isEmpty()) {
        if (!progress) {
            progress = new QProgressBar(splash);
            progress->setTextVisible(false);
            progress->setRange(0, 100);
            progress->setValue(0);
            progress->show();
        }
        QRect bar = progress->geometry();
        int fields[5] = {progressStep, bar.left(), bar.top(), bar.width(), bar.height()};
        for (int& f : fields) {
            const QString text = SplitHead(rest, "*");
            bool ok = false;
            const int v = text.toInt(&ok);
            if (!ok) break;
            f = v;
        }
        progressStep = fields[0];
        progress->setGeometry(fields[1], fields[2], fields[3], fields[4]);
    }
    if (QScreen* screen = QApplication::primaryScreen()) {
        const QRect area = screen->geometry();
        splash->move(area.center() - QPoint(splash->width() / 2, splash->height() / 2));
    }
    splash->show();
    QApplication::processEvents();
}

void TSkStract::SetSkin(const QString& value) {
    QString rest = value;
    skinFile = SplitHead(rest, "*");
    const QString path = AbsoluteFromApp(skinFile);
    if (skin->AddSkin(path)) {
        if (const TSkinLink* link = skin->FindSkin(path)) window->SetSkinStyleSheet(link->styleSheet);
    }
    const QString object = SplitHead(rest, "*");
    if (!object.isEmpty()) window->SetSkinObject(object);
}
