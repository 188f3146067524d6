// Feeds arbitrary bytes to the simulator's configuration and state parsers.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "SimConfig.h"
#include "SimState.h"
#include "SimText.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    std::string error;
    (void)sim::ParseConfig(text, "base", &error);
    const sim::SimState state = sim::SimState::Parse(text);
    const sim::SimState again = sim::SimState::Parse(state.Serialize());
    if (again.Entries() != state.Entries()) __builtin_trap();
    if (auto bytes = sim::UnescapeBytes(text)) {
        if (sim::UnescapeBytes(sim::EscapeBytes(*bytes)) != bytes) __builtin_trap();
    }
    return 0;
}
