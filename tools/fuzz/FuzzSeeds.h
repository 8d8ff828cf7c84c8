#pragma once
// Each fuzz target's entry point and its seed inputs: small valid files of
// the format, from which the deterministic driver derives its mutations.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);
std::vector<std::string> fuzzSeeds();
