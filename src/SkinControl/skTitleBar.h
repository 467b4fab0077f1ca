#pragma once
// The skinned window's title bar: system-menu button, caption, and the help,
// minimize, maximize/restore and close buttons. It draws itself through the
// window's style sheet (selectors TSkTitleBar, TSkTitleButton and the object
// names below) and reports clicks, drags and double-clicks to the window.

#include <QToolButton>
#include <QWidget>

class QLabel;

// A flat title-bar button that draws its glyph in the button's text colour,
// so a style sheet's `color` recolours it.
class TSkTitleButton : public QToolButton {
    Q_OBJECT
public:
    enum class Glyph { System, Help, Minimize, Maximize, Restore, Close };
    TSkTitleButton(Glyph glyph, const QString& objectName, QWidget* parent);
    void SetGlyph(Glyph g);
    Glyph glyph() const { return shape; }

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    Glyph shape;
};

class TSkTitleBar : public QWidget {
    Q_OBJECT
public:
    static constexpr int DefaultHeight = 30;

    explicit TSkTitleBar(QWidget* parent);

    void SetCaption(const QString& text);
    QString Caption() const { return caption; }
    // Which border buttons are present (the system and close buttons always are).
    void SetButtons(bool help, bool minimize, bool maximize);
    bool HasHelp() const;
    bool HasMinimize() const;
    bool HasMaximize() const;
    // Shows the restore glyph instead of the maximize glyph.
    void SetMaximized(bool maximized);
    // Selects the inactive look of the style sheet ([active="false"]).
    void SetActive(bool active);

    TSkTitleButton* SystemButton() const { return systemButton; }
    TSkTitleButton* HelpButton() const { return helpButton; }
    TSkTitleButton* MinimizeButton() const { return minButton; }
    TSkTitleButton* MaximizeButton() const { return maxButton; }
    TSkTitleButton* CloseButton() const { return closeButton; }

signals:
    void systemMenuRequested(const QPoint& globalPos);
    void helpClicked();
    void minimizeClicked();
    void maximizeClicked();
    void closeClicked();
    // Left button went down on the bar itself (not on a button).
    void dragRequested(const QPoint& globalPos);
    void doubleClicked();

protected:
    void paintEvent(QPaintEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    void changeEvent(QEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;

private:
    void updateCaptionText();

    QString caption;
    QLabel* captionLabel;
    TSkTitleButton* systemButton;
    TSkTitleButton* helpButton;
    TSkTitleButton* minButton;
    TSkTitleButton* maxButton;
    TSkTitleButton* closeButton;
};
