#pragma once
// KivObserver: the one seam through which a test watches what the player
// would see and hear, told by the engine where it already draws, plays and
// writes. The program never sets one (Kiv::pObserver stays null), so each
// place pays a null check only. The observer is borrowed, never owned by the
// engine; whoever sets it clears it before it goes. Every call comes on the
// main thread; onChannelStarted and onChannelEnded hold the audio lock, so
// they only take note.
#include "UString.h"

#include <cstddef>
#include <string>

class FontQuad;
class MixerChannel;
class Renderable;
class VertexBuffer;

class KivObserver {
public:
    virtual ~KivObserver() = default;

    // The Mixer has just started the channel (its settings may still change
    // later in the frame).
    virtual void onChannelStarted(const MixerChannel& channel) = 0;
    // The Mixer is about to delete the channel (which may never have been
    // started): why is "ended" (its source ran out), "faded out" (a volume
    // fade ended in silence), "stopped" or "replaced" (a newer playback of
    // its source took its place).
    virtual void onChannelEnded(const MixerChannel& channel, const char* why) = 0;
    // The renderable is about to draw its skin (never null), its transform
    // loaded. Not told for the glyphs of a text.
    virtual void onSkinDrawn(const Renderable& drawn) = 0;
    // The font is about to draw the text from at's origin (its alignment
    // already applied) in at's colour; bShadow for the shadow drawn under a
    // text, which comes first.
    virtual void onTextDrawn(const FontQuad& font, const Renderable& at, const std::string& text, bool bShadow) = 0;
    // The drawable, which has no skin for it, is about to draw the buffer's
    // geometry as the primitive type (VertexBuffer::Primitive).
    virtual void onGeometryDrawn(const Renderable& drawer, const VertexBuffer& buffer, int type) = 0;
    // A file has been written whole (size bytes of data): a packed file by
    // its name in the data folder, its contents as handed to the writer; an
    // engine configuration file by its path, its text as written.
    virtual void onFileSaved(const UString& fileName, const void* data, size_t size) = 0;
};
