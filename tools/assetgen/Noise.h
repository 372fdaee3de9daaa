#pragma once

#include <cstdint>

// Deterministic value noise: our textures must come out the same on every run,
// so nothing here touches a global random generator.
namespace noise {

// A well-mixed 32-bit hash of a lattice point.
std::uint32_t hash(int x, int y, std::uint32_t seed);

// Uniform value in [0, 1) for a lattice point.
float lattice(int x, int y, std::uint32_t seed);

// Smoothly interpolated noise in [0, 1).
float value(float x, float y, std::uint32_t seed);

// Sum of octaves of value noise, normalised to [0, 1).
float fractal(float x, float y, int octaves, std::uint32_t seed);

// Small deterministic random stream for placing scratches, specks and the like.
class Random
{
  public:
    explicit Random(std::uint32_t seed) : m_state(seed * 2654435761u + 1u) {}
    std::uint32_t next();
    float uniform(); // [0, 1)
    double range(double lo, double hi) { return lo + (hi - lo) * uniform(); }
    int below(int n) { return static_cast<int>(next() % static_cast<std::uint32_t>(n)); }

  private:
    std::uint32_t m_state;
};

} // namespace noise
