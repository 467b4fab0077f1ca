#include "SkinControl/skGrid.h"

TSkGrid::TSkGrid(QWidget* parent) : QTableWidget(parent) {
    setEditTriggers(QAbstractItemView::NoEditTriggers);
}
