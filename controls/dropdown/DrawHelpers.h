#pragma once
// The helpers live with the drop-downs' drawing now; the button's files
// still include them from here.
#include "controls/dropdown/paint/DrawHelpers.h"
