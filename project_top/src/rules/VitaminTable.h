#pragma once
// VitaminTable: each vitamin's name, price and help text by kind. The price
// grows by half its base for every difficulty step. Plain values; no state.
#include "rules/VitaminKind.h"

class VitaminTable {
public:
    struct Row {
        const char* name;
        int baseCost;
        // Lines separated by '|'.
        const char* helpText;
    };

    VitaminTable() = delete;

    // kind 0..VITAMIN_KIND_COUNT-1 (the retired kind has an empty row).
    static const Row& of(int kind);
    static int price(int kind, int difficulty);
};
