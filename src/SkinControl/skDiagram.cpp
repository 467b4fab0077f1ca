#include "SkinControl/skDiagram.h"

TskDiagram::TskDiagram(QWidget* parent) : QWidget(parent) {}
