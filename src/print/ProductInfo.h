#pragma once

#include <string_view>

// How the printed documents name the product.
namespace ProductInfo {

inline constexpr std::string_view WebSite = "www.tessarondequiz.it";
inline constexpr std::string_view Slogan = "Allenati ogni giorno, supera il concorso!";

}  // namespace ProductInfo
