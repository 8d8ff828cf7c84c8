#include "SmileyArt.h"

#include "Canvas.h"
#include "Paint.h"
#include "SmileyPainter.h"

#include <functional>
#include <vector>

namespace {

const int kGlowOutside = 3;
const int kGlowInside = 1;

Image feature(const std::function<void(cairo_t*)>& draw) { return Canvas::renderCentred(SmileyArt::kCanvas, draw); }

void writeFramesWithGlow(DataWriter& out, const char* path, const char* glowPath,
                         const std::vector<Image>& frames) {
    SpriteSheet sheet;
    SpriteSheet glow;
    for (const Image& frame : frames) {
        sheet.addFrame(frame);
        glow.addFrame(paint::glowOutline(frame, kGlowOutside, kGlowInside));
    }
    out.writeSheet(path, sheet);
    out.writeSheet(glowPath, glow);
}

}  // namespace

void SmileyArt::generate(DataWriter& out) const {
    const int n = SmileyPainter::kVariants;

    SpriteSheet body;
    for (int i = 0; i < SmileyPainter::kBodyColours; ++i)
        body.addFrame(feature([i](cairo_t* cr) { SmileyPainter::body(cr, i); }));
    const Image plain = feature([](cairo_t* cr) { SmileyPainter::bodyShape(cr, paint::kWhite); });
    body.addFrame(paint::whiteShape(plain));
    body.addFrame(paint::silhouette(plain, 5));
    body.addFrame(paint::glowOutline(plain, kGlowOutside, kGlowInside));
    out.writeSheet("gfx/body.tga", body);

    std::vector<Image> eyes, mouths, hair, brows;
    SpriteSheet blink;
    for (int i = 0; i < n; ++i) {
        eyes.push_back(feature([i](cairo_t* cr) { SmileyPainter::eyes(cr, i, false); }));
        blink.addFrame(feature([i](cairo_t* cr) { SmileyPainter::eyes(cr, i, true); }));
        mouths.push_back(feature([i](cairo_t* cr) { SmileyPainter::mouth(cr, i); }));
        hair.push_back(feature([i](cairo_t* cr) { SmileyPainter::hair(cr, i); }));
        brows.push_back(feature([i](cairo_t* cr) { SmileyPainter::brows(cr, i); }));
    }
    writeFramesWithGlow(out, "gfx/eyes.tga", "gfx/eyes-glow.tga", eyes);
    out.writeSheet("gfx/eyes-blink.tga", blink);
    writeFramesWithGlow(out, "gfx/mouths.tga", "gfx/mouths-glow.tga", mouths);
    writeFramesWithGlow(out, "gfx/hair.tga", "gfx/hair-glow.tga", hair);
    writeFramesWithGlow(out, "gfx/eyebrows.tga", "gfx/eyebrows-glow.tga", brows);

    SpriteSheet clown;
    for (int part = 0; part < 3; ++part)
        clown.addFrame(feature([part](cairo_t* cr) { SmileyPainter::clown(cr, part); }));
    out.writeSheet("gfx/clown.tga", clown);
}
