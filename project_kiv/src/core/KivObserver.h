#pragma once
// KivObserver: the one seam through which a test watches what the player
// would see and hear, told by the engine where it already draws, plays and
// writes. The program never sets one (Kiv::pObserver stays null), so each
// place pays a null check only. The observer is borrowed, never owned by the
// engine; whoever sets it clears it before it goes. Every call comes on the
// main thread; onChannelStarted holds the audio lock, so it only takes note.
#include "UString.h"

#include <cstddef>
#include <string>

class FontQuad;
class MixerChannel;
class Renderable;

class KivObserver {
public:
    virtual ~KivObserver() = default;

    // The Mixer has just started the channel (its settings may still change
    // later in the frame).
    virtual void onChannelStarted(const MixerChannel& channel) = 0;
    // The renderable is about to draw its skin (never null), its transform
    // loaded. Not told for the glyphs of a text.
    virtual void onSkinDrawn(const Renderable& drawn) = 0;
    // The font is about to draw the text from at's origin (its alignment
    // already applied) in at's colour; bShadow for the shadow drawn under a
    // text, which comes first.
    virtual void onTextDrawn(const FontQuad& font, const Renderable& at, const std::string& text, bool bShadow) = 0;
    // A packed file has been written whole: its name in the data folder and
    // its contents as handed to the writer (size bytes).
    virtual void onFileSaved(const UString& fileName, const void* data, size_t size) = 0;
};
