#include "SkinControl/skSkin.h"
