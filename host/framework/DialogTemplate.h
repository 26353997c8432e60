// What the framework reads of a dialog template before the dialog is shown.
#pragma once

#include <windows.h>

#include <cstddef>

struct DialogPlacement {
    DWORD style;
    short x;
    short y;
};

// Reads the style and position of a classic or extended dialog template.
// False when the bytes are too few to hold the header.
bool ReadDialogPlacement(const void* data, size_t size, DialogPlacement* placement);

// A template placed at 0,0 without any of the positioning styles
// DS_ABSALIGN, DS_CENTER and DS_CENTERMOUSE leaves the centring to the framework.
bool FrameworkCentres(const DialogPlacement& placement);
