// The label: caption shortened word by word to fit, again on resize; auto
// size; the link look.

#include "SkinControl/skLabel.h"
#include "platform/ControlLayout.h"

#include <QFontMetrics>
#include <gtest/gtest.h>

namespace {

int advance(const QLabel& l, const QString& text) {
    return QFontMetrics(l.font()).horizontalAdvance(text);
}

} // namespace

TEST(Label, CaptionIsCutWordByWordToTheWidth) {
    QWidget parent;
    auto* l = new TSkLabel(&parent);
    parent.show(); // resize events reach shown widgets only
    l->SetAutoSize(false);
    const QString caption = "Alpha Beta Gamma";
    struct Row {
        const char* name;
        int width;
        QString expected;
    } rows[] = {
        {"fits whole", advance(*l, caption), caption},
        {"two words fit", advance(*l, "Alpha Beta..."), "Alpha Beta..."},
        {"one word fits", advance(*l, "Alpha Beta...") - 1, "Alpha..."},
        {"only the dots fit", advance(*l, "..."), "..."},
        {"nothing fits", 1, "..."},
    };
    l->SetCutLength(true);
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        ControlLayout::SetBounds(l, QRect(0, 0, r.width, 20));
        l->SetCaption(caption);
        EXPECT_EQ(l->text(), r.expected);
        EXPECT_EQ(l->Caption(), caption);
    }
    // Widening the label shows more again; switching the cut off shows all.
    ControlLayout::SetWidth(l, advance(*l, caption) + 10);
    EXPECT_EQ(l->text(), caption);
    ControlLayout::SetWidth(l, 1);
    EXPECT_EQ(l->text(), "...");
    l->SetCutLength(false);
    EXPECT_EQ(l->text(), caption);
}

TEST(Label, AutoSizeFollowsTheCaption) {
    QWidget parent;
    auto* l = new TSkLabel(&parent);
    ControlLayout::SetBounds(l, QRect(5, 6, 10, 10));
    l->SetCaption("A rather long caption");
    EXPECT_EQ(l->size(), l->sizeHint());
    EXPECT_EQ(l->pos(), QPoint(5, 6));

    // Wrapping keeps the width and takes the height of the wrapped lines.
    ControlLayout::SetWidth(l, advance(*l, "A rather") + 4);
    const int width = l->width();
    l->SetWordWrap(true);
    EXPECT_EQ(l->width(), width);
    EXPECT_GE(l->height(), 2 * QFontMetrics(l->font()).height());

    l->SetAutoSize(false);
    ControlLayout::SetBounds(l, QRect(5, 6, 300, 40));
    l->SetCaption("x");
    EXPECT_EQ(l->size(), QSize(300, 40));
}

TEST(Label, LinkLook) {
    TSkLabel l(nullptr);
    l.SetUrlLook(true);
    EXPECT_TRUE(l.font().underline());
    EXPECT_EQ(l.palette().color(QPalette::WindowText), QColor(0, 0, 255));
    EXPECT_EQ(l.cursor().shape(), Qt::PointingHandCursor);
    l.SetUrlLook(false);
    EXPECT_FALSE(l.font().underline());
    EXPECT_EQ(l.palette().color(QPalette::WindowText), QPalette().color(QPalette::WindowText));
    EXPECT_EQ(l.cursor().shape(), Qt::ArrowCursor);
}

TEST(Label, CaptionIsPlainText) {
    TSkLabel l(nullptr);
    l.SetCaption("<b>bold</b>");
    EXPECT_EQ(l.textFormat(), Qt::PlainText);
}
