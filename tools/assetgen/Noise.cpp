#include "Noise.h"

#include <cmath>

namespace noise {

std::uint32_t hash(int x, int y, std::uint32_t seed)
{
    std::uint32_t h = static_cast<std::uint32_t>(x) * 0x8da6b343u ^
                      static_cast<std::uint32_t>(y) * 0xd8163841u ^ seed * 0xcb1ab31fu;
    h ^= h >> 16;
    h *= 0x7feb352du;
    h ^= h >> 15;
    h *= 0x846ca68bu;
    h ^= h >> 16;
    return h;
}

float lattice(int x, int y, std::uint32_t seed)
{
    return static_cast<float>(hash(x, y, seed) >> 8) / 16777216.0f;
}

float value(float x, float y, std::uint32_t seed)
{
    const float fx = std::floor(x);
    const float fy = std::floor(y);
    const int ix = static_cast<int>(fx);
    const int iy = static_cast<int>(fy);
    float tx = x - fx;
    float ty = y - fy;
    tx = tx * tx * (3.0f - 2.0f * tx);
    ty = ty * ty * (3.0f - 2.0f * ty);
    const float a = lattice(ix, iy, seed);
    const float b = lattice(ix + 1, iy, seed);
    const float c = lattice(ix, iy + 1, seed);
    const float d = lattice(ix + 1, iy + 1, seed);
    const float top = a + (b - a) * tx;
    const float bottom = c + (d - c) * tx;
    return top + (bottom - top) * ty;
}

float fractal(float x, float y, int octaves, std::uint32_t seed)
{
    float sum = 0.0f;
    float amplitude = 1.0f;
    float total = 0.0f;
    for (int i = 0; i < octaves; ++i) {
        sum += amplitude * value(x, y, seed + static_cast<std::uint32_t>(i) * 7919u);
        total += amplitude;
        amplitude *= 0.5f;
        x *= 2.0f;
        y *= 2.0f;
    }
    return sum / total;
}

std::uint32_t Random::next()
{
    // xorshift32: tiny, fast and the same everywhere.
    m_state ^= m_state << 13;
    m_state ^= m_state >> 17;
    m_state ^= m_state << 5;
    return m_state;
}

float Random::uniform()
{
    return static_cast<float>(next() >> 8) / 16777216.0f;
}

} // namespace noise
