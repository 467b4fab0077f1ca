#pragma once
// The HTML view of described windows: pages, pictures and style sheets read
// through the archive; link clicks become action strings for the window's
// dispatcher (OnDispatch).

#include "SkinControl/skControl.h"

#include <QPointer>
#include <QTextBrowser>

class TSkTree;
class TSkLabel;

class TSkHtml : public QTextBrowser, public TSkControl {
    Q_OBJECT
public:
    explicit TSkHtml(QWidget* parent);

    // Visit history, newest at 0: the position shown, and the document name
    // and title of each position.
    int HistoryIndex() const { return 0; }
    int HistoryCount() const { return 0; }
    QString HistoryDocument(int) const { return {}; }
    QString HistoryTitle(int) const { return {}; }

    // The tree whose node follows the page shown (key link_html of a tree),
    // and the label that shows the page's title (key html_title of a label).
    QPointer<TSkTree> LinkedTree;
    QPointer<TSkLabel> TitleLabel;

    QWidget* skWidget() override { return this; }
};
