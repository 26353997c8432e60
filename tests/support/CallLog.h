// The log that the fixture plug-ins append their events to (see
// fixtures/Recorder.cpp). Points VARNO_FIXTURE_LOG at a file of the given
// folder for the lifetime of the object.
#pragma once

#include <string>
#include <vector>

class CallLog {
public:
    explicit CallLog(const std::string& folder);
    ~CallLog();
    CallLog(const CallLog&) = delete;
    CallLog& operator=(const CallLog&) = delete;

    // Every line recorded so far, in order.
    std::vector<std::string> Lines() const;
    // The lines whose event (second word) is the given one.
    std::vector<std::string> Events(const std::string& event) const;
    void Clear() const;
    const std::string& Path() const { return m_path; }

private:
    std::string m_path;
};
