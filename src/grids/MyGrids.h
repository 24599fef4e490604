#pragma once
// The grid family: base grid, owner-draw grid, string grid and the in-place editor.

#include "grids/CustomGrid.h"
#include "grids/DrawGrid.h"
#include "grids/GridErrors.h"
#include "grids/GridTypes.h"
#include "grids/InplaceEdit.h"
#include "grids/StringGrid.h"
