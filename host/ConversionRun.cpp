#include "ConversionRun.h"

ConversionRun::ConversionRun(RunWindow& window, const ConverterTable& converters, int& fileCount)
    : m_window(window), m_converters(converters), m_nFileCount(fileCount) {}

void ConversionRun::Execute(const CString& sourceText, const CString& destText) {
    if (ValidateFolders(sourceText, destText) == 0)
        RunConversions(sourceText, destText);
}

int ConversionRun::ValidateFolders(CString, CString) { return -1; }
void ConversionRun::RunConversions(CString, CString) {}
void ConversionRun::ConvertFolder(CString, CString, const CStringArray*, ConvProc, int, int) {}
void ConversionRun::SplitPatterns(CString, CStringArray*) {}
int ConversionRun::PathExists(CString) { return 0; }
int ConversionRun::MakeFolder(CString) { return -1; }
