#pragma once
// The description runtime: reads one description file and builds its objects
// on a skinned window, parent first; applies their keys; dispatches the
// commands their events raise; keeps the window's saved values.

#include "runtime/skCommand.h"

#include <QColor>
#include <QList>
#include <QPixmap>
#include <QPointer>
#include <QProgressBar>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <vector>

class QProgressBar;
class QScrollArea;
class QWidget;
class TSkForm;
class TPakIniFile;
class TSkSkin;
class TSkButton;
class TSkSpeedButton;
class TSkPanel;
class TParentPanel;
class TSkHtml;
class TSkSplitter;
class TSkLabel;
class TSkTrackBar;
class TSkTree;
class TSkTreeEx;
class TSkFlash;
class TSkMedia;
class TSkListBox;
class TSkScrollBox;
class TSkImage;
class TSkPopMenu;
class TSkGif;
class TSkEditBox;
class TSkCheckBox;
class TSkRadioButton;
class TSkProgressBar;
class TSkComboBox;
class TListImg;
class TSkPic;
class TSkGrid;
class TskHtmlGrid;
class TSkSpinEdit;
class TskDiagram;

// The per-type lists, in the order of the runtime's table.
enum class TObjectList {
    Button, SpButton, Panel, ParentPanel, Html, Split, Label, TrackBar, Tree, TreeEx, Flash, Media,
    ListBox, ScrollBox, Image, PopMenu, Gif, EditBox, CheckBox, RButton, ProgressBar, ComboBox,
    ListImg, Pic, Grid, HtmlGrid, SpinEdit, Diagram, Count
};

// The window owner's hooks.
using HostHandler = std::function<void(const RHelpAction&)>;
// parent, section name, the section's key=value lines, lower-cased type.
using ControlFactoryHook =
    std::function<void(QWidget* parent, const QString& name, const QStringList& values, const QString& type)>;

class TSkStract {
public:
    TSkStract(TSkForm* window, const QString& descriptionFile);
    ~TSkStract();
    TSkStract(const TSkStract&) = delete;
    TSkStract& operator=(const TSkStract&) = delete;

    HostHandler OnHostCommand;
    ControlFactoryHook OnMakeHostObject;

    void Build();
    void ActivatePage();
    bool IsPageActive() const;
    void ShowError(const QString& message);
    void StepProgress();
    void CloseSplash();

    // Objects.
    QWidget* MakeObject(QWidget* parent, const QString& name, const QString& type);
    void SetProperty(QObject* object, const QString& section, bool commonOnly, const QString& type);
    void SetCommonProperties(QWidget* object, const QStringList& keys, const QString& section);
    QObject* GetControl(const QString& name);
    QObject* GetComponent(const QString& name, TObjectList list);
    TSkScrollBox* GetScrollBox(const QString& name);
    TSkMedia* GetMedia(const QString& name);
    TSkHtml* GetHtml(const QString& name);
    TSkPopMenu* GetPopMenu(const QString& name);
    TSkFlash* GetFlash(const QString& name);
    TSkTrackBar* GetTrackBar(const QString& name);
    TSkImage* GetImage(const QString& name);
    TSkTree* GetTree(const QString& name);
    TSkTreeEx* GetTreeEx(const QString& name);
    TSkButton* GetButton(const QString& name);
    TSkSpeedButton* GetSpButton(const QString& name);
    TSkSplitter* GetSplit(const QString& name);
    TSkEditBox* GetEditBox(const QString& name);
    TSkLabel* GetLabel(const QString& name);
    TSkPanel* GetPanel(const QString& name);
    TSkProgressBar* GetProgressBar(const QString& name);
    TParentPanel* GetParentPanel(const QString& name);
    TSkGrid* GetGrid(const QString& name);
    TSkCheckBox* GetCheckBox(const QString& name);
    TSkComboBox* GetComboBox(const QString& name);
    // Every object of one list, in creation order (destroyed ones left out).
    QList<QObject*> Objects(TObjectList list) const;
    QList<QObject*> AllObjects() const;

    // Commands.
    void Dispatch(const RHelpAction& action);
    void RunAction(const QString& text);
    void ControlAction(QObject* control);
    void ControlKey(QObject* control, int key);
    void TreeItemSelected(QObject* control, bool selected);
    void SuspendPictures();
    void ResumePictures();
    TSkSpeedButton* FindSpeedButtonByAction(const QString& verb, const QString& rest);
    TSkComboBox* FindComboByAction(const QString& verb);

    // Saved values.
    void WriteReg(const QString& name, const QString& value);
    QString ReadReg(const QString& name);
    void SavePosition();
    void ReadPosition();

    // Menus and favourites.
    void AddFavorite(const QString& line);
    void DeleteFavorite(const QString& value);
    void ReadFavorite();
    void SaveFavorites(bool free);
    bool FillHistoryMenu(TSkPopMenu* menu);
    QStringList Favorites() const { return favorites ? *favorites : QStringList(); }

    // Form-level state.
    TSkForm* Window() const { return window; }
    TPakIniFile* Ini() const { return ini.get(); }
    TSkSkin* Skin() const { return skin.get(); }
    int PageIndex() const { return pageIndex; }
    QWidget* Page() const;
    QString FormName() const { return formName; }
    QString RegPath() const { return regPath; }
    void SetRegPath(const QString& path) { regPath = path; }
    QString HelpId() const { return helpId; }
    void SetHelpId(const QString& id) { helpId = id; }
    QString SkinFile() const { return skinFile; }
    bool MessagesEnabled() const { return messagesEnabled; }
    void SetMessagesEnabled(bool on) { messagesEnabled = on; }
    bool SavePos() const { return savePos; }
    void SetSavePos(bool on) { savePos = on; }
    void SetCloseSplash(bool on) { closeSplash = on; }
    QString FavoriteMenus() const { return favoriteMenus; }
    void AddFavoriteMenu(const QString& name);
    void ShowSplash(const QString& value);
    QWidget* SplashWindow() const { return splash; }
    QProgressBar* SplashProgress() const { return progress; }
    void FormMaximized();
    void SwapMaxButtons(bool maximized);
    void BeforeResize();
    void AfterResize();
    void SetSkin(const QString& value);

private:
    void addObject(QObject* object, TObjectList list);
    void createChildren(QWidget* control, const QString& name);
    void makeHotKeys(const QString& section);
    // The window's hooks into this runtime; they do nothing once it is gone.
    std::function<void()> maximizeHook();
    DispatchCallback commandHook();
    void installResizeHooks();
    void formKeys(const QString& section, const QStringList& keys);

    TSkForm* window;
    std::shared_ptr<TSkStract*> self = std::make_shared<TSkStract*>(this);
    QString descriptionFile;
    std::unique_ptr<TPakIniFile> ini;
    int pageIndex = 0;
    QString formName;
    std::vector<QPointer<QObject>> allObjects; // owning, in creation order
    std::vector<QPointer<QObject>> lists[static_cast<int>(TObjectList::Count)];
    std::unique_ptr<TSkSkin> skin;
    bool messagesEnabled = true;
    bool savePos = false;
    bool closeSplash = true;
    QPointer<QWidget> splash;
    QPixmap splashPicture;
    QPointer<QProgressBar> progress;
    int progressStep = 1;
    QString regPath;
    QString helpId;
    QString skinFile;
    std::unique_ptr<QStringList> favorites;
    QString favoriteMenus;
    struct WorkEntry {
        QString name;
        QString master;
        QString masterLower;
    };
    std::vector<WorkEntry> workList; // sections not yet built, during Build
    bool built = false;
};
