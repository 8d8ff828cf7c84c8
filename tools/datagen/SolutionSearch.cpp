#include "SolutionSearch.h"

#include <algorithm>
#include <set>
#include <stdexcept>

SolutionSearch::SolutionSearch(int w, int h, uint64_t seed) : width(w), height(h), rng(seed) {
    if (w < 1 || h < 1 || w > 16 || h > 16)
        throw std::runtime_error("grid sides must be 1..16");
}

void SolutionSearch::enumerate(Path& path, std::vector<bool>& used, std::vector<Path>& all, size_t limit) const {
    if (all.size() >= limit)
        return;
    if (path.size() == used.size()) {
        all.push_back(path);
        return;
    }
    const int cell = path.back(), x = cell % width, y = cell / width;
    const int moves[4][2] = {{1, 0}, {-1, 0}, {0, 1}, {0, -1}};
    for (const auto& m : moves) {
        const int nx = x + m[0], ny = y + m[1];
        if (nx < 0 || ny < 0 || nx >= width || ny >= height)
            continue;
        const int next = nx + ny * width;
        if (used[next])
            continue;
        used[next] = true;
        path.push_back(next);
        enumerate(path, used, all, limit);
        path.pop_back();
        used[next] = false;
    }
}

// One backbite move: pick an end, join it to a random grid neighbour on
// the path, and reverse the stretch between so the path stays one chain.
void SolutionSearch::backbite(Path& path) {
    if (rng.below(2))
        std::reverse(path.begin(), path.end());
    const int end = path.front(), x = end % width, y = end / width;
    const int moves[4][2] = {{1, 0}, {-1, 0}, {0, 1}, {0, -1}};
    const auto& m = moves[rng.below(4)];
    const int nx = x + m[0], ny = y + m[1];
    if (nx < 0 || ny < 0 || nx >= width || ny >= height)
        return;
    const int neighbour = nx + ny * width;
    const auto at = std::find(path.begin(), path.end(), neighbour);
    if (at == path.begin() + 1)
        return;
    std::reverse(path.begin(), at);
}

std::vector<uint8_t> SolutionSearch::encode(const Path& path) const {
    std::vector<uint8_t> record;
    for (int cell : path)
        record.push_back(static_cast<uint8_t>(((cell % width) << 4) | (cell / width)));
    return record;
}

std::vector<std::vector<uint8_t>> SolutionSearch::find(int count) {
    const int cells = width * height;
    std::vector<Path> paths;
    if (cells <= 16) {
        // Small grids: every path, from every start, then a seeded shuffle.
        for (int start = 0; start < cells; ++start) {
            Path path{start};
            std::vector<bool> used(static_cast<size_t>(cells), false);
            used[static_cast<size_t>(start)] = true;
            enumerate(path, used, paths, 200000);
        }
        for (size_t i = paths.size(); i > 1; --i)
            std::swap(paths[i - 1], paths[static_cast<size_t>(rng.below(static_cast<int>(i)))]);
        if (static_cast<int>(paths.size()) > count)
            paths.resize(static_cast<size_t>(count));
    } else {
        // Start from a boustrophedon snake and wander far between samples.
        Path path;
        for (int y = 0; y < height; ++y)
            for (int i = 0; i < width; ++i)
                path.push_back((y % 2 ? width - 1 - i : i) + y * width);
        std::set<Path> seen;
        const int stride = cells * 20;
        for (int tries = 0; static_cast<int>(paths.size()) < count && tries < count * 50; ++tries) {
            for (int k = 0; k < stride; ++k)
                backbite(path);
            if (seen.insert(path).second)
                paths.push_back(path);
        }
    }
    std::vector<std::vector<uint8_t>> records;
    for (const Path& p : paths) {
        std::vector<uint8_t> record = encode(p);
        if (!isValid(record, width, height))
            throw std::runtime_error("search produced a broken path");
        records.push_back(record);
    }
    return records;
}

std::vector<uint8_t> SolutionSearch::fileBytes(const std::vector<std::vector<uint8_t>>& records) {
    std::vector<uint8_t> bytes;
    for (const auto& r : records)
        bytes.insert(bytes.end(), r.begin(), r.end());
    return bytes;
}

bool SolutionSearch::isValid(const std::vector<uint8_t>& record, int w, int h) {
    if (static_cast<int>(record.size()) != w * h)
        return false;
    std::vector<bool> seen(static_cast<size_t>(w * h), false);
    for (size_t k = 0; k < record.size(); ++k) {
        const int x = record[k] >> 4, y = record[k] & 0x0F;
        if (x >= w || y >= h || seen[static_cast<size_t>(x + y * w)])
            return false;
        seen[static_cast<size_t>(x + y * w)] = true;
        if (k > 0) {
            const int px = record[k - 1] >> 4, py = record[k - 1] & 0x0F;
            if (std::abs(x - px) + std::abs(y - py) != 1)
                return false;
        }
    }
    return true;
}
