// The process's current working folder, however long, without a final
// backslash except at a drive root.
#pragma once

#include "CString.h"

CString CurrentFolder();
