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
    (void)sim::parseConfig(text, "base", &error);
    const sim::SimState state = sim::SimState::parse(text);
    const sim::SimState again = sim::SimState::parse(state.serialize());
    if (again.entries() != state.entries()) __builtin_trap();
    if (auto bytes = sim::unescapeBytes(text)) {
        if (sim::unescapeBytes(sim::escapeBytes(*bytes)) != bytes) __builtin_trap();
    }
    return 0;
}
