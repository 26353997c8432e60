// Stands in for the main window in run tests: rows, option and owner are
// set by the test; every text the run sets and every message it shows is
// recorded in order.
#pragma once

#include "RunWindow.h"

#include <string>
#include <utility>
#include <vector>

class RecordingWindow : public RunWindow {
public:
    struct Row {
        bool ticked;
        std::string patterns;
    };
    std::vector<Row> rows;
    bool includeSubfolders = false;
    HWND owner = reinterpret_cast<HWND>(0x1234);

    std::vector<std::string> fileCountTexts;
    std::vector<std::string> currentFileTexts{"previous"};
    std::vector<std::string> statusTexts;
    std::vector<std::pair<unsigned, unsigned>> messages; // text id, caption id
    std::vector<int> rowsRead;

    HWND OwnerWindow() override { return owner; }
    bool IsRowTicked(int row) override {
        rowsRead.push_back(row);
        return row < static_cast<int>(rows.size()) && rows[row].ticked;
    }
    CString RowPatternText(int row) override { return rows.at(row).patterns.c_str(); }
    bool IncludeSubfolders() override { return includeSubfolders; }
    void SetFileCountText(const char* text) override { fileCountTexts.push_back(text); }
    void SetCurrentFileText(const char* text) override { currentFileTexts.push_back(text); }
    void SetStatusText(const char* text) override { statusTexts.push_back(text); }
    void ShowMessage(unsigned textId, unsigned captionId) override { messages.emplace_back(textId, captionId); }
};
