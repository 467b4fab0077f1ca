#include "platform/Cursors.h"

#include <QPixmap>
#include <array>

// Outside any namespace, as Q_INIT_RESOURCE requires.
static void initCursorResources() {
    Q_INIT_RESOURCE(cursors);
}

void RegisterCursors() {
    static const bool done = (initCursorResources(), true);
    (void)done;
}

namespace {

struct StandardCursor {
    const char* name;
    int number;
    Qt::CursorShape shape;
};

constexpr std::array<StandardCursor, 21> standardCursors{{
    {"crDefault", 0, Qt::ArrowCursor},        {"crArrow", -2, Qt::ArrowCursor},
    {"crCross", -3, Qt::CrossCursor},         {"crIBeam", -4, Qt::IBeamCursor},
    {"crSizeNESW", -6, Qt::SizeBDiagCursor},  {"crSizeNS", -7, Qt::SizeVerCursor},
    {"crSizeNWSE", -8, Qt::SizeFDiagCursor},  {"crSizeWE", -9, Qt::SizeHorCursor},
    {"crUpArrow", -10, Qt::UpArrowCursor},    {"crHourGlass", -11, Qt::WaitCursor},
    {"crDrag", -12, Qt::DragCopyCursor},      {"crNoDrop", -13, Qt::ForbiddenCursor},
    {"crHSplit", -14, Qt::SplitHCursor},      {"crVSplit", -15, Qt::SplitVCursor},
    {"crMultiDrag", -16, Qt::DragCopyCursor}, {"crSQLWait", -17, Qt::WaitCursor},
    {"crNo", -18, Qt::ForbiddenCursor},       {"crAppStart", -19, Qt::BusyCursor},
    {"crHelp", -20, Qt::WhatsThisCursor},     {"crHandPoint", -21, Qt::PointingHandCursor},
    {"crSizeAll", -22, Qt::SizeAllCursor},
}};

struct ProgramCursor {
    int number;
    const char* resource;
    int hotX, hotY;
};

// Magnifiers point with the centre of the lens, hands with the palm.
constexpr std::array<ProgramCursor, 5> programCursors{{
    {crZoom, ":/cursors/ZOOM.png", 12, 12},
    {crZoomIn, ":/cursors/ZOOM_IN.png", 12, 12},
    {crZoomOut, ":/cursors/ZOOM_OUT.png", 12, 12},
    {crHandOpened, ":/cursors/HAND_OPENED.png", 16, 16},
    {crHandClosed, ":/cursors/HAND_CLOSED.png", 16, 16},
}};

} // namespace

QCursor CursorFromNumber(int n) {
    for (const ProgramCursor& c : programCursors) {
        if (c.number != n) continue;
        RegisterCursors();
        QPixmap pixmap(QString::fromLatin1(c.resource));
        if (pixmap.isNull()) return QCursor(Qt::ArrowCursor);
        return QCursor(pixmap, c.hotX, c.hotY);
    }
    if (n == -1) return QCursor(Qt::BlankCursor);   // crNone
    if (n == -5) return QCursor(Qt::SizeAllCursor); // crSize, the old name of crSizeAll
    for (const StandardCursor& c : standardCursors)
        if (c.number == n) return QCursor(c.shape);
    return QCursor(Qt::ArrowCursor);
}

std::optional<int> CursorNumberFromName(const QString& name) {
    const QString trimmed = name.trimmed();
    for (const StandardCursor& c : standardCursors)
        if (trimmed.compare(QLatin1String(c.name), Qt::CaseInsensitive) == 0) return c.number;
    return std::nullopt;
}
