#pragma once
// PictureArt: the larger pictures: the title logo, the help and how-to-play
// pictures, the intro puppets and thought pictures, and the journey map.
#include "DataWriter.h"
#include "FontFace.h"

class PictureArt {
public:
    explicit PictureArt(FontFace& titleFace) : face(titleFace) {}
    void generate(DataWriter& out) const;

private:
    void logo(DataWriter& out) const;
    FontFace& face;
};
