#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace textmend::bench {

inline constexpr std::size_t kMegabyte = 1'000'000;
inline constexpr std::uint64_t kCorpusSeed = 20260605;

// Text like a long run of copied mail: hard-wrapped paragraphs with CR LF breaks,
// ">" quoted passages, double spaces after periods, blank lines and some accented,
// Greek and Cyrillic words. The same size and seed always give the same bytes. The
// result ends at a line break and is at most size bytes long, short of it by less
// than one line.
std::string GenerateCorpus(std::size_t size, std::uint64_t seed = kCorpusSeed);

}  // namespace textmend::bench
