#pragma once
// HouseArt: the apartment cell (wall with a doorway, dark interior, door
// with and without an away note), the seamless roof shingles and the roof
// trim pieces.
#include "DataWriter.h"

class HouseArt {
public:
    void generate(DataWriter& out) const;
};
