#include "runtime/skUseStract.h"

#include "SkinControl/skButton.h"
#include "SkinControl/skCheckBox.h"
#include "SkinControl/skComboBox.h"
#include "SkinControl/skDiagram.h"
#include "SkinControl/skEditBox.h"
#include "SkinControl/skFlash.h"
#include "SkinControl/skForm.h"
#include "SkinControl/skGif.h"
#include "SkinControl/skGrid.h"
#include "SkinControl/skHTML.h"
#include "SkinControl/skHtmlGrid.h"
#include "SkinControl/skImage.h"
#include "SkinControl/skLabel.h"
#include "SkinControl/skListBox.h"
#include "SkinControl/skListImg.h"
#include "SkinControl/skMedia.h"
#include "SkinControl/skPanel.h"
#include "SkinControl/skParPanel.h"
#include "SkinControl/skPic.h"
#include "SkinControl/skProgressBar.h"
#include "SkinControl/skRButton.h"
#include "SkinControl/skScrollBox.h"
#include "SkinControl/skSkin.h"
#include "SkinControl/skSpeedButton.h"
#include "SkinControl/skSpinEdit.h"
#include "SkinControl/skSplitter.h"
#include "SkinControl/skTrackBar.h"
#include "SkinControl/skTreeView.h"
#include "SkinControl/skTreeViewEx.h"
#include "archive/uIniFiles.h"
#include "platform/Application.h"
#include "platform/ControlLayout.h"
#include "platform/Cursors.h"
#include "platform/Platform.h"
#include "runtime/skListHint.h"
#include "runtime/skPopMenu.h"
#include "runtime/uUtils.h"

#include <QApplication>
#include <algorithm>
#include <QProgressBar>
#include <optional>
#include <QToolTip>

namespace {

// How MakeObject creates one object type.
struct TypeInfo {
    TObjectList list;
    std::function<QObject*(QWidget* parent, TSkForm* window)> create;
    bool container = false;
    bool actionEvent = false;        // user event -> ControlAction
    bool actionAfterKeys = false;    // connected after the keys are applied
    bool keyEvent = false;           // key event -> ControlKey
    bool dispatchEvent = false;      // the control dispatches its own action strings
    bool defaultSkin = false;        // skin object "default"
    bool dragsWindow = false;        // moves the window when the form has `moving`
};

template <typename T>
std::function<QObject*(QWidget*, TSkForm*)> make() {
    return [](QWidget* parent, TSkForm*) -> QObject* { return new T(parent); };
}

const QHash<QString, TypeInfo>& typeTable() {
    using L = TObjectList;
    static const QHash<QString, TypeInfo> table = {
        {"button", {L::Button, make<TSkButton>(), false, true, false, false, false, true}},
        {"sp_button", {L::SpButton, make<TSkSpeedButton>(), false, true, false, false, false, true}},
        {"panel", {L::Panel, make<TSkPanel>(), true, true, false, false, false, true, true}},
        {"parent_panel", {L::ParentPanel, make<TParentPanel>(), true, true, true, false, false, false, true}},
        {"html", {L::Html, make<TSkHtml>(), false, false, false, false, true}},
        {"split", {L::Split, make<TSkSplitter>(), false, false, false, false, false, true}},
        {"label", {L::Label, make<TSkLabel>(), false, false, false, false, false, true, true}},
        {"track_bar", {L::TrackBar, make<TSkTrackBar>(), false, false, false, false, false, true}},
        {"tree", {L::Tree, make<TSkTree>(), false, true, false, false, false, true}},
        {"tree_ex", {L::TreeEx, make<TSkTreeEx>(), false, true, false, true, false}},
        {"flash", {L::Flash, make<TSkFlash>(), true, false, false, false, true}},
        {"media",
         {L::Media,
          [](QWidget* parent, TSkForm* window) -> QObject* {
              auto* media = new TSkMedia(window);
              media->SetDisplay(parent);
              return media;
          },
          false, false, false, false, true}},
        {"list_box", {L::ListBox, make<TSkListBox>(), false, true, true, false, false, true}},
        {"scroll_box", {L::ScrollBox, make<TSkScrollBox>(), true, false, false, false, false, true}},
        {"image", {L::Image, make<TSkImage>(), false, true}},
        {"gif", {L::Gif, make<TSkGif>(), false, false, false, false, false, false, true}},
        {"edit_box", {L::EditBox, make<TSkEditBox>(), false, false, false, true}},
        {"check_box", {L::CheckBox, make<TSkCheckBox>(), false, true}},
        {"r_button", {L::RButton, make<TSkRadioButton>()}},
        {"progress_bar", {L::ProgressBar, make<TSkProgressBar>()}},
        {"combo_box", {L::ComboBox, make<TSkComboBox>(), false, true}},
        {"list_img", {L::ListImg, make<TListImg>()}},
        {"pic", {L::Pic, make<TSkPic>(), false, false, false, false, false, false, true}},
        {"grid", {L::Grid, make<TSkGrid>()}},
        {"html_grid", {L::HtmlGrid, make<TskHtmlGrid>()}},
        {"spin_edit", {L::SpinEdit, make<TSkSpinEdit>()}},
        {"diagram", {L::Diagram, make<TskDiagram>()}},
    };
    return table;
}

// Keeps a parent's alignment suspended for a scope, also when a key fails.
class AlignSuspension {
public:
    explicit AlignSuspension(QWidget* parent) : parent(parent) {
        if (parent) ControlLayout::DisableAlign(parent);
    }
    ~AlignSuspension() {
        if (parent) ControlLayout::EnableAlign(parent);
    }

private:
    QWidget* parent;
};

bool sameName(const QObject* o, const QString& name) {
    return o && o->objectName().compare(name, Qt::CaseInsensitive) == 0;
}

QWidget* asWidget(QObject* o) { return qobject_cast<QWidget*>(o); }

} // namespace

TSkStract::TSkStract(TSkForm* window, const QString& descriptionFile)
    : window(window), descriptionFile(descriptionFile) {
    window->SetFramePainting(false);
    window->MaximizeHook = maximizeHook();
    skin = std::make_unique<TSkSkin>(window);
    window->CommandCallback = commandHook();
    window->DescriptionFile = descriptionFile;
}

TSkStract::~TSkStract() {
    ini.reset();
    if (savePos) GuardedCall([this] { SavePosition(); });
    window->SetFramePainting(false);
    window->hide();
    for (auto it = allObjects.rbegin(); it != allObjects.rend(); ++it) delete it->data();
    allObjects.clear();
    for (auto& list : lists) list.clear();
    CloseSplash();
    GuardedCall([this] { SaveFavorites(true); });
    window->SetFramePainting(true);
    // A window outlives its runtimes: hooks that still lead here do nothing
    // from now on.
    *self = nullptr;
}

std::function<void()> TSkStract::maximizeHook() {
    return [s = self] {
        if (*s) (*s)->FormMaximized();
    };
}

DispatchCallback TSkStract::commandHook() {
    return [s = self](const RHelpAction& a) {
        if (*s) (*s)->Dispatch(a);
    };
}

void TSkStract::installResizeHooks() {
    window->SizeChangeHook = [s = self](int, int) {
        if (*s) (*s)->AfterResize();
    };
    window->BeforeResizeHook = [s = self] {
        if (*s) (*s)->BeforeResize();
    };
}

QWidget* TSkStract::Page() const {
    TSkNotebook* nb = window->Notebook();
    return nb ? nb->Page(pageIndex) : nullptr;
}

void TSkStract::ShowError(const QString& message) {
    if (messagesEnabled) platform().errorBox(descriptionFile + "\r\n" + message, window);
}

void TSkStract::StepProgress() {
    if (!progress) return;
    const int next = progress->value() + progressStep;
    progress->setValue(next <= 100 ? next : progressStep);
}

void TSkStract::CloseSplash() {
    if (splash) delete splash.data();
    splashPicture = QPixmap();
}

void TSkStract::Build() {
    built = true;
    QFont hintFont = QToolTip::font();
    QToolTip::setFont(hintFont);
    ini = std::make_unique<TPakIniFile>(descriptionFile);
    RegisterCursors();

    const QStringList sections = ini->ReadSections();
    if (sections.isEmpty()) {
        platform().messageBox("Нету данных в " + descriptionFile + ". Это безусловно End...");
        return;
    }
    workList.clear();
    workList.reserve(static_cast<size_t>(sections.size()));
    for (const QString& s : sections) {
        const QString master = ini->ReadString(s, "master");
        workList.push_back({s, master, master.toLower()});
    }
    auto removeAt = [this](size_t i) { workList.erase(workList.begin() + static_cast<std::ptrdiff_t>(i)); };

    // Pass 1: forms configure the window and make or extend the notebook.
    for (size_t i = 0; i < workList.size();) {
        const QString name = workList[i].name;
        if (ini->ReadString(name, "type").toLower() != "form") {
            ++i;
            continue;
        }
        const QString color = ini->ReadString(name, "color");
        formName = name.toLower();
        MakeObject(window, name, "form");
        removeAt(i);
        if (!color.isEmpty()) window->PageColor = ColorFromText(color);
        if (!window->Notebook()) {
            TSkNotebook* nb = window->CreateNotebook();
            if (window->Moving) window->InstallDragHandler(nb);
        } else {
            window->Notebook()->AddPage("p" + QString::number(window->Notebook()->PageCount()));
        }
        pageIndex = window->Notebook()->ActivePage();
    }

    // Pass 2: pop-up menus, so that later keys can name them.
    for (size_t i = 0; i < workList.size();) {
        const QString name = workList[i].name;
        if (ini->ReadString(name, "type").toLower() == "pop_menu") {
            MakeObject(window, name, "pop_menu");
            removeAt(i);
        } else {
            ++i;
        }
    }

    // Pass 3: top-level objects on the page, each followed by its children.
    QWidget* page = Page();
    std::optional<AlignSuspension> suspended(std::in_place, page);
    bool createdAny = true;
    while (!workList.empty() && createdAny) {
        createdAny = false;
        for (size_t i = 0; i < workList.size();) {
            const QString name = workList[i].name;
            if (!(workList[i].master.isEmpty() || workList[i].masterLower == formName)) {
                ++i;
                continue;
            }
            const QString type = ini->ReadString(name, "type");
            QWidget* control = page ? MakeObject(page, name, type) : nullptr;
            if (page && window->PageColor.isValid() && window->PageColor != QColor(Qt::black)) {
                page->setAutoFillBackground(true);
                QPalette pal = page->palette();
                pal.setColor(QPalette::Window, window->PageColor);
                page->setPalette(pal);
            }
            removeAt(i);
            createdAny = true;
            if (control) createChildren(control, name);
        }
    }
    suspended.reset();
    workList.clear();

    RunAction(window->StartAction);
    ReadFavorite();
    if (closeSplash) CloseSplash();
    else if (progress) progress->setValue(progress->maximum());
    if (savePos) ReadPosition();
    window->SetFramePainting(true);
    ShowListHint();
    installResizeHooks();
}

void TSkStract::createChildren(QWidget* control, const QString& name) {
    QWidget* target = control;
    if (TSkControl* c = AsSkControl(control)) target = c->ChildParent();
    AlignSuspension suspended(target);
    // The children of this object, in file order, leave the work list in one
    // sweep; each is then built with its own children before the next.
    const QString lowerName = name.toLower();
    std::vector<QString> children;
    workList.erase(std::remove_if(workList.begin(), workList.end(),
                                  [&](const WorkEntry& e) {
                                      if (e.masterLower != lowerName) return false;
                                      children.push_back(e.name);
                                      return true;
                                  }),
                   workList.end());
    for (const QString& child : children) {
        QWidget* made = MakeObject(target, child, ini->ReadString(child, "type"));
        if (made) createChildren(made, child);
    }
}

void TSkStract::addObject(QObject* object, TObjectList list) {
    allObjects.emplace_back(object);
    lists[static_cast<int>(list)].emplace_back(object);
}

QWidget* TSkStract::MakeObject(QWidget* parent, const QString& name, const QString& rawType) {
    const QString type = rawType.toLower();
    if (type == "form") {
        SetProperty(window, name, false, type);
        return nullptr;
    }
    if (type == "pop_menu") {
        auto* menu = new TSkPopMenu(window);
        menu->setObjectName(name);
        menu->OnItemClick = [this](QObject* item) { ControlAction(item); };
        BuildMenu(*this, menu, name);
        addObject(menu, TObjectList::PopMenu);
        return nullptr;
    }
    if (type == "hot_key") {
        makeHotKeys(name);
        return nullptr;
    }
    if (type == "none") return nullptr;

    const auto& table = typeTable();
    auto it = table.constFind(type);
    if (it == table.constEnd()) {
        if (OnMakeHostObject) OnMakeHostObject(parent, name, ini->ReadSectionValues(name), type);
        else ShowError("MakeObject. Объект " + name + " имеет неизвестный тип " + type);
        return nullptr;
    }
    const TypeInfo& info = it.value();
    QObject* object = info.create(parent, window);
    object->setObjectName(name);
    TSkControl* control = AsSkControl(object);
    QWidget* widget = asWidget(object);
    if (widget && type != "media") widget->show();

    if (type == "edit_box") static_cast<TSkEditBox*>(object)->clear();
    else if (type == "combo_box") static_cast<TSkComboBox*>(object)->setEditText(QString());
    else if (type == "check_box") static_cast<TSkCheckBox*>(object)->setText(name);
    else if (type == "r_button") static_cast<TSkRadioButton*>(object)->setText(QString());
    else if (type == "track_bar") static_cast<TSkTrackBar*>(object)->setValue(0);
    else if (type == "html_grid") static_cast<TskHtmlGrid*>(object)->SetRendering(false);

    if (control) {
        if (info.actionEvent && !info.actionAfterKeys) control->OnAction = [this](QObject* c) { ControlAction(c); };
        if (info.keyEvent) control->OnKey = [this](QObject* c, int key) { ControlKey(c, key); };
        if (info.dispatchEvent) control->OnDispatch = [this](const RHelpAction& a) { Dispatch(a); };
        if (info.defaultSkin) control->SetSkinObject("default");
    }
    // The object joins its lists before its keys, so that a failing key
    // (conversion error) cannot leave it unowned.
    addObject(object, info.list);
    SetProperty(object, name, false, type);
    if (control && info.actionEvent && info.actionAfterKeys)
        control->OnAction = [this](QObject* c) { ControlAction(c); };
    if (type == "html_grid") static_cast<TskHtmlGrid*>(object)->SetRendering(true);
    if (widget && info.dragsWindow && window->Moving) window->InstallDragHandler(widget);
    return info.container ? widget : nullptr;
}

void TSkStract::makeHotKeys(const QString& section) {
    const QStringList values = ini->ReadSectionValues(section);
    for (const QString& line : values) {
        const QString key = line.section('=', 0, 0).trimmed().toLower();
        if (key == "type") continue;
        window->AddHotKey(line.section('=', 1).trimmed());
    }
}

QObject* TSkStract::GetControl(const QString& name) {
    for (const auto& o : allObjects)
        if (sameName(o, name)) return o;
    ShowError("GetControl. Не найден контрол: " + name);
    return nullptr;
}

QObject* TSkStract::GetComponent(const QString& name, TObjectList list) {
    for (const auto& o : lists[static_cast<int>(list)])
        if (sameName(o, name)) return o;
    ShowError("GetComponent. Не найден контрол: " + name);
    return nullptr;
}

QList<QObject*> TSkStract::Objects(TObjectList list) const {
    QList<QObject*> out;
    for (const auto& o : lists[static_cast<int>(list)])
        if (o) out << o.data();
    return out;
}

QList<QObject*> TSkStract::AllObjects() const {
    QList<QObject*> out;
    for (const auto& o : allObjects)
        if (o) out << o.data();
    return out;
}

#define TYPED_LOOKUP(Func, Class, List)                                                                          \
    Class* TSkStract::Func(const QString& name) { return dynamic_cast<Class*>(GetComponent(name, TObjectList::List)); }
TYPED_LOOKUP(GetScrollBox, TSkScrollBox, ScrollBox)
TYPED_LOOKUP(GetMedia, TSkMedia, Media)
TYPED_LOOKUP(GetHtml, TSkHtml, Html)
TYPED_LOOKUP(GetPopMenu, TSkPopMenu, PopMenu)
TYPED_LOOKUP(GetFlash, TSkFlash, Flash)
TYPED_LOOKUP(GetTrackBar, TSkTrackBar, TrackBar)
TYPED_LOOKUP(GetImage, TSkImage, Image)
TYPED_LOOKUP(GetTree, TSkTree, Tree)
TYPED_LOOKUP(GetTreeEx, TSkTreeEx, TreeEx)
TYPED_LOOKUP(GetButton, TSkButton, Button)
TYPED_LOOKUP(GetSpButton, TSkSpeedButton, SpButton)
TYPED_LOOKUP(GetSplit, TSkSplitter, Split)
TYPED_LOOKUP(GetEditBox, TSkEditBox, EditBox)
TYPED_LOOKUP(GetLabel, TSkLabel, Label)
TYPED_LOOKUP(GetPanel, TSkPanel, Panel)
TYPED_LOOKUP(GetProgressBar, TSkProgressBar, ProgressBar)
TYPED_LOOKUP(GetParentPanel, TParentPanel, ParentPanel)
TYPED_LOOKUP(GetGrid, TSkGrid, Grid)
TYPED_LOOKUP(GetCheckBox, TSkCheckBox, CheckBox)
TYPED_LOOKUP(GetComboBox, TSkComboBox, ComboBox)
#undef TYPED_LOOKUP

void TSkStract::ActivatePage() {
    if (TSkNotebook* nb = window->Notebook()) nb->SetActivePage(pageIndex);
    window->MaximizeHook = maximizeHook();
    installResizeHooks();
    window->CommandCallback = commandHook();
    AfterResize();
    SwapMaxButtons(window->IsMaximized());
}

bool TSkStract::IsPageActive() const {
    TSkNotebook* nb = window->Notebook();
    return nb && nb->ActivePage() == pageIndex;
}

void TSkStract::FormMaximized() {
    if (window->MaxButtons.isEmpty() || window->NormalButtons.isEmpty()) return;
    if (window->IsMinimized()) return;
    SwapMaxButtons(!window->IsMaximized());
}

void TSkStract::SwapMaxButtons(bool maximized) {
    const bool was = messagesEnabled;
    messagesEnabled = false;
    auto apply = [this](const QString& names, bool visible) {
        for (const QString& n : names.split(';', Qt::SkipEmptyParts))
            if (TSkSpeedButton* b = GetSpButton(n)) ControlLayout::SetVisible(b, visible);
    };
    apply(window->MaxButtons, maximized);
    apply(window->NormalButtons, !maximized);
    messagesEnabled = was;
}

void TSkStract::BeforeResize() {
    for (QObject* o : Objects(TObjectList::ParentPanel)) static_cast<TParentPanel*>(o)->CapturePercentSize();
}

void TSkStract::AfterResize() {
    for (QObject* o : Objects(TObjectList::Panel)) static_cast<TSkPanel*>(o)->Recenter();
    for (QObject* o : Objects(TObjectList::ParentPanel)) {
        auto* p = static_cast<TParentPanel*>(o);
        p->Recenter();
        p->ApplyPercentSize();
    }
}

void TSkStract::SuspendPictures() {
    for (QObject* o : AllObjects()) {
        if (auto* image = dynamic_cast<TSkImage*>(o)) image->SuspendFit();
        else if (auto* pic = dynamic_cast<TSkPic*>(o)) pic->SuspendFit();
    }
}

void TSkStract::ResumePictures() {
    for (QObject* o : AllObjects()) {
        if (auto* image = dynamic_cast<TSkImage*>(o)) image->ResumeFit();
        else if (auto* pic = dynamic_cast<TSkPic*>(o)) pic->ResumeFit();
    }
}

void TSkStract::AddFavoriteMenu(const QString& name) {
    favoriteMenus += (favoriteMenus.isEmpty() ? "" : ";") + name;
}
