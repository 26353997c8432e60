#include "CallLog.h"

#include "TestFiles.h"

#include <windows.h>

#include <sstream>

CallLog::CallLog(const std::string& folder) : m_path(folder + "calls.log") {
    DeleteFileA(m_path.c_str());
    SetEnvironmentVariableA("VARNO_FIXTURE_LOG", m_path.c_str());
}

CallLog::~CallLog() { SetEnvironmentVariableA("VARNO_FIXTURE_LOG", nullptr); }

std::vector<std::string> CallLog::Lines() const {
    std::vector<std::string> lines;
    std::istringstream in(ReadFileBytes(m_path));
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

std::vector<std::string> CallLog::Events(const std::string& event) const {
    std::vector<std::string> matching;
    for (const std::string& line : Lines()) {
        size_t space = line.find(' ');
        if (space != std::string::npos && line.compare(space + 1, event.size(), event) == 0 &&
            (line.size() == space + 1 + event.size() || line[space + 1 + event.size()] == ' '))
            matching.push_back(line);
    }
    return matching;
}

void CallLog::Clear() const { DeleteFileA(m_path.c_str()); }
