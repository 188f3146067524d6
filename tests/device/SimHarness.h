// A simulated USB bus for one test: a private folder holding the simulator's
// configuration, recorder state files and transfer log.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace device_test {

class SimBus {
public:
    SimBus(); // empty bus
    ~SimBus();
    SimBus(const SimBus&) = delete;
    SimBus& operator=(const SimBus&) = delete;

    // Configuration text, buses and devices; a global transfer log is added.
    void Configure(const std::string& config);
    const fs::path& Folder() const { return folder_; }
    fs::path StateOf(const std::string& name) const { return folder_ / (name + ".state"); }

    // Every line of the transfer log so far; ClearLog() forgets them.
    std::vector<std::string> Log() const;
    std::vector<std::string> Wire() const; // the bulk transfer lines only
    void ClearLog() const;

private:
    fs::path folder_;
};

// A recorder block: serial, state file named after it, extra lines appended.
std::string Recorder(const std::string& serial, const std::string& extra = "");

// "out 01 45 3A ..." style line for the given bytes.
std::string HexLine(const char* direction, const std::string& bytes);
std::string Bytes(std::initializer_list<int> values);

// The six transfer lines of one exchange carrying `request` and answered by
// `answer`, with the recorder's regular acknowledgements.
std::vector<std::string> Exchange(const std::string& request, const std::string& answer);

// Each "open N" is followed by exactly one "close N" before the next open.
::testing::AssertionResult HandlesBalanced(const std::vector<std::string>& log);

std::string ReadFileText(const fs::path& file);
void SetEnv(const char* name, const std::string& value);

} // namespace device_test
