#include "platform/ControlLayout.h"

#include "platform/Errors.h"

#include <QChildEvent>
#include <QCoreApplication>
#include <QEvent>
#include <QPointer>

#include <algorithm>
#include <cstdlib>
#include <memory>
#include <unordered_map>
#include <utility>
#include <vector>

namespace {

// What the engine knows about one widget, as a child of its parent and, when
// it has registered children of its own, as a parent.
struct Node {
    QPointer<QWidget> parent;
    TAlign align = TAlign::None;
    TAnchors anchors = DefaultAnchors;
    QRect bounds;      // the bounds as set; width and height may be negative
    QRect applied;     // the geometry last given to Qt, to notice outside moves
    QRect ref;         // bounds when the anchor distances were recorded
    QSize refParent;   // parent size at that moment
    // As a parent:
    bool isParent = false;
    QSize knownSize;   // size at the last realignment
    int disableLevel = 0;
    bool busy = false;
    bool pending = false;
};

using NodeMap = std::unordered_map<const QObject*, std::unique_ptr<Node>>;

// Allocated once and never freed: widgets may outlive static destruction.
NodeMap& nodes() {
    static auto* map = new NodeMap;
    return *map;
}

class LayoutFilter : public QObject {
public:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

LayoutFilter* filter() {
    static auto* f = new LayoutFilter;
    return f;
}

Node* findNode(const QObject* w) {
    const auto it = nodes().find(w);
    return it == nodes().end() ? nullptr : it->second.get();
}

void ensureParent(QWidget* p);

void recordRules(Node& n) {
    n.ref = n.bounds;
    n.refParent = n.parent ? n.parent->size() : QSize();
}

Node& nodeOf(QWidget* w) {
    if (Node* n = findNode(w)) return *n;
    auto owned = std::make_unique<Node>();
    Node* n = owned.get();
    nodes().emplace(w, std::move(owned));
    QObject::connect(w, &QObject::destroyed, filter(), [](QObject* o) { nodes().erase(o); });
    n->parent = w->parentWidget();
    n->bounds = n->applied = w->geometry();
    recordRules(*n);
    if (n->parent) ensureParent(n->parent);
    return *n;
}

void ensureParent(QWidget* p) {
    Node& pn = nodeOf(p);
    if (pn.isParent) return;
    pn.isParent = true;
    pn.knownSize = p->size();
    p->installEventFilter(filter());
}

// Takes note of what changed behind the engine's back: a move or resize
// through plain Qt calls, or a new parent. The distances are then measured
// against the parent size of the last realignment, when the move happened.
void sync(QWidget* w, Node& n, const QSize* parentSizeThen = nullptr) {
    QWidget* p = w->parentWidget();
    if (n.parent != p) {
        n.parent = p;
        n.bounds = n.applied = w->geometry();
        recordRules(n);
        if (p) ensureParent(p);
        return;
    }
    if (w->geometry() == n.applied) return;
    n.bounds = n.applied = w->geometry();
    n.ref = n.bounds;
    if (parentSizeThen) {
        n.refParent = *parentSizeThen;
    } else {
        const Node* pn = p ? findNode(p) : nullptr;
        n.refParent = pn && pn->isParent ? pn->knownSize : (p ? p->size() : QSize());
    }
}

Node& childNode(QWidget* w) {
    Node& n = nodeOf(w);
    sync(w, n);
    return n;
}

int minWidth(const QWidget* w) { return w->minimumWidth(); }
int minHeight(const QWidget* w) { return w->minimumHeight(); }
int maxWidth(const QWidget* w) { return w->maximumWidth() >= QWIDGETSIZE_MAX ? 0 : w->maximumWidth(); }
int maxHeight(const QWidget* w) { return w->maximumHeight() >= QWIDGETSIZE_MAX ? 0 : w->maximumHeight(); }

// 0 means no limit; the minimum is checked first, as the original did.
int constrain(int v, int lo, int hi) {
    if (lo > 0 && v < lo) return lo;
    if (hi > 0 && v > hi) return hi;
    return v;
}

QRect constrained(const QWidget* w, const QRect& r) {
    return QRect(r.x(), r.y(), constrain(r.width(), minWidth(w), maxWidth(w)),
                 constrain(r.height(), minHeight(w), maxHeight(w)));
}

// a * b / c rounded to the nearest, halves away from zero.
int mulDiv(int a, int b, int c) {
    const long long num = static_cast<long long>(a) * b;
    const long long q = (std::llabs(num) + std::llabs(static_cast<long long>(c)) / 2) / std::llabs(static_cast<long long>(c));
    return static_cast<int>((num < 0) != (c < 0) ? -q : q);
}

void realign(QWidget* parent, QWidget* justAligned);

// Gives a widget its (already constrained) bounds. A widget with registered
// children realigns them at once when its size changed, also while hidden,
// when Qt sends no resize event.
void applyBounds(QWidget* w, const QRect& r) {
    QPointer<QWidget> guard(w);
    if (Node* n = findNode(w)) n->bounds = r;
    const QRect g(r.x(), r.y(), std::max(0, r.width()), std::max(0, r.height()));
    if (w->geometry() != g) w->setGeometry(g);
    if (!guard) return;
    Node* n = findNode(w);
    if (!n) return;
    n->applied = w->geometry();
    if (n->applied != g) n->bounds = n->applied;  // Qt or a handler decided otherwise
    if (n->isParent && w->size() != n->knownSize) realign(w, nullptr);
}

struct Entry {
    QPointer<QWidget> w;  // a handler of an earlier group may delete it
    int index;  // child order
    int edge;   // distance rank from the parent's edge, smaller is nearer
};

int leadingEdge(const QRect& b, TAlign a) {
    switch (a) {
    case TAlign::Top: return b.y();
    case TAlign::Bottom: return -(b.y() + b.height());
    case TAlign::Left: return b.x();
    case TAlign::Right: return -(b.x() + b.width());
    default: return 0;
    }
}

// Nearest the parent's edge first. On equal edges the control just aligned
// comes first; the others keep their child order for top and left and the
// reverse order for bottom and right, as the original's insertion did.
void sortForAlign(std::vector<Entry>& list, TAlign a, const QWidget* justAligned) {
    const bool reverse = a == TAlign::Bottom || a == TAlign::Right;
    std::erase_if(list, [](const Entry& e) { return !e.w || !findNode(e.w); });
    for (Entry& e : list) e.edge = leadingEdge(findNode(e.w)->bounds, a);
    std::sort(list.begin(), list.end(), [&](const Entry& x, const Entry& y) {
        if (x.edge != y.edge) return x.edge < y.edge;
        if ((x.w == justAligned) != (y.w == justAligned)) return x.w == justAligned;
        return reverse ? x.index > y.index : x.index < y.index;
    });
}

QRect anchoredBounds(const QWidget* w, const Node& n, QSize parentSize) {
    int left = n.ref.x(), width = n.ref.width();
    int top = n.ref.y(), height = n.ref.height();
    const bool l = n.anchors & akLeft, r = n.anchors & akRight;
    const bool t = n.anchors & akTop, b = n.anchors & akBottom;
    const int pw = parentSize.width(), ph = parentSize.height();
    const int opw = n.refParent.width(), oph = n.refParent.height();
    if (r) {
        if (l) width = pw - (opw - n.ref.width());
        else left = pw - (opw - n.ref.x());
    } else if (!l && opw > 0) {
        left = mulDiv(n.ref.x() + n.ref.width() / 2, pw, opw) - width / 2;
    }
    if (b) {
        if (t) height = ph - (oph - n.ref.height());
        else top = ph - (oph - n.ref.y());
    } else if (!t && oph > 0) {
        top = mulDiv(n.ref.y() + n.ref.height() / 2, ph, oph) - height / 2;
    }
    return constrained(w, QRect(left, top, width, height));
}

// sizeBefore is the parent's size at the previous realignment: a child moved
// by plain Qt calls since then was placed against that size.
void alignPass(QWidget* parent, QWidget* justAligned, QSize sizeBefore) {
    std::vector<Entry> byAlign[7];
    std::vector<QWidget*> anchored;
    const QObjectList& kids = parent->children();
    for (int i = 0; i < kids.size(); ++i) {
        QObject* o = kids.at(i);
        if (!o->isWidgetType()) continue;
        auto* w = static_cast<QWidget*>(o);
        Node* n = findNode(w);
        if (!n || w->isWindow()) continue;
        sync(w, *n, &sizeBefore);
        if (n->align == TAlign::None) {
            if (n->anchors != DefaultAnchors) anchored.push_back(w);
        } else if (!w->isHidden()) {
            byAlign[static_cast<int>(n->align)].push_back({w, i, 0});
        }
    }

    const QRect client = parent->contentsRect();
    int left = client.left(), top = client.top();
    int right = left + client.width(), bottom = top + client.height();
    const TAlign order[] = {TAlign::Top, TAlign::Bottom, TAlign::Left, TAlign::Right, TAlign::Client};
    for (TAlign a : order) {
        auto& list = byAlign[static_cast<int>(a)];
        sortForAlign(list, a, justAligned);
        std::vector<std::pair<QPointer<QWidget>, QRect>> placed;
        placed.reserve(list.size());
        for (const Entry& e : list) {
            const QRect own = findNode(e.w)->bounds;  // all alive: nothing ran since the sort
            const int freeW = std::max(0, right - left), freeH = std::max(0, bottom - top);
            const int ownW = std::max(0, own.width()), ownH = std::max(0, own.height());
            QRect r;
            switch (a) {
            case TAlign::Top:
                r = constrained(e.w, QRect(left, top, freeW, ownH));
                top += r.height();
                break;
            case TAlign::Bottom:
                r = constrained(e.w, QRect(left, 0, freeW, ownH));
                r.moveTop(bottom - r.height());
                bottom -= r.height();
                break;
            case TAlign::Left:
                r = constrained(e.w, QRect(left, top, ownW, freeH));
                left += r.width();
                break;
            case TAlign::Right:
                r = constrained(e.w, QRect(0, top, ownW, freeH));
                r.moveLeft(right - r.width());
                right -= r.width();
                break;
            default:
                r = constrained(e.w, QRect(left, top, freeW, freeH));
                break;
            }
            placed.emplace_back(e.w, r);
        }
        // Geometry is set after the whole group is placed, so handlers that
        // run inside setGeometry cannot disturb the order being laid out.
        for (const auto& [w, r] : placed)
            if (w) applyBounds(w, r);
    }

    const QSize size = parent->size();
    std::vector<QPointer<QWidget>> guarded(anchored.begin(), anchored.end());
    for (const QPointer<QWidget>& w : guarded) {
        if (!w) continue;
        const Node* n = findNode(w);
        if (!n || n->align != TAlign::None) continue;
        applyBounds(w, anchoredBounds(w, *n, size));
    }
}

void realign(QWidget* parent, QWidget* justAligned) {
    ensureParent(parent);
    Node* pn = findNode(parent);
    if (pn->disableLevel > 0 || pn->busy) {
        pn->pending = true;
        return;
    }
    QPointer<QWidget> guard(parent);
    pn->busy = true;
    // A handler may change the layout while it runs; a few more passes settle
    // it, and the bound keeps two handlers that disagree from looping.
    for (int pass = 0; pass < 8; ++pass) {
        pn->pending = false;
        const QSize before = pn->knownSize;
        pn->knownSize = parent->size();
        alignPass(parent, justAligned, before);
        if (!guard || !(pn = findNode(parent)) || !pn->pending) break;
    }
    if (guard && (pn = findNode(parent))) pn->busy = false;
}

// Realigns the parent of a control that changed. The aligned children depend
// only on each other and on the parent, and the anchored ones only on the
// parent's size, so a change of an unaligned control needs no pass unless the
// parent has changed size since the last one. This keeps building a window of
// many controls linear.
void requestAlign(QWidget* w, QWidget* justAligned) {
    QWidget* p = w->parentWidget();
    if (!p || w->isWindow()) return;
    const Node* n = findNode(w);
    const Node* pn = findNode(p);
    if (n && n->align == TAlign::None && pn && pn->isParent && !pn->pending && p->size() == pn->knownSize) return;
    realign(p, justAligned);
}

bool LayoutFilter::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::Resize:
    case QEvent::Show: {
        auto* w = static_cast<QWidget*>(watched);
        const Node* n = findNode(w);
        if (n && n->isParent && w->size() != n->knownSize) realign(w, nullptr);
        break;
    }
    case QEvent::LayoutRequest:
        // Posted by Qt when a child is shown or hidden behind our back, and by
        // us when a child leaves.
        if (findNode(watched)) realign(static_cast<QWidget*>(watched), nullptr);
        break;
    case QEvent::ChildRemoved:
        if (static_cast<QChildEvent*>(event)->child()->isWidgetType())
            QCoreApplication::postEvent(watched, new QEvent(QEvent::LayoutRequest));
        break;
    default:
        break;
    }
    return false;
}

TAnchors anchorsFor(TAlign a) {
    switch (a) {
    case TAlign::Top: return akLeft | akTop | akRight;
    case TAlign::Bottom: return akLeft | akRight | akBottom;
    case TAlign::Left: return akLeft | akTop | akBottom;
    case TAlign::Right: return akRight | akTop | akBottom;
    case TAlign::Client: return akLeft | akTop | akRight | akBottom;
    default: return DefaultAnchors;
    }
}

bool isVertical(TAlign a) { return a == TAlign::Top || a == TAlign::Bottom; }
bool isHorizontal(TAlign a) { return a == TAlign::Left || a == TAlign::Right; }

// Sets the bounds as given (constrained), records the anchor distances and
// realigns the parent.
void setBoundsAligning(QWidget* w, const QRect& r, bool realignParent) {
    QPointer<QWidget> guard(w);
    childNode(w);
    applyBounds(w, constrained(w, r));
    if (!guard) return;
    Node& n = childNode(w);
    recordRules(n);
    if (realignParent) requestAlign(w, n.align != TAlign::None ? w : nullptr);
}

} // namespace

namespace ControlLayout {

TAlign Align(const QWidget* w) {
    const Node* n = w ? findNode(w) : nullptr;
    return n ? n->align : TAlign::None;
}

void SetAlign(QWidget* w, TAlign align) {
    if (!w) return;
    Node& n = childNode(w);
    if (n.align != align) {
        const TAlign old = n.align;
        n.align = align;
        if (align != TAlign::None) n.anchors = anchorsFor(align);
        // Turning from a horizontal to a vertical alignment (or back) swaps
        // width and height, so a bar keeps its thickness.
        if ((isVertical(old) && isHorizontal(align)) || (isHorizontal(old) && isVertical(align))) {
            const QRect b = n.bounds;
            setBoundsAligning(w, QRect(b.x(), b.y(), b.height(), b.width()), false);
        } else if (align == TAlign::None) {
            recordRules(n);
        }
    }
    if (QWidget* p = w->parentWidget(); p && !w->isWindow()) realign(p, w);
}

TAnchors Anchors(const QWidget* w) {
    const Node* n = w ? findNode(w) : nullptr;
    return n ? n->anchors : DefaultAnchors;
}

void SetAnchors(QWidget* w, TAnchors anchors) {
    if (!w) return;
    Node& n = childNode(w);
    n.anchors = anchors & (akLeft | akTop | akRight | akBottom);
    recordRules(n);
}

QRect Bounds(const QWidget* w) {
    if (!w) return {};
    const Node* n = findNode(w);
    return n && n->parent == w->parentWidget() && w->geometry() == n->applied ? n->bounds : w->geometry();
}

void SetBounds(QWidget* w, const QRect& r) {
    if (w) setBoundsAligning(w, r, true);
}

void SetLeft(QWidget* w, int left) {
    if (w) SetBounds(w, Bounds(w).translated(left - Bounds(w).x(), 0));
}

void SetTop(QWidget* w, int top) {
    if (w) SetBounds(w, Bounds(w).translated(0, top - Bounds(w).y()));
}

void SetWidth(QWidget* w, int width) {
    if (!w) return;
    const QRect b = Bounds(w);
    SetBounds(w, QRect(b.x(), b.y(), width, b.height()));
}

void SetHeight(QWidget* w, int height) {
    if (!w) return;
    const QRect b = Bounds(w);
    SetBounds(w, QRect(b.x(), b.y(), b.width(), height));
}

// The limits live in the widget's own minimum and maximum size, so Qt holds
// them too. Like the original, raising a minimum above the maximum raises the
// maximum, and lowering a maximum below the minimum lowers the minimum.
void SetMinWidth(QWidget* w, int v) {
    if (!w) return;
    const QRect b = Bounds(w);
    v = std::max(0, v);
    if (maxWidth(w) > 0 && v > maxWidth(w)) w->setMaximumWidth(v);
    w->setMinimumWidth(v);
    SetBounds(w, b);
}

void SetMinHeight(QWidget* w, int v) {
    if (!w) return;
    const QRect b = Bounds(w);
    v = std::max(0, v);
    if (maxHeight(w) > 0 && v > maxHeight(w)) w->setMaximumHeight(v);
    w->setMinimumHeight(v);
    SetBounds(w, b);
}

void SetMaxWidth(QWidget* w, int v) {
    if (!w) return;
    const QRect b = Bounds(w);
    v = std::max(0, v);
    if (v > 0 && v < minWidth(w)) w->setMinimumWidth(v);
    w->setMaximumWidth(v > 0 ? v : QWIDGETSIZE_MAX);
    SetBounds(w, b);
}

void SetMaxHeight(QWidget* w, int v) {
    if (!w) return;
    const QRect b = Bounds(w);
    v = std::max(0, v);
    if (v > 0 && v < minHeight(w)) w->setMinimumHeight(v);
    w->setMaximumHeight(v > 0 ? v : QWIDGETSIZE_MAX);
    SetBounds(w, b);
}

void SetVisible(QWidget* w, bool visible) {
    if (!w) return;
    childNode(w);
    w->setVisible(visible);
    requestAlign(w, nullptr);
}

void Realign(QWidget* parent) {
    if (parent) realign(parent, nullptr);
}

void DisableAlign(QWidget* parent) {
    if (!parent) return;
    ensureParent(parent);
    ++findNode(parent)->disableLevel;
}

void EnableAlign(QWidget* parent) {
    if (!parent) return;
    Node* pn = findNode(parent);
    if (!pn || pn->disableLevel == 0) return;
    // Realigns once, when a change or a resize waited for it.
    if (--pn->disableLevel == 0 && (pn->pending || parent->size() != pn->knownSize)) realign(parent, nullptr);
}

} // namespace ControlLayout

namespace {

// The text before the first separator; the text keeps what follows it.
QString splitHead(QString& text, QChar sep) {
    const qsizetype at = text.indexOf(sep);
    if (at < 0) return std::exchange(text, QString());
    QString head = text.left(at);
    text.remove(0, at + 1);
    return head;
}

struct Distance {
    bool given = false;
    int value = 0;
};

Distance readDistance(QString& text) {
    const QString field = splitHead(text, ' ');
    if (field == QLatin1String("*")) return {};
    return {true, StrToInt(field)};
}

} // namespace

void PositionFromText(QWidget* control, const QString& text) {
    if (!control || text.isEmpty()) return;
    QString rest = text;
    // All four fields are read before anything moves, so a bad number
    // leaves the control as it was.
    const Distance l = readDistance(rest);
    const Distance t = readDistance(rest);
    const Distance r = readDistance(rest);
    const Distance b = readDistance(rest);
    QWidget* parent = control->parentWidget();
    if (!parent || control->isWindow()) return;

    const int pw = parent->width(), ph = parent->height();
    const QRect cur = ControlLayout::Bounds(control);
    const int w = cur.width(), h = cur.height();
    int x = l.given ? l.value : r.given ? pw - r.value - w : cur.x();
    int y = t.given ? t.value : b.given ? ph - b.value - h : cur.y();

    TAnchors add = 0;
    auto* centerable = dynamic_cast<TCenterable*>(control);
    if (l.given || r.given) {
        add |= (l.given ? akLeft : 0) | (r.given ? akRight : 0);
    } else if (centerable) {
        centerable->SetCenterHorz(true);
        x = ControlLayout::Bounds(control).x();
    }
    if (t.given || b.given) {
        add |= (t.given ? akTop : 0) | (b.given ? akBottom : 0);
    } else if (centerable) {
        centerable->SetCenterVert(true);
        y = ControlLayout::Bounds(control).y();
    }
    // The far edges follow the (possibly centred) near edges, so centring
    // keeps the control's size.
    const int right = r.given ? pw - r.value : l.given ? l.value + w : x + w;
    const int bottom = b.given ? ph - b.value : t.given ? t.value + h : y + h;

    ControlLayout::SetAnchors(control, ControlLayout::Anchors(control) | add);
    ControlLayout::SetBounds(control, QRect(x, y, right - x, bottom - y));
}
