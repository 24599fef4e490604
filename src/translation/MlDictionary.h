#pragma once
// The dictionary the forms talk to.
#include "translation/MlDictio.h"
