// What every fuzz target shares: the entry point libFuzzer calls, and the checks it makes beyond
// the sanitizers' own.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>
#include <utility>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace fuzz {

// A property every input must keep; a broken one ends the run as a crash does, so the fuzzer
// keeps the input that broke it.
inline void Expect(bool holds) {
    if (!holds) std::abort();
}

inline std::string_view Text(const std::uint8_t* data, std::size_t size) {
    return {reinterpret_cast<const char*>(data), size};
}

// The input cut at its first NUL into two texts (the second empty when there is none).
inline std::pair<std::string_view, std::string_view> Split(std::string_view text) {
    const std::size_t nul = text.find('\0');
    if (nul == std::string_view::npos) return {text, {}};
    return {text.substr(0, nul), text.substr(nul + 1)};
}

}  // namespace fuzz
