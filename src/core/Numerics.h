#pragma once

#include <cmath>

namespace pramo {

// x^y as every formula of the core takes it: exp(y·ln x) for x > 0, and 0 for x <= 0 (no error for a
// non-positive base).
inline double Power(double x, double y) {
  return x > 0 ? std::exp(y * std::log(x)) : 0.0;
}

}  // namespace pramo
