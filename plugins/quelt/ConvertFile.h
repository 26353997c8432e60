// Converts one file into another with TabExpander, over Win32 files opened
// without denying other readers or writers. Paths are ANSI (code page 932).
//
// Results:
//    0  converted
//   -1  the source cannot be opened (missing, a folder, not readable, an
//       invalid path): the destination is not opened, created or changed
//   -2  the destination cannot be opened for writing (its folder is missing,
//       it is a folder, it has the read-only attribute, access is refused):
//       an existing destination is left as it was
//   -3  source and destination are one file, however the paths spell it
//       (also through a hard link): neither file is changed
//   -4  reading the source failed midway: the destination holds the text
//       converted up to there
//   -5  writing or closing the destination failed: its contents are
//       incomplete
//   -6  not enough memory for the buffers: no file is opened
#pragma once

enum ConvertFileResult {
    CONVERT_OK = 0,
    CONVERT_SOURCE_NOT_OPENED = -1,
    CONVERT_DESTINATION_NOT_OPENED = -2,
    CONVERT_SAME_FILE = -3,
    CONVERT_READ_FAILED = -4,
    CONVERT_WRITE_FAILED = -5,
    CONVERT_NO_MEMORY = -6,
};

int ConvertFile(const char* sourcePath, const char* destinationPath, int tabWidth);
