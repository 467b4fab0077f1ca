#include "SkinControl/skForm.h"

#include "SkinControl/skTitleBar.h"
#include "platform/Paths.h"
#include "platform/Platform.h"
#include "runtime/uUtils.h"

#include <QApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QPainter>
#include <QParallelAnimationGroup>
#include <QPointer>
#include <QPropertyAnimation>
#include <QScreen>
#include <QStyle>
#include <QTimer>
#include <QWindow>

namespace {

constexpr int SizeableBorder = 4;
constexpr int FixedBorder = 1;
constexpr int CornerGrip = 14;      // a corner takes this much of each edge
constexpr int EffectDuration = 500; // ms
constexpr int ModalCancel = 2;      // the original platform's mrCancel
constexpr int ModalOk = 1;

// X keycodes (evdev + 8) of the letter and digit keys: under another
// keyboard layout (Cyrillic) a hot key such as Ctrl+F must still fire.
int LatinKeyAtScanCode(quint32 code) {
    static const char* const rows[] = {"1234567890", "QWERTYUIOP", "ASDFGHJKL", "ZXCVBNM"};
    static const quint32 firstCode[] = {10, 24, 38, 52};
    for (int r = 0; r < 4; ++r) {
        const quint32 len = quint32(qstrlen(rows[r]));
        if (code >= firstCode[r] && code < firstCode[r] + len) return rows[r][code - firstCode[r]];
    }
    return 0;
}

// The key of a key event in the form hot keys are registered with.
int KeyOfEvent(const QKeyEvent* e) {
    int key = e->key();
    if (key == Qt::Key_Backtab) key = Qt::Key_Tab;
    if (key == Qt::Key_Enter) key = Qt::Key_Return;
    // Keys of other layouts, and the punctuation Shift makes of digits
    // ("Shift+1" gives "!"), count as the Latin key at the same place.
    const bool latinLetterOrDigit = (key >= 'A' && key <= 'Z') || (key >= '0' && key <= '9');
    if (!latinLetterOrDigit && key > ' ' && key < Qt::Key_Escape) {
        const QString platformName = QGuiApplication::platformName();
        if (platformName == QLatin1String("xcb") || platformName.startsWith(QLatin1String("wayland")))
            if (const int latin = LatinKeyAtScanCode(e->nativeScanCode())) key = latin;
    }
    return key;
}

Qt::CursorShape CursorForEdges(Qt::Edges edges) {
    const bool left = edges & Qt::LeftEdge, right = edges & Qt::RightEdge;
    const bool top = edges & Qt::TopEdge, bottom = edges & Qt::BottomEdge;
    if ((left && top) || (right && bottom)) return Qt::SizeFDiagCursor;
    if ((right && top) || (left && bottom)) return Qt::SizeBDiagCursor;
    if (left || right) return Qt::SizeHorCursor;
    return Qt::SizeVerCursor;
}

} // namespace

// The window's private state. It is also the event filter of the widgets
// that drag the window (InstallDragHandler) and the context of every
// connection that touches this state, so nothing reaches it once it is gone.
struct TSkForm::Private : QObject {
    explicit Private(TSkForm* form) : q(form) {}

    QRect normalBounds;             // the window's bounds before it was maximized
    bool emulatedMaximized = false; // maximized by the window itself, without a window manager

    bool eventFilter(QObject* watched, QEvent* e) override {
        if (e->type() != QEvent::MouseButtonPress || !watched->isWidgetType()) return false;
        auto* me = static_cast<QMouseEvent*>(e);
        if (!q->canBodyDrag(me->button())) return false;
        q->BeginDrag(static_cast<QWidget*>(watched), me->globalPosition().toPoint(), me->button());
        return true;
    }

    TSkForm* q;
    QMenu* ownMenu = nullptr;
    bool helpButton = false, minButton = true, maxButton = true;
    int framePaintingOff = 0;
    QString skinSheet;
    QColor frameColor{0x1f, 0x3b, 0x63};
    QPointer<QAbstractAnimation> effect;
    QPoint effectTarget;
    bool inExec = false;
    // A border drag began; the first size change it makes runs BeforeResizeHook.
    bool resizePending = false;

    enum class Drag { None, Move, Resize } drag = Drag::None;
    Qt::Edges dragEdges;
    QPoint dragStart;
    QRect dragGeometry;

    // The key event seen last and its first receiver: the same event
    // propagating to a parent is not handled twice.
    const QEvent* lastKeyEvent = nullptr;
    QPointer<QWidget> lastKeyTarget;
};

TSkNotebook::TSkNotebook(QWidget* parent) : QStackedWidget(parent) {
    setObjectName(QStringLiteral("skNotebook"));
    setFrameShape(QFrame::NoFrame);
}

int TSkNotebook::AddPage(const QString& name) {
    auto* page = new QWidget;
    page->setProperty("pageName", name);
    if (auto* form = qobject_cast<TSkForm*>(window())) {
        const QColor c = form->PageColor;
        if (c.isValid() && c != QColor(Qt::black)) {
            QPalette pal = page->palette();
            pal.setColor(QPalette::Window, c);
            page->setPalette(pal);
            page->setAutoFillBackground(true);
        }
    }
    const int index = addWidget(page);
    page->setGeometry(contentsRect());
    setCurrentIndex(index);
    return index;
}

QString TSkNotebook::PageName(int i) const {
    const QWidget* page = widget(i);
    return page ? page->property("pageName").toString() : QString();
}

TSkForm::TSkForm(QWidget* owner)
    : QDialog(owner, Qt::Window | Qt::FramelessWindowHint), d(std::make_unique<Private>(this)) {
    setSizeGripEnabled(false);
    setMouseTracking(true); // border hover shows the resize cursors
    MessageFont = QApplication::font();

    titleBar = new TSkTitleBar(this);
    client = new QWidget(this);
    client->setObjectName(QStringLiteral("skClient"));

    d->ownMenu = new QMenu(this);
    QAction* restore = d->ownMenu->addAction(tr("Восстановить"), d.get(), [this] {
        if (IsMaximized())
            ToggleMaximize();
        else if (IsMinimized())
            showNormal();
    });
    QAction* minimize = d->ownMenu->addAction(tr("Свернуть"), d.get(), [this] { ToggleMinimize(); });
    QAction* maximize = d->ownMenu->addAction(tr("Развернуть"), d.get(), [this] {
        if (!IsMaximized()) ToggleMaximize();
    });
    d->ownMenu->addSeparator();
    d->ownMenu->addAction(tr("Закрыть"), d.get(), [this] { close(); });
    connect(d->ownMenu, &QMenu::aboutToShow, d.get(), [this, restore, minimize, maximize] {
        restore->setEnabled(IsMaximized() || IsMinimized());
        minimize->setEnabled(d->minButton && !IsMinimized());
        maximize->setEnabled(d->maxButton && !IsMaximized());
    });
    systemMenu = d->ownMenu;

    connect(titleBar, &TSkTitleBar::systemMenuRequested, d.get(), [this](const QPoint& at) {
        if (systemMenu) systemMenu->popup(at);
    });
    connect(titleBar, &TSkTitleBar::helpClicked, d.get(), [this] {
        if (!HelpButton || !CommandCallback) return;
        const QPoint at = QCursor::pos();
        RHelpAction action;
        action.Action = HelpAction;
        action.X = at.x();
        action.Y = at.y();
        DispatchCallback callback = CommandCallback;
        callback(action);
    });
    connect(titleBar, &TSkTitleBar::minimizeClicked, d.get(), [this] { ToggleMinimize(); });
    connect(titleBar, &TSkTitleBar::maximizeClicked, d.get(), [this] { ToggleMaximize(); });
    connect(titleBar, &TSkTitleBar::closeClicked, d.get(), [this] { close(); });
    connect(titleBar, &TSkTitleBar::doubleClicked, d.get(), [this] {
        if (d->maxButton) ToggleMaximize();
    });
    connect(titleBar, &TSkTitleBar::dragRequested, d.get(), [this](const QPoint& at) {
        if (!IsMaximized()) startMove(at);
    });

    setStyleSheet(DefaultStyleSheet());
    updateButtons();
    resize(640, 480);
    CenterOnScreen();
    // Key preview: the window sees every key meant for one of its widgets
    // before the widget does.
    qApp->installEventFilter(this);
}

TSkForm::~TSkForm() {
    qApp->removeEventFilter(this);
    if (d->effect) d->effect->stop();
}

QString TSkForm::DefaultStyleSheet() {
    return QStringLiteral(
        "TSkForm { qproperty-frameColor: #1f3b63; }\n"
        "TSkTitleBar { background-color: #1f3b63; }\n"
        "TSkTitleBar[active=\"false\"] { background-color: #51698c; }\n"
        "TSkTitleBar QLabel#skCaption { color: #ffffff; font-weight: 600; padding-left: 2px; }\n"
        "TSkTitleBar[active=\"false\"] QLabel#skCaption { color: #dde4ee; }\n"
        "TSkTitleButton { border: none; background: transparent; color: #ffffff; }\n"
        "TSkTitleButton:hover { background-color: rgba(255, 255, 255, 40); }\n"
        "TSkTitleButton:pressed { background-color: rgba(255, 255, 255, 80); }\n"
        "TSkTitleButton#skCloseButton:hover { background-color: #e81123; }\n"
        "TSkTitleButton#skCloseButton:pressed { background-color: #a50d1a; }\n");
}

QColor TSkForm::FrameColor() const {
    return d->frameColor;
}

void TSkForm::SetFrameColor(const QColor& color) {
    d->frameColor = color;
    update();
}

void TSkForm::CenterOnScreen() {
    QScreen* screen = parentWidget() ? parentWidget()->screen() : QGuiApplication::primaryScreen();
    if (!screen) return;
    const QRect area = screen->availableGeometry();
    move(area.center() - QPoint(width() / 2, height() / 2));
}

TSkNotebook* TSkForm::CreateNotebook() {
    if (notebook) return notebook;
    layoutFrame();
    notebook = new TSkNotebook(client);
    notebook->setGeometry(client->rect());
    notebook->AddPage(QStringLiteral("Default"));
    notebook->show();
    return notebook;
}

void TSkForm::AddHotKey(const QString& value) {
    hotKeys.AddHotKey(value, notebook ? notebook->currentIndex() : -1);
}

void TSkForm::SetSystemMenu(QMenu* menu) {
    systemMenu = menu ? menu : d->ownMenu;
    if (menu && menu != d->ownMenu)
        connect(menu, &QObject::destroyed, d.get(), [this, menu] {
            if (systemMenu == menu) systemMenu = d->ownMenu;
        });
}

void TSkForm::SetCaption(const QString& caption) {
    setWindowTitle(caption);
}
QString TSkForm::Caption() const {
    return windowTitle();
}

void TSkForm::SetSizeable(bool flag) {
    sizeable = flag;
    d->maxButton = flag;
    updateButtons();
}

void TSkForm::SetDialog(bool flag) {
    sizeable = !flag;
    d->minButton = !flag;
    d->maxButton = !flag;
    EscClose = flag;
    updateButtons();
}

void TSkForm::SetHelpButton(bool flag) {
    HelpButton = flag;
    d->helpButton = flag;
    updateButtons();
}

void TSkForm::SetHideCaption(bool hide) {
    hideCaption = hide;
    layoutFrame();
    update();
}

void TSkForm::SetMinWidth(int w) {
    setMinimumWidth(qBound(0, w, QWIDGETSIZE_MAX));
}
void TSkForm::SetMinHeight(int h) {
    setMinimumHeight(qBound(0, h, QWIDGETSIZE_MAX));
}

void TSkForm::updateButtons() {
    titleBar->SetButtons(d->helpButton, d->minButton, d->maxButton);
    layoutFrame();
    update();
}

bool TSkForm::IsMaximized() const {
    return (windowState() & Qt::WindowMaximized) || d->emulatedMaximized;
}
bool TSkForm::IsMinimized() const {
    return windowState() & Qt::WindowMinimized;
}

void TSkForm::ToggleMaximize() {
    if (MaximizeHook) {
        auto hook = MaximizeHook;
        hook();
    }
    if (!IsMaximized()) {
        d->normalBounds = geometry();
        showMaximized();
        // Without a window manager (Xvfb, kiosk sessions) nobody resizes
        // the window for the maximized state; then the window does it itself
        // (setting the geometry drops Qt's maximized flag, so it is kept here).
        QTimer::singleShot(150, this, [this] {
            if (!isVisible() || !screen() || geometry() == screen()->availableGeometry()) return;
            d->emulatedMaximized = true;
            setGeometry(screen()->availableGeometry());
            titleBar->SetMaximized(true);
            layoutFrame();
        });
    } else {
        const bool emulated = d->emulatedMaximized;
        d->emulatedMaximized = false;
        if (windowState() & Qt::WindowMaximized) showNormal();
        if (emulated && d->normalBounds.isValid()) setGeometry(d->normalBounds);
        titleBar->SetMaximized(false);
        layoutFrame();
    }
}

void TSkForm::ToggleMinimize() {
    if (IsMinimized())
        showNormal();
    else
        showMinimized();
}

void TSkForm::SetFramePainting(bool on) {
    if (!on) {
        if (d->framePaintingOff++ == 0) titleBar->setUpdatesEnabled(false);
    } else if (d->framePaintingOff > 0 && --d->framePaintingOff == 0) {
        titleBar->setUpdatesEnabled(true);
        update();
    }
}

bool TSkForm::FramePainting() const {
    return d->framePaintingOff == 0;
}

void TSkForm::SetSkinStyleSheet(const QString& css) {
    d->skinSheet = css;
    setStyleSheet(DefaultStyleSheet() + QLatin1Char('\n') + css);
}

void TSkForm::SetSkinObject(const QString& name) {
    setProperty("skin", name);
    style()->unpolish(this);
    style()->polish(this);
    update();
}

void TSkForm::CloseWithResult(int result) {
    modalResult = result;
    if (d->inExec)
        QDialog::done(result);
    else
        close();
}

int TSkForm::ShowModal() {
    modalResult = 0;
    d->inExec = true;
    exec();
    d->inExec = false;
    return modalResult;
}

void TSkForm::reject() {
    // Esc never gets here (keyPressEvent keeps it from QDialog); closing the
    // window does, and that is a cancel.
    QDialog::reject();
}

void TSkForm::done(int r) {
    if (modalResult == 0) modalResult = r == QDialog::Accepted ? ModalOk : ModalCancel;
    QDialog::done(r);
}

int TSkForm::borderWidth() const {
    if (hideCaption || IsMaximized() || (windowState() & Qt::WindowFullScreen)) return 0;
    return sizeable ? SizeableBorder : FixedBorder;
}

void TSkForm::layoutFrame() {
    const int b = borderWidth();
    const int title = hideCaption ? 0 : titleBar->height();
    titleBar->setVisible(!hideCaption);
    titleBar->setGeometry(b, b, qMax(0, width() - 2 * b), title);
    client->setGeometry(b, b + title, qMax(0, width() - 2 * b), qMax(0, height() - 2 * b - title));
    if (notebook) {
        notebook->setGeometry(client->rect());
        // A hidden window gets its resize events only when shown; the pages
        // take their size now, so that objects built on them are placed
        // against the size the description gives.
        for (int i = 0; i < notebook->count(); ++i) notebook->widget(i)->setGeometry(notebook->contentsRect());
    }
}

void TSkForm::UpdateFrameLayout() { layoutFrame(); }

Qt::Edges TSkForm::edgesAt(const QPoint& pos) const {
    const int b = borderWidth();
    if (!sizeable || b == 0 || IsMaximized()) return {};
    if (QRect(b, b, width() - 2 * b, height() - 2 * b).contains(pos)) return {};
    Qt::Edges edges;
    if (pos.x() < CornerGrip) edges |= Qt::LeftEdge;
    if (pos.x() >= width() - CornerGrip) edges |= Qt::RightEdge;
    if (pos.y() < CornerGrip) edges |= Qt::TopEdge;
    if (pos.y() >= height() - CornerGrip) edges |= Qt::BottomEdge;
    return edges;
}

bool TSkForm::canBodyDrag(Qt::MouseButton button) const {
    return Moving && button == Qt::LeftButton && !IsMaximized();
}

void TSkForm::InstallDragHandler(QWidget* w) {
    if (w) w->installEventFilter(d.get());
}

void TSkForm::BeginDrag(QWidget*, const QPoint& globalPos, Qt::MouseButton button) {
    if (canBodyDrag(button)) startMove(globalPos);
}

void TSkForm::startMove(const QPoint& globalPos) {
    if (QWindow* w = windowHandle(); w && w->startSystemMove()) return;
    // No window manager to do it: follow the mouse ourselves.
    d->drag = Private::Drag::Move;
    d->dragStart = globalPos;
    d->dragGeometry = geometry();
}

void TSkForm::startResize(Qt::Edges edges, const QPoint& globalPos) {
    // The hook runs at the first size change, not here: a press that moves
    // nothing (or a window manager that ends the drag unseen) would leave the
    // frame switched off with no size change to switch it on again.
    d->resizePending = true;
    if (QWindow* w = windowHandle(); w && w->startSystemResize(edges)) return;
    d->drag = Private::Drag::Resize;
    d->dragEdges = edges;
    d->dragStart = globalPos;
    d->dragGeometry = geometry();
}

void TSkForm::followDrag(const QPoint& globalPos) {
    const QPoint delta = globalPos - d->dragStart;
    QRect g = d->dragGeometry;
    if (d->drag == Private::Drag::Move) {
        move(g.topLeft() + delta);
        return;
    }
    // Never narrower than the system and close buttons, never lower than the title.
    const int b = borderWidth();
    const int minW =
        qMax(minimumWidth(), 2 * b + titleBar->SystemButton()->width() + titleBar->CloseButton()->width());
    const int minH = qMax(minimumHeight(), 2 * b + (hideCaption ? 0 : titleBar->height()));
    const int maxW = maximumWidth(), maxH = maximumHeight();
    if (d->dragEdges & Qt::LeftEdge)
        g.setLeft(qBound(g.right() + 1 - maxW, g.left() + delta.x(), g.right() + 1 - minW));
    if (d->dragEdges & Qt::RightEdge)
        g.setRight(qBound(g.left() - 1 + minW, g.right() + delta.x(), g.left() - 1 + maxW));
    if (d->dragEdges & Qt::TopEdge)
        g.setTop(qBound(g.bottom() + 1 - maxH, g.top() + delta.y(), g.bottom() + 1 - minH));
    if (d->dragEdges & Qt::BottomEdge)
        g.setBottom(qBound(g.top() - 1 + minH, g.bottom() + delta.y(), g.top() - 1 + maxH));
    setGeometry(g);
}

bool TSkForm::HandleKey(int key, Qt::KeyboardModifiers modifiers) {
    modifiers &= Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier;
    QPointer<TSkForm> self(this);
    bool handled = false;

    const int shown = notebook ? notebook->currentIndex() : -1;
    const int entry = hotKeys.Match(key | int(modifiers.toInt()), shown);
    if (entry >= 0 && CommandCallback) {
        RHelpAction action;
        action.Action = hotKeys.action(entry);
        DispatchCallback callback = CommandCallback;
        callback(action);
        handled = true;
        if (!self) return true;
    }
    if (key == Qt::Key_Escape && EscClose) {
        CloseWithResult(ModalCancel);
        handled = true;
        if (!self) return true;
    }
    if (modifiers == (Qt::ControlModifier | Qt::AltModifier)) {
        if (key == Qt::Key_Q) {
            platform().restartProgram();
        } else if (key == Qt::Key_E && !DescriptionFile.isEmpty() && OwnDriveKind() != TDriveKind::CdRom) {
            platform().shellOpen(AbsoluteFromApp(DescriptionFile), QString(), QStringLiteral("open"),
                                 QString());
        }
    }
    return handled;
}

bool TSkForm::eventFilter(QObject* watched, QEvent* e) {
    switch (e->type()) {
    case QEvent::ShortcutOverride:
    case QEvent::KeyRelease:
        // Every key press is preceded by these: the next press is a new one
        // even if it lives at the address of the last.
        d->lastKeyEvent = nullptr;
        break;
    case QEvent::KeyPress: {
        if (!watched->isWidgetType()) break;
        auto* w = static_cast<QWidget*>(watched);
        if (w->window() != this || !isEnabled()) break;
        if (e == d->lastKeyEvent && d->lastKeyTarget && w != d->lastKeyTarget &&
            w->isAncestorOf(d->lastKeyTarget))
            break; // the event propagating from the widget that had it first
        d->lastKeyEvent = e;
        d->lastKeyTarget = w;
        auto* ke = static_cast<QKeyEvent*>(e);
        return HandleKey(KeyOfEvent(ke), ke->modifiers());
    }
    case QEvent::MouseButtonPress:
        if (watched->isWidgetType() && static_cast<QWidget*>(watched)->window() == this)
            d->resizePending = false;
        break;
    case QEvent::MouseMove:
    case QEvent::MouseButtonRelease: {
        if (d->drag == Private::Drag::None) break;
        auto* me = static_cast<QMouseEvent*>(e);
        if (e->type() == QEvent::MouseButtonRelease || !(me->buttons() & Qt::LeftButton)) {
            d->drag = Private::Drag::None;
            break;
        }
        followDrag(me->globalPosition().toPoint());
        return true;
    }
    default:
        break;
    }
    return QDialog::eventFilter(watched, e);
}

void TSkForm::keyPressEvent(QKeyEvent* e) {
    // The key handler has seen the key already. QDialog would close on Esc
    // and press a default button on Enter; neither belongs to these windows.
    if (e->key() == Qt::Key_Escape || e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) {
        e->ignore();
        return;
    }
    QWidget::keyPressEvent(e);
}

void TSkForm::resizeEvent(QResizeEvent* e) {
    if (d->resizePending) {
        d->resizePending = false;
        if (BeforeResizeHook) {
            auto hook = BeforeResizeHook;
            hook(); // the pages still have their old size here
        }
    }
    QDialog::resizeEvent(e);
    layoutFrame();
    if (SizeChangeHook) {
        auto hook = SizeChangeHook;
        hook(client->width(), client->height());
    }
}

void TSkForm::showEvent(QShowEvent* e) {
    QDialog::showEvent(e);
    // A build that failed half-way leaves frame painting off; a shown
    // window always paints its frame.
    if (d->framePaintingOff > 0) {
        d->framePaintingOff = 1;
        SetFramePainting(true);
    }
    titleBar->SetActive(isActiveWindow());
    keepOnScreen();
    playShowEffect();
}

void TSkForm::keepOnScreen() {
    // A position saved on a larger screen, or a description written for
    // one, must not leave the window or its title bar out of reach.
    if (IsMaximized() || isFullScreen() || !screen()) return;
    const QRect area = screen()->availableGeometry();
    QRect r = geometry();
    if (area.contains(r)) return;
    r.setWidth(std::min(r.width(), area.width()));
    r.setHeight(std::min(r.height(), area.height()));
    if (r.right() > area.right()) r.moveRight(area.right());
    if (r.bottom() > area.bottom()) r.moveBottom(area.bottom());
    if (r.left() < area.left()) r.moveLeft(area.left());
    if (r.top() < area.top()) r.moveTop(area.top());
    setGeometry(r);
}

void TSkForm::hideEvent(QHideEvent* e) {
    if (d->effect) {
        d->effect->stop();
        setWindowOpacity(1.0);
        if (!d->effectTarget.isNull()) move(d->effectTarget);
    }
    d->drag = Private::Drag::None;
    QDialog::hideEvent(e);
}

void TSkForm::playShowEffect() {
    const QString kind = ShowEffect.trimmed().toLower();
    const bool fade = kind == QLatin1String("fade") || kind == QLatin1String("blend");
    const bool slide = kind == QLatin1String("slide");
    if (!fade && !slide) return;
    if (d->effect) d->effect->stop();

    auto* group = new QParallelAnimationGroup(this);
    auto* opacity = new QPropertyAnimation(this, "windowOpacity", group);
    opacity->setDuration(EffectDuration);
    opacity->setStartValue(0.0);
    opacity->setEndValue(1.0);
    d->effectTarget = QPoint();
    if (slide) {
        d->effectTarget = pos();
        auto* move = new QPropertyAnimation(this, "pos", group);
        move->setDuration(EffectDuration);
        move->setStartValue(pos() + QPoint(0, 32));
        move->setEndValue(pos());
        move->setEasingCurve(QEasingCurve::OutCubic);
    }
    setWindowOpacity(0.0);
    d->effect = group;
    group->start(QAbstractAnimation::DeleteWhenStopped);
}

void TSkForm::changeEvent(QEvent* e) {
    QDialog::changeEvent(e);
    switch (e->type()) {
    case QEvent::WindowStateChange:
        titleBar->SetMaximized(IsMaximized());
        layoutFrame();
        update();
        break;
    case QEvent::ActivationChange:
        titleBar->SetActive(isActiveWindow());
        break;
    case QEvent::WindowTitleChange:
        titleBar->SetCaption(windowTitle());
        break;
    case QEvent::WindowIconChange:
        titleBar->SystemButton()->update();
        break;
    default:
        break;
    }
}

void TSkForm::mousePressEvent(QMouseEvent* e) {
    if (e->button() == Qt::LeftButton) {
        const QPoint at = e->position().toPoint();
        if (const Qt::Edges edges = edgesAt(at)) {
            startResize(edges, e->globalPosition().toPoint());
            e->accept();
            return;
        }
        // Presses on the bare window or an empty notebook page reach here.
        QWidget* target = childAt(at);
        const bool body =
            !target || target == client || target == notebook || (notebook && notebook->indexOf(target) >= 0);
        if (body && canBodyDrag(e->button())) {
            BeginDrag(this, e->globalPosition().toPoint(), e->button());
            e->accept();
            return;
        }
    }
    QDialog::mousePressEvent(e);
}

void TSkForm::mouseMoveEvent(QMouseEvent* e) {
    if (e->buttons() == Qt::NoButton) {
        // The window handle's cursor, not the widget's: children keep theirs.
        if (QWindow* w = windowHandle()) {
            const Qt::Edges edges = edgesAt(e->position().toPoint());
            w->setCursor(edges ? QCursor(CursorForEdges(edges)) : cursor());
        }
    }
    QDialog::mouseMoveEvent(e);
}

void TSkForm::mouseReleaseEvent(QMouseEvent* e) {
    d->drag = Private::Drag::None;
    QDialog::mouseReleaseEvent(e);
}

void TSkForm::paintEvent(QPaintEvent*) {
    const int b = borderWidth();
    if (b == 0) return;
    // Only the ring around title bar and client: the pages show the
    // window's own background through.
    QPainter p(this);
    p.setClipRegion(QRegion(rect()).subtracted(QRegion(rect().adjusted(b, b, -b, -b))));
    p.fillRect(rect(), d->frameColor);
    p.setPen(d->frameColor.darker(150));
    p.drawRect(rect().adjusted(0, 0, -1, -1));
}
