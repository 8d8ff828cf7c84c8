#pragma once
// SolutionSearch: finds many distinct Hamiltonian paths of a W x H grid for
// the puzzle mode, from a seed, and encodes them as solution records (one
// byte per step: column in the high nibble, row from the bottom in the low
// nibble). Small grids are enumerated whole; larger ones are sampled by
// random "backbite" moves that keep a path Hamiltonian.
#include "Rng.h"

#include <cstdint>
#include <string>
#include <vector>

class SolutionSearch {
public:
    SolutionSearch(int width, int height, uint64_t seed);

    // Up to `count` distinct paths (fewer only when the grid has fewer).
    std::vector<std::vector<uint8_t>> find(int count);
    // The whole file: the records back to back.
    static std::vector<uint8_t> fileBytes(const std::vector<std::vector<uint8_t>>& records);
    // True when the record visits every cell of a W x H grid once, each
    // step to a neighbouring cell.
    static bool isValid(const std::vector<uint8_t>& record, int width, int height);

private:
    using Path = std::vector<int>;  // cell indices x + y * width
    void enumerate(Path& path, std::vector<bool>& used, std::vector<Path>& all, size_t limit) const;
    void backbite(Path& path);
    std::vector<uint8_t> encode(const Path& path) const;

    int width;
    int height;
    Rng rng;
};
