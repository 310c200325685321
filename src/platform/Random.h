#pragma once
// The one uniform random source of the program. Rand() stands for the classic
// rand(): a value 0..32767; callers take it modulo their range.
#include <cstdint>
#include <random>

namespace v3 {

class IRandom {
public:
    static constexpr int kMax = 32767;
    virtual ~IRandom() = default;
    virtual int Rand() = 0;
    virtual void Seed(uint32_t seed) = 0;
};

class StdRandom : public IRandom {
public:
    explicit StdRandom(uint32_t seed = 1) : gen_(seed) {}
    int Rand() override { return int(gen_() >> 17); }  // 15 bits, 0..32767
    void Seed(uint32_t seed) override { gen_.seed(seed); }

private:
    std::mt19937 gen_;
};

}  // namespace v3
