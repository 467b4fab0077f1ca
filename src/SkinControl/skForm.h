#pragma once
// The skinned window every described window is: a frameless dialog that
// draws its own title bar (caption, help, minimize, maximize, close) and
// border, holds the notebook whose pages carry the described objects, the
// hot-key table, and the hooks through which the active description runtime
// receives the window's commands, size changes and maximize events.

#include "runtime/skCommand.h"
#include "runtime/skHotKey.h"

#include <QColor>
#include <QDialog>
#include <QFont>
#include <QStackedWidget>
#include <functional>
#include <memory>

class QMenu;
class TSkTitleBar;

// The window's notebook: named pages, one per description runtime.
class TSkNotebook : public QStackedWidget {
    Q_OBJECT
public:
    explicit TSkNotebook(QWidget* parent);
    // Appends a page with a name and shows it; returns its index.
    int AddPage(const QString& name);
    int PageCount() const { return count(); }
    QString PageName(int i) const;
    QWidget* Page(int i) const { return widget(i); }
    int ActivePage() const { return currentIndex(); }
    void SetActivePage(int i) { setCurrentIndex(i); }
};

class TSkForm : public QDialog {
    Q_OBJECT
    // Colour of the border around the title bar and client area; skins set
    // it with "TSkForm { qproperty-frameColor: ... }".
    Q_PROPERTY(QColor frameColor READ FrameColor WRITE SetFrameColor)
public:
    explicit TSkForm(QWidget* owner = nullptr);
    ~TSkForm() override;

    // State set by the form keys and the runtime.
    QString ShowEffect;      // animation played when shown ("fade", ...)
    bool EscClose = false;   // Esc closes the window
    bool Moving = false;     // the body drags the window
    QString DescriptionFile; // name of the description file that built it
    QString StartAction;
    bool HelpButton = false;
    QString HelpAction;
    QFont MessageFont;
    QString MaxButtons;    // speed buttons shown while maximized, ";"-separated
    QString NormalButtons; // speed buttons shown while not maximized
    QColor PageColor;      // invalid or black: not set

    // Hooks of the active runtime.
    DispatchCallback CommandCallback;             // every action the window raises
    std::function<void(int, int)> SizeChangeHook; // after a size change: client width, height
    std::function<void()> MaximizeHook;           // before maximize or restore
    std::function<void()> BeforeResizeHook;       // before a user resize starts changing the size

    // The notebook, or null before the first form section is built.
    TSkNotebook* Notebook() const { return notebook; }
    // Creates the notebook (first page "Default") filling the client area.
    TSkNotebook* CreateNotebook();
    // Lays the title bar, client area, notebook and pages out for the
    // window's current size (also while the window is hidden).
    void UpdateFrameLayout();
    // The area below the title bar, where the notebook lives.
    QWidget* ClientArea() const { return client; }

    TSkHotKey& HotKeys() { return hotKeys; }
    // Registers "shortcut*action" for the page shown now (-1 without notebook).
    void AddHotKey(const QString& value);
    QMenu* SystemMenu() const { return systemMenu; }
    void SetSystemMenu(QMenu* menu); // null restores the window's own

    void SetCaption(const QString& caption);
    QString Caption() const;
    void SetSizeable(bool flag);
    void SetDialog(bool flag);
    void SetHelpButton(bool flag);
    void SetHideCaption(bool hide);
    bool HideCaption() const { return hideCaption; }
    bool Sizeable() const { return sizeable; }
    void SetMinWidth(int w);
    void SetMinHeight(int h);

    bool IsMaximized() const;
    bool IsMinimized() const;
    void ToggleMaximize(); // calls MaximizeHook first
    void ToggleMinimize();
    // Switches painting of the skinned frame off and on (nesting).
    void SetFramePainting(bool on);

    // The window's skin: a style sheet applied to the whole window.
    void SetSkinStyleSheet(const QString& css);
    void SetSkinObject(const QString& name);
    // The look of the frame and title bar without a skin.
    static QString DefaultStyleSheet();
    QColor FrameColor() const;
    void SetFrameColor(const QColor& color);
    // False while frame painting is switched off.
    bool FramePainting() const;
    TSkTitleBar* TitleBar() const { return titleBar; }
    // Centres the window on its screen (on the owner's screen when it has one).
    void CenterOnScreen();

    // Modal result, as the original platform's: 0 while open.
    int ModalResult() const { return modalResult; }
    void CloseWithResult(int result);
    // Shows the window modally and returns its modal result.
    int ShowModal();

    // Makes mouse-down on a widget drag the window (when Moving is on and
    // the window is not maximized).
    void InstallDragHandler(QWidget* w);
    // The drag handler itself: starts moving the window from a press.
    void BeginDrag(QWidget* source, const QPoint& globalPos, Qt::MouseButton button);

    // Runs the key handler: hot keys, Esc, developer keys. True when a hot
    // key fired or the window closed.
    bool HandleKey(int key, Qt::KeyboardModifiers modifiers);

protected:
    void keyPressEvent(QKeyEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    void showEvent(QShowEvent* e) override;
    void changeEvent(QEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void paintEvent(QPaintEvent* e) override;
    void hideEvent(QHideEvent* e) override;
    void reject() override;
    // Moves (and if need be shrinks) the window into its screen's free area.
    void keepOnScreen();
    void done(int r) override;

private:
    void updateButtons();
    int borderWidth() const;
    void layoutFrame();
    Qt::Edges edgesAt(const QPoint& pos) const;
    bool canBodyDrag(Qt::MouseButton button) const;
    void startMove(const QPoint& globalPos);
    void startResize(Qt::Edges edges, const QPoint& globalPos);
    void followDrag(const QPoint& globalPos);
    void playShowEffect();

    struct Private;
    std::unique_ptr<Private> d;
    TSkNotebook* notebook = nullptr;
    QWidget* client = nullptr;
    TSkTitleBar* titleBar = nullptr;
    QMenu* systemMenu = nullptr;
    TSkHotKey hotKeys;
    bool hideCaption = false;
    bool sizeable = true;
    int modalResult = 0;
};
