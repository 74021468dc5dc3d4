#pragma once
// Element sets the orbit tests and benchmarks share, as they stood on
// 2024-02-12 (the same sets as tests/data/amateur-2024-02-12.tle).

namespace kelvora::testing {

// The ISS: a low, near-circular orbit (SGP4).
inline constexpr const char* kIssLine1 = "1 25544U 98067A   24043.00684501  .00020902  00000+0  37609-3 0  9997";
inline constexpr const char* kIssLine2 = "2 25544  51.6406 220.6676 0001921 228.7563 273.9440 15.49783958438989";

// Es'hail 2: geostationary over 25.9 E (SDP4).
inline constexpr const char* kEshail2Line1 = "1 43700U 18090A   24042.85148031  .00000138  00000+0  00000+0 0  9994";
inline constexpr const char* kEshail2Line2 = "2 43700   0.0167 109.8976 0001088 207.1551 156.6172  1.00271527 19090";

}  // namespace kelvora::testing
