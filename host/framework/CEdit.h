// An edit control.
#pragma once

#include "CWnd.h"

class CEdit : public CWnd {};
