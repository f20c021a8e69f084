#pragma once
namespace kelp {
inline constexpr const char* kProductName = "Kelp";
inline constexpr const char* kVersionText = "Version 2.03g";
}  // namespace kelp
