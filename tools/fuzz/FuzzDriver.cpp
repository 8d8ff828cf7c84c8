// Deterministic fuzz driver for builds without libFuzzer: runs the target's
// seeds, then a fixed number of mutations of each (bit flips, special byte
// values, truncations, repeated and inserted chunks) from a fixed random
// sequence, so every run tries the same inputs. Files named on the command
// line are run instead (to replay a crash found elsewhere); with
// "--write-seeds <folder>" the seeds are written there as a starting corpus
// for libFuzzer.
#include "FuzzSeeds.h"

#include <cstdio>
#include <fstream>
#include <iterator>

namespace {

constexpr int MUTATIONS_PER_SEED = 20000;

class Random {
public:
    uint32_t next()
    {
        state ^= state << 13;
        state ^= state >> 17;
        state ^= state << 5;
        return state;
    }
    size_t below(size_t limit) { return limit ? next() % limit : 0; }

private:
    uint32_t state = 2463534242u;
};

std::string mutate(std::string input, Random& random)
{
    const int steps = 1 + static_cast<int>(random.below(4));
    for (int step = 0; step < steps; ++step) {
        switch (random.below(6)) {
        case 0:
            if (!input.empty())
                input[random.below(input.size())] ^= static_cast<char>(1u << random.below(8));
            break;
        case 1: {
            static const unsigned char special[] = {0x00, 0xFF, 0x7F, 0x80, 0x01, 0xFE};
            if (!input.empty())
                input[random.below(input.size())] = static_cast<char>(special[random.below(sizeof(special))]);
            break;
        }
        case 2:
            input.resize(random.below(input.size() + 1));
            break;
        case 3:
            if (!input.empty()) {
                size_t at = random.below(input.size());
                input.insert(random.below(input.size()), input.substr(at, random.below(64)));
            }
            break;
        case 4:
            input.insert(random.below(input.size() + 1), 1, static_cast<char>(random.next()));
            break;
        default:
            if (input.size() >= 4) {
                size_t at = random.below(input.size() - 3);
                uint32_t value = random.below(2) ? 0xFFFFFFFFu : random.next();
                for (int i = 0; i < 4; ++i)
                    input[at + i] = static_cast<char>(value >> (8 * i));
            }
            break;
        }
    }
    return input;
}

void run(const std::string& input)
{
    LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t*>(input.data()), input.size());
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc == 3 && std::string(argv[1]) == "--write-seeds") {
        const std::vector<std::string> seeds = fuzzSeeds();
        for (size_t i = 0; i < seeds.size(); ++i) {
            std::ofstream file(std::string(argv[2]) + "/seed-" + std::to_string(i), std::ios::binary);
            file.write(seeds[i].data(), static_cast<std::streamsize>(seeds[i].size()));
            if (!file)
                return 1;
        }
        return 0;
    }
    if (argc > 1) {
        for (int i = 1; i < argc; ++i) {
            std::ifstream file(argv[i], std::ios::binary);
            run(std::string((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>()));
        }
        std::printf("%d inputs run\n", argc - 1);
        return 0;
    }
    Random random;
    const std::vector<std::string> seeds = fuzzSeeds();
    size_t count = 0;
    for (const std::string& seed : seeds) {
        run(seed);
        ++count;
        for (int i = 0; i < MUTATIONS_PER_SEED; ++i, ++count)
            run(mutate(seed, random));
    }
    std::printf("%zu inputs from %zu seeds run\n", count, seeds.size());
    return 0;
}
