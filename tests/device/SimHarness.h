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
    void configure(const std::string& config);
    const fs::path& folder() const { return folder_; }
    fs::path state_of(const std::string& name) const { return folder_ / (name + ".state"); }

    // Every line of the transfer log so far; clear_log() forgets them.
    std::vector<std::string> log() const;
    std::vector<std::string> wire() const; // the bulk transfer lines only
    void clear_log() const;

private:
    fs::path folder_;
};

// A recorder block: serial, state file named after it, extra lines appended.
std::string recorder(const std::string& serial, const std::string& extra = "");

// "out 01 45 3A ..." style line for the given bytes.
std::string hex_line(const char* direction, const std::string& bytes);
std::string bytes(std::initializer_list<int> values);

// The six transfer lines of one exchange carrying `request` and answered by
// `answer`, with the recorder's regular acknowledgements.
std::vector<std::string> exchange(const std::string& request, const std::string& answer);

// Each "open N" is followed by exactly one "close N" before the next open.
::testing::AssertionResult handles_balanced(const std::vector<std::string>& log);

std::string read_file(const fs::path& file);
void set_env(const char* name, const std::string& value);

} // namespace device_test
