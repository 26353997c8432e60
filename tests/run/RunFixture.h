// Common ground of the run tests: a scratch folder with a source and a
// destination folder, a converter table of fixture plug-ins in an order the
// test chooses, a recording window and the calls the plug-ins logged.
#pragma once

#include "CallLog.h"
#include "ConversionRun.h"
#include "RecordingWindow.h"
#include "TestFiles.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

struct ConvCall {
    std::string plugin;
    std::string owner;
    int context;
    std::string source;
    std::string dest;
};

class RunTest : public testing::Test {
protected:
    ScratchFolder root;
    CallLog log{root.Path()};
    std::string source = root / "src\\";
    std::string dest = root / "dst\\";
    ConverterTable table;
    RecordingWindow window;
    int fileCount = -99;

    RunTest() {
        CreateDirectoryA(source.c_str(), nullptr);
        CreateDirectoryA(dest.c_str(), nullptr);
        CreateDirectoryA((root / "plugins").c_str(), nullptr);
    }

    // Entries in the given order: each fixture copied under its own name.
    void LoadTable(const std::vector<std::pair<std::string, std::string>>& fixtureAndName) {
        delete[] table.m_pEntries;
        table.m_nCount = static_cast<int>(fixtureAndName.size());
        table.m_pEntries = new ConverterEntry[fixtureAndName.size()];
        for (size_t i = 0; i < fixtureAndName.size(); ++i) {
            CopyFixture(fixtureAndName[i].first, root / "plugins\\" + fixtureAndName[i].second);
            table.m_pEntries[i].m_strFileName = fixtureAndName[i].second.c_str();
            table.m_pEntries[i].LoadFrom((root / "plugins").c_str());
        }
        log.Clear();
    }

    // One ticked recorder row with these patterns.
    void OneConverter(const std::string& patterns, bool subfolders = false) {
        LoadTable({{"fx_conv_only.dll", "conv.dll"}});
        window.rows = {{true, patterns}};
        window.includeSubfolders = subfolders;
    }

    ConversionRun Run() { return ConversionRun(window, table, fileCount); }

    void Write(const std::string& relativePath, const std::string& bytes = "text\n") {
        WriteFileBytes(root / relativePath, bytes);
    }
    void Folder(const std::string& relativePath) { CreateDirectoryA((root / relativePath).c_str(), nullptr); }

    // The conversions logged so far, in order.
    std::vector<ConvCall> ConvCalls() const {
        std::vector<ConvCall> calls;
        for (const std::string& line : log.Events("conv")) {
            auto field = [&](const char* key, const char* next) {
                size_t begin = line.find(key) + std::string(key).size();
                return line.substr(begin, line.find(next, begin) - begin);
            };
            calls.push_back({line.substr(0, line.find(' ')), field(" owner=", " "),
                             std::stoi(field(" ctx=", " ")), field(" src=", " dst="), field(" dst=", " result=")});
        }
        return calls;
    }

    // The source paths of the conversions, relative to the scratch folder.
    std::vector<std::string> ConvertedSources() const {
        std::vector<std::string> sources;
        for (const ConvCall& call : ConvCalls())
            sources.push_back(call.source.substr(root.Path().size()));
        return sources;
    }
};
