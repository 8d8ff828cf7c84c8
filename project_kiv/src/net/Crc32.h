#pragma once
// crc32: the standard CRC-32 of IEEE 802.3 (reflected polynomial 0xEDB88320,
// initial value all ones, final complement), used by the network packet
// checksum. Pure function, any thread.
#include <cstdint>

// A length of 0 or less gives 0.
uint32_t crc32(const void* data, int length);
