#pragma once
// KivObserver: the one seam through which a watcher outside the program
// sees what the player would see and hear, told by the engine where it
// already draws, plays and writes. The program never sets one
// (Kiv::pObserver stays null), so each place pays a null check only. An
// observer overrides the calls it watches; the others do nothing. It is
// borrowed, never owned by the engine; whoever sets it clears it before it
// goes. Every call comes on the main thread; onChannelStarted and
// onChannelEnded hold the audio lock, so they only take note.
//
// Drawing is told at three depths: the walk of the object tree says whose
// render is running (onRenderEntered, onRenderLeft); a renderable's skin and
// a font's text open what they draw (onSkinDrawn, onTextDrawn) until the
// matching onDrawingDone, and what opens inside an open one (the glyphs of a
// text, the halves of a long text) is part of it; every vertex buffer says
// what it hands to OpenGL (onVerticesDrawn), and the textures and the
// display say when texels are made and filled, so that what a draw shows
// can be told apart from what it was asked to show.
#include "UString.h"

#include <cstddef>
#include <string>

class FontQuad;
class KivBase;
class MixerChannel;
class Renderable;
class Texture;
class VertexBuffer;
struct Matrix;
struct Rect;

class KivObserver {
public:
    virtual ~KivObserver() = default;

    // The Mixer has just started the channel (its settings may still change
    // later in the frame).
    virtual void onChannelStarted(const MixerChannel& /*channel*/) {}
    // The Mixer is about to delete the channel (which may never have been
    // started): why is "ended" (its source ran out), "faded out" (a volume
    // fade ended in silence), "stopped" or "replaced" (a newer playback of
    // its source took its place).
    virtual void onChannelEnded(const MixerChannel& /*channel*/, const char* /*why*/) {}

    // A walk of the object tree is about to call, or has returned from, the
    // object's render.
    virtual void onRenderEntered(const KivBase& /*object*/) {}
    virtual void onRenderLeft(const KivBase& /*object*/) {}
    // The renderable is about to draw its skin (never null), its transform
    // loaded.
    virtual void onSkinDrawn(const Renderable& /*drawn*/) {}
    // The font is about to draw the text from at's origin (its alignment
    // already applied) in at's colour; bShadow for the shadow drawn under a
    // text, which comes first.
    virtual void onTextDrawn(const FontQuad& /*font*/, const Renderable& /*at*/, const std::string& /*text*/,
                             bool /*bShadow*/)
    {
    }
    // The skin or text opened last has been drawn.
    virtual void onDrawingDone() {}
    // The buffer is about to draw its vertices first .. first + count - 1 as
    // the primitive type (VertexBuffer::Primitive), with the texture (null:
    // untextured), under these model-view and projection matrices.
    virtual void onVerticesDrawn(const VertexBuffer& /*buffer*/, int /*type*/, int /*first*/, int /*count*/,
                                 const Texture* /*texture*/, const Matrix& /*modelView*/, const Matrix& /*projection*/)
    {
    }
    // The texture has a new OpenGL texture, its texels undefined.
    virtual void onTextureMade(const Texture& /*texture*/) {}
    // The texels of area (texture pixels) have been uploaded.
    virtual void onTextureFilled(const Texture& /*texture*/, const Rect& /*area*/) {}
    // The display has been opened (again): OpenGL's textures are new.
    virtual void onDisplayOpened() {}

    // A file has been written whole (size bytes of data): a packed file by
    // its name in the data folder, its contents as handed to the writer; an
    // engine configuration file by its path, its text as written; a
    // screenshot by its path, the pixels read from the screen (RGBA, from
    // the top row down) that it was encoded from.
    virtual void onFileSaved(const UString& /*fileName*/, const void* /*data*/, size_t /*size*/) {}
};
