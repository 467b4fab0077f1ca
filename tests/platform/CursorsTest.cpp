#include "platform/Cursors.h"

#include <QPixmap>
#include <gtest/gtest.h>

namespace {

TEST(Cursors, ProgramCursorsAreDrawnPictures) {
    for (int n : {crZoom, crZoomIn, crZoomOut, crHandOpened, crHandClosed}) {
        SCOPED_TRACE(n);
        const QCursor c = CursorFromNumber(n);
        EXPECT_EQ(c.shape(), Qt::BitmapCursor);
        EXPECT_EQ(c.pixmap().size(), QSize(32, 32));
        EXPECT_TRUE(QRect(0, 0, 32, 32).contains(c.hotSpot()));
    }
    EXPECT_NE(CursorFromNumber(crZoomIn).pixmap().toImage(), CursorFromNumber(crZoomOut).pixmap().toImage());
}

TEST(Cursors, StandardNamesAndNumbers) {
    struct Row {
        const char* name;
        int number;
        Qt::CursorShape shape;
    };
    const Row rows[] = {
        {"crDefault", 0, Qt::ArrowCursor},
        {"CRARROW", -2, Qt::ArrowCursor},
        {"crIBeam", -4, Qt::IBeamCursor},
        {"crsizenesw", -6, Qt::SizeBDiagCursor},
        {"crSizeNWSE", -8, Qt::SizeFDiagCursor},
        {"crHourGlass", -11, Qt::WaitCursor},
        {"crHSplit", -14, Qt::SplitHCursor},
        {"crNo", -18, Qt::ForbiddenCursor},
        {"crHandPoint", -21, Qt::PointingHandCursor},
        {"crSizeAll", -22, Qt::SizeAllCursor},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(CursorNumberFromName(row.name), row.number);
        EXPECT_EQ(CursorFromNumber(row.number).shape(), row.shape);
    }
    EXPECT_EQ(CursorNumberFromName("crZoom"), std::nullopt);
    EXPECT_EQ(CursorNumberFromName(""), std::nullopt);
    EXPECT_EQ(CursorFromNumber(999).shape(), Qt::ArrowCursor);
    EXPECT_EQ(CursorFromNumber(-1).shape(), Qt::BlankCursor);
}

} // namespace
