#pragma once
// ReplayRecorder: what the player would see and hear, as text lines, told
// by the engine through its observer (Kiv::pObserver). The whole record
// format:
//   # ...     a comment: the first line names the play and its seed, every
//             other one a step of the play (Replay), written before the
//             frames the step runs: # click "Quest", # wait 1.5 s,
//             # press "ESC" (a key by the name the game shows for it, or by
//             SDL's when the game shows a symbol: "up"), # click Smiley at
//             column 2, floor 0 (a click or a pointer move names what is
//             under the pointer, as the game finds it: an object by its
//             class and where it stands, such as a smiley's square or a
//             vitamin's row and name; a menu item by its caption, the
//             font's cross alone as "the close cross", a chooser of no
//             caption by what it shows: # next on the chooser showing
//             "Action"; a place on the journey map by the name it shows; or
//             "nothing at x y on" the screen, with the world point); a wait
//             for a game state by its number and name: # wait for game
//             state 6 (play).
//   f120 t1.20 ...
//             a frame line: the frame of the play and its game time (the
//             engine's frame time since the play began, which stands still
//             while the window has no focus), the only stamp of the record.
//             A frame with anything to say has one; the lines after it, up to
//             the next frame line or step, are that frame's. A drawn frame's
//             line goes on with the replay's summary: the active screen (with
//             the game's state), the current music's key and file, the master
//             volumes of sounds and of music, the fader's coverage; the first
//             drawn frame's line, and the first after each opening of the
//             display (a restart), end with the mode the program opened the
//             display in and the part of it OpenGL draws into: "display window
//             640x480, viewport 0 0 640 480" (or "full screen"; width x height
//             in pixels; the viewport's left, bottom, width and height in
//             pixels), which holds until the next one says otherwise. The
//             display's bits per pixel are left out: they are the X server's,
//             and change only how finely colours are shown.
// The lines of a frame: first its sound (end, sound, playing lines), then
// the rest in the order it happened.
//   end       a channel that had started goes: its key, its file and why
//             (ended, faded out, stopped, replaced by a newer playback of
//             its sound);
//   sound     a start of a sound or music track: its key, its file, pitch (a
//             factor of the file's rate), volume and pan as the channel has
//             them at the end of the frame (a start is often followed by its
//             settings in the same frame, and the frame's sound is mixed
//             only after it: SteppedHost);
//   playing   in a drawn frame, each channel still playing, oldest first:
//             its key, its file and its volume;
//   device    the sound device's status, the first frame's and each change
//             after, where it happened among the frame's lines: "playing"
//             (the device calls for sound), "paused" (the window has lost
//             its focus, the display is restarting, the program is ending)
//             and "closed" (the engine has ended);
//   file      each write of the settings and high scores (.hst), of the
//             roster with its saved games (.pro; a saved game of no house,
//             score or coins as "none") and of the engine configuration
//             (.cfg, one "[section] key=value" line each), as named fields;
//             any other file written (a screenshot) by its name and the
//             bytes it was made from (a screenshot's: the pixels read, 4 a
//             pixel);
//   skin      in a drawn frame, each skin in draw order: the class of the
//             object that drew it ("Smiley"; for a plain Renderable, such as
//             a background tile, the object drawing it or its owner), the
//             skin's key ("eyes:3": a texture's key and frame; a skin
//             stretched from another shows that one's key in <>, any other
//             skin the key of the texture it draws in <>: the roof's gable
//             "<roofTile>"), then what its vertex buffers handed to OpenGL:
//             the bounds left bottom right top of the vertices through the
//             matrices in force at the draw, in view units (from the view's
//             left and bottom edges), the turn of the skin's x axis in
//             degrees, the colour of its vertices RRGGBBAA (several joined
//             by /); "unfilled" when a texture it drew from does not hold
//             the texels drawn in this display's life (made anew when the
//             display opened, and those texels uploaded since); its look
//             when it is not the first of its key ("look 2", below); and,
//             for a skin that builds its own geometry (any but a texture's
//             own quads and mosaics: stretched, bent, the roof's gable),
//             after a colon each vertex drawn, x y in view units, in draw
//             order;
//   text      in a drawn frame, each text but an empty one: font key, the
//             string, where it starts as printed (x y), its scale (view
//             units per font unit) and colour; then, as the font drew it,
//             the bounds of its glyphs' vertices (as for a skin), "cached"
//             when it was drawn from the font's cache of rendered strings,
//             and "unfilled" when a texture it drew from does not hold those
//             texels in this display's life: so a text drawn from a cache
//             strip that a display restart emptied differs from one drawn
//             whole, and so does one whose glyph texture was not reloaded;
//             the colours of its glyphs' vertices when they are not its
//             own ("drawn in ffffffff"); its look when not the first of its
//             key; "shadow" for the shadow printed under a text;
//   look      before the first skin or text line that draws it, a look: which
//             part of which texture a drawing shows and how OpenGL blends it,
//             as its vertex buffers handed them over. Its key (a skin's name
//             as on its line; a text's font and string, for the text and its
//             shadow), its number among the key's looks in the record, then
//             each draw: the texture (left out while the one before goes on,
//             as a text's glyphs do; "untextured"; a cell of a mosaic
//             "hills/1", numbered row by row from 0; the textures of a font's
//             cache of rendered strings "fontMedium/cache"), the texels shown
//             (u and v times the texture's width and height; in a font's
//             cache, from the top-left corner of the strip the text was put
//             in, so that a text looks the same in any strip) and, in
//             brackets, how it is drawn where that is not the usual. Draws
//             are joined by ";". A quad's texels (a frame, a mosaic's cell, a
//             glyph, a cache strip) go by the corners of the picture as seen,
//             turned back upright by its line's angle: those at the top-left
//             and the bottom-right, "0.0 0.0 256.0 256.0" (upside down "0.0
//             256.0 256.0 0.0", mirrored "256.0 0.0 0.0 256.0"; a picture
//             that its matrices mirror is, turned back upright, upside down),
//             or, when the other two corners do not follow from them, all
//             four: top-left, top-right, bottom-left, bottom-right, joined by
//             commas. A skin that lists its vertices has the texel of each in
//             the same order. The usual is alpha blending (source alpha over
//             the frame) with the alpha test that drops clear texels, and the
//             texture bound and enabled, tinted by the vertices' colour;
//             otherwise "no blend", "blend" with its factors, "no alpha
//             test", "alpha test" with its function and reference, "texturing
//             off", "another texture bound", and "replace" where a colour
//             other than opaque white is not applied to the texture;
//   geometry  in a drawn frame, what an object draws without a skin (the
//             screens' fader): its class, the primitive and vertex count,
//             and each colour of its vertices with the distances from the
//             world origin it is drawn at, inside out; then, in brackets,
//             how it is drawn where that is not the usual (as for a look);
//   the program ends
//             the program has shut down; the files it wrote on its way out
//             follow, then the web page it opened at its end, if any, as
//             the opener got it ("the opener opens [address]").
// Volumes are as mixed: the channel's own volume times the master volume
// of its kind (sounds, or music for a music track). A value that a fade is
// moving shows where the fade leads and the seconds it has left ("vol
// 0.000>0.625 over 1.00 s"; on a start line the fade's whole length).
// Precision: view units, texels and degrees to 0.1, pitch, volume, pan and
// scale to 0.001 or 0.01, seconds to 0.01, colours exact; -0 is written 0. So
// a move of one unit or texel, a colour step or a 1% change of pitch shows,
// while the rounding error of another build or machine does not. Times of the
// clock (a high score's date, the play time), random identifiers and the data
// folder's path are left out.
// Main thread only; set as the observer by Replay, which owns it.
#include "ClassName.h"
#include "FontQuad.h"
#include "Global.h"
#include "HSTdata.h"
#include "Kiv.h"
#include "KivAudio.h"
#include "KivGraphics.h"
#include "KivObserver.h"
#include "Mixer.h"
#include "MixerChannel.h"
#include "MixerOGGstatic.h"
#include "MixerOGGstream.h"
#include "ProfileManager.h"
#include "Quad.h"
#include "QuadMosaic.h"
#include "Rect.h"
#include "ResourceManager.h"
#include "Sound.h"
#include "SoundStream.h"
#include "StretchSkin.h"
#include "Texture.h"
#include "VStretchSkin.h"
#include "VertexBuffer.h"

#include <GL/gl.h>
#include <SDL/SDL.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <sstream>
#include <string>
#include <typeinfo>
#include <unordered_map>
#include <utility>
#include <vector>

namespace testsupport {

class ReplayRecorder : public KivObserver {
public:
    // Opens the frame about to run.
    void beginFrame(int frame)
    {
        frameNumber = frame;
        summary.clear();
        names.clear();
    }

    // The frame is drawn: the summary goes on its frame line.
    void drawn(const std::string& frameSummary) { summary = frameSummary; }

    // Writes the frame's lines, if it has any, under its frame line, which
    // gives the game time (seconds) the frame ran at.
    void endFrame(double time)
    {
        std::vector<std::string> sounds;
        Mixer* mixer = KivAudio::getMixer();
        // Notes taken while the program shut down name sounds that are gone.
        if (mixer && pGlobal)
            soundLines(*mixer, sounds);
        ended.clear();
        started.clear();
        if (summary.empty() && sounds.empty() && pending.empty())
            return;
        const std::string stamp = format("f%d t%.2f", frameNumber, time);
        std::string line = summary.empty() ? stamp : stamp + " " + summary;
        if (!summary.empty() && bDisplayNews) {
            line += ", display " + displayMode();
            bDisplayNews = false;
        }
        lines.push_back(line);
        lines.insert(lines.end(), sounds.begin(), sounds.end());
        lines.insert(lines.end(), pending.begin(), pending.end());
        pending.clear();
    }

    void add(const std::string& line) { pending.push_back(line); }
    // The sound device's status ("paused"), told as it changes.
    void device(const char* status) { add(std::string("device ") + status); }
    // The display has opened since the last frame line that gave its mode.
    bool hasDisplayNews() const { return bDisplayNews; }
    // A line of its own between frames (a step of the play).
    void comment(const std::string& text) { lines.push_back("# " + text); }

    void onChannelStarted(const MixerChannel& channel) override { started.emplace_back(channel.id, channel.pSource); }

    void onChannelEnded(const MixerChannel& channel, const char* why) override
    {
        if (channel.playing)
            ended.emplace_back(channel.pSource, why);
    }

    void onRenderEntered(const KivBase& object) override { walk.push_back(&object); }
    void onRenderLeft(const KivBase&) override
    {
        if (!walk.empty())
            walk.pop_back();
    }

    void onSkinDrawn(const Renderable& drawn) override
    {
        Drawing skin;
        skin.pSkin = drawn.pSkin;
        skin.head = "skin " + drawerName(drawn) + " ";
        skin.bListVertices = typeid(*drawn.pSkin) != typeid(Quad) && typeid(*drawn.pSkin) != typeid(QuadMosaic);
        open.push_back(std::move(skin));
    }

    void onTextDrawn(const FontQuad& font, const Renderable& at, const std::string& text, bool bShadow) override
    {
        Drawing drawing;
        drawing.pFont = &font;
        drawing.bEmpty = text.empty();
        drawing.key = nameOf(&font) + " " + quoted(text);
        drawing.printedIn = at.color;
        const V3 start = toView(at, 0, 0);
        drawing.head = std::string(bShadow ? "shadow " : "text ") + nameOf(&font) + " " + quoted(text) + " " +
                       number(start.x) + " " + number(start.y) + " " +
                       number(length(toView(at, 1, 0) - start), 2) + " " + colour(at.color);
        open.push_back(std::move(drawing));
    }

    void onDrawingDone() override
    {
        if (open.empty())
            return;
        Drawing done = std::move(open.back());
        open.pop_back();
        if (!open.empty())
            open.back().absorb(done);
        else if (done.pFont)
            addText(done);
        else
            addSkin(done);
    }

    void onVerticesDrawn(const VertexBuffer& buffer, int type, int first, int count, const Texture* texture,
                         const Matrix& modelView, const Matrix& projection) override
    {
        if (open.empty()) {
            addGeometry(buffer, type, first, count, texture);
            return;
        }
        Drawing& drawing = open.back();
        Matrix clip = projection;
        clip.multiply(modelView);
        // The glyphs of a text are skins drawn inside it.
        const auto text = std::find_if(open.rbegin(), open.rend(), [](const Drawing& d) { return d.pFont; });
        const FontQuad* font = text != open.rend() ? text->pFont : nullptr;
        const bool bStrip = texture && font && isCacheTexture(*font, texture);
        drawing.pieces.push_back({texture ? (bStrip ? nameOf(font) + "/cache" : textureName(*texture)) : "untextured",
                                  texture ? texels(buffer, first, count, *texture, drawing.bListVertices,
                                                   mirrored(clip), bStrip ? font->lineHeight + 1 : 0)
                                          : "",
                                  drawState(buffer, first, count, texture)});
        if (!drawing.bDrawn) {
            const V3 centre = toView(clip, V3()), across = toView(clip, V3(1.0f, 0.0f, 0.0f)) - centre;
            drawing.degrees = std::atan2(across.y, across.x) * 57.29578f;
        }
        float uLow = 1e9f, vLow = 1e9f, uHigh = -1e9f, vHigh = -1e9f;
        for (int i = first; i < first + count; ++i) {
            const VertexBuffer::Vertex& vertex = buffer.vertices[i];
            const V3 point = toView(clip, V3(vertex.x, vertex.y, vertex.z));
            drawing.take(point, vertex.color);
            uLow = std::min(uLow, vertex.u);
            uHigh = std::max(uHigh, vertex.u);
            vLow = std::min(vLow, vertex.v);
            vHigh = std::max(vHigh, vertex.v);
        }
        if (!texture)
            return;
        if (!drawing.pTexture)
            drawing.pTexture = texture;
        if (bStrip)
            drawing.bCached = true;
        if (!holds(*texture, uLow, vLow, uHigh, vHigh))
            drawing.bUnfilled = true;
    }

    void onTextureMade(const Texture& texture) override { textures[&texture] = {displayLife, {}}; }

    void onTextureFilled(const Texture& texture, const Rect& area) override
    {
        auto found = textures.find(&texture);
        // Made before the recorder was set: whole in the first display life.
        if (found == textures.end())
            found = textures.insert({&texture, {0, {Rect(0, 0, texture.realWidth, texture.realHeight)}}}).first;
        std::vector<Rect>& filled = found->second.filled;
        if (std::none_of(filled.begin(), filled.end(), [&](const Rect& known) { return inside(area, known); }))
            filled.push_back(area);
    }

    void onDisplayOpened() override
    {
        ++displayLife;
        bDisplayNews = true;
    }

    void onFileSaved(const UString& fileName, const void* data, size_t size) override
    {
        const std::string name = fileName.substr(fileName.find_last_of('.') + 1);
        if (name == "hst" && size == sizeof(HSTdata))
            addSettings(*static_cast<const HSTdata*>(data));
        else if (name == "pro" && size == sizeof(ProfileManager))
            addRoster(*static_cast<const ProfileManager*>(data));
        else if (name == "cfg")
            addConfiguration(std::string(static_cast<const char*>(data), size));
        else
            add("file " + fileName.substr(fileName.find_last_of('/') + 1) + " " + std::to_string(size) + " bytes");
    }

    // Text with the decimals asked for, "-0.0" written "0.0".
    static std::string number(double value, int decimals = 1)
    {
        std::string text = format("%.*f", decimals, value);
        if (text.find_first_not_of("-0.") == std::string::npos)
            text = text.substr(text[0] == '-' ? 1 : 0);
        return text;
    }

    // In double quotes, bytes outside printable ASCII (the font's symbol
    // glyphs) as \xNN.
    static std::string quoted(const std::string& text)
    {
        std::string out = "\"";
        for (const unsigned char c : text)
            out += c >= 32 && c < 127 && c != '"' && c != '\\' ? std::string(1, static_cast<char>(c))
                                                               : format("\\x%02x", c);
        return out + "\"";
    }

    // The class of the object that drew the skin: the drawn object's own,
    // or, for a plain Renderable (a tile, a shadow, a label an object draws
    // for itself, or one made only to hold a skin), the nearest object of a
    // class of its own among the one being drawn and its ancestors.
    std::string drawerName(const Renderable& drawn) const
    {
        const auto plain = [](const KivBase* object) {
            return typeid(*object) == typeid(Renderable) || typeid(*object) == typeid(KivBase);
        };
        const KivBase* drawer = &drawn;
        if (plain(drawer)) {
            const KivBase* drawing = walk.empty() ? nullptr : walk.back();
            drawer = drawing && drawing != &drawn ? drawing : drawn.getParent();
        }
        while (drawer && plain(drawer))
            drawer = drawer->getParent();
        return drawer ? className(typeid(*drawer)) : "Renderable";
    }

    // The key of the sound or music track playing the source, and its file.
    const std::string& soundName(const MixerOGG* source)
    {
        std::string& name = soundNames[source];
        if (!name.empty())
            return name;
        name = "?";
        for (const BasicLink* link = pGlobal->pResourceRoot->pFirstChild; link; link = link->pNext) {
            const KivBase* resource = static_cast<const KivBase*>(link);
            const Sound* sound = dynamic_cast<const Sound*>(resource);
            const SoundStream* music = dynamic_cast<const SoundStream*>(resource);
            const MixerOGG* played = sound ? static_cast<const MixerOGG*>(sound->pSource)
                                           : music ? static_cast<const MixerOGG*>(music->pSource) : nullptr;
            if (played == source)
                name = pKiv->pResourceManager->findKey(resource);
        }
        // The description reads "'music/menu.ogg' in the archive ...".
        const std::string& file = source->fileDescription;
        return name += " " + file.substr(1, file.find('\'', 1) - 1);
    }

    // Every line so far, in order.
    std::vector<std::string> lines;

private:
    // One draw of a vertex buffer: the texture drawn from (or
    // "untextured"), its texels at the vertices and how OpenGL blends them,
    // as the record writes them.
    struct Piece {
        std::string texture;
        std::string texels;
        std::string state;
    };

    // A skin or a text being drawn, and what its vertex buffers have drawn
    // so far.
    struct Drawing {
        // The line up to the geometry.
        std::string head;
        // What its looks are counted under: a text's font and string (a
        // skin's name is known when it is done).
        std::string key;
        // Each draw of its vertex buffers (and of those drawn inside it).
        std::vector<Piece> pieces;
        // The colour a text is printed in.
        UColor printedIn;
        const Skin* pSkin = nullptr;
        // Set for a text.
        const FontQuad* pFont = nullptr;
        // The first texture drawn.
        const Texture* pTexture = nullptr;
        bool bEmpty = false;
        bool bListVertices = false;
        bool bDrawn = false;
        bool bCached = false;
        bool bUnfilled = false;
        // The turn of the first draw's x axis.
        float degrees = 0.0f;
        V3 low, high;
        std::vector<V3> points;
        std::vector<UColor> colours;

        void take(const V3& point, UColor colour)
        {
            widen(point, point);
            if (bListVertices)
                points.push_back(point);
            addColour(colour);
        }

        // What a skin or text drawn inside this one drew.
        void absorb(const Drawing& inner)
        {
            if (inner.bDrawn && !bDrawn)
                degrees = inner.degrees;
            if (inner.bDrawn)
                widen(inner.low, inner.high);
            for (const UColor shade : inner.colours)
                addColour(shade);
            if (bListVertices)
                points.insert(points.end(), inner.points.begin(), inner.points.end());
            pieces.insert(pieces.end(), inner.pieces.begin(), inner.pieces.end());
            bCached = bCached || inner.bCached;
            bUnfilled = bUnfilled || inner.bUnfilled;
            if (!pTexture)
                pTexture = inner.pTexture;
        }

        void widen(const V3& from, const V3& to)
        {
            low = bDrawn ? V3(std::min(low.x, from.x), std::min(low.y, from.y), 0.0f) : from;
            high = bDrawn ? V3(std::max(high.x, to.x), std::max(high.y, to.y), 0.0f) : to;
            bDrawn = true;
        }

        void addColour(UColor colour)
        {
            if (std::find(colours.begin(), colours.end(), colour) == colours.end())
                colours.push_back(colour);
        }
    };

    // What a texture holds in this display's life: the display opening its
    // OpenGL texture was made in, and the areas filled since.
    struct TextureTexels {
        int life = 0;
        std::vector<Rect> filled;
    };

    void addSkin(const Drawing& skin)
    {
        const std::string name = skinName(skin.pSkin, skin.pTexture);
        std::string line = skin.head + name;
        if (!skin.bDrawn) {
            add(line + " nothing drawn");
            return;
        }
        const std::string look = lookReference(name, skin.pieces);
        // -180 and 180 are one turn; one spelling.
        const float degrees = skin.degrees < -179.95f ? skin.degrees + 360.0f : skin.degrees;
        line += " " + bounds(skin) + " " + number(degrees) + " ";
        for (size_t i = 0; i < skin.colours.size(); ++i)
            line += (i ? "/" : "") + colour(skin.colours[i]);
        if (skin.bUnfilled)
            line += " unfilled";
        line += look;
        if (skin.bListVertices) {
            line += ":";
            for (size_t i = 0; i < skin.points.size(); ++i)
                line += (i ? ", " : " ") + number(skin.points[i].x) + " " + number(skin.points[i].y);
        }
        add(line);
    }

    void addText(const Drawing& text)
    {
        if (text.bEmpty)
            return;
        const std::string look = text.bDrawn ? lookReference(text.key, text.pieces) : "";
        std::string drawnIn;
        if (text.colours.size() != 1 || text.colours[0] != text.printedIn)
            for (size_t i = 0; i < text.colours.size(); ++i)
                drawnIn += (i ? "/" : " drawn in ") + colour(text.colours[i]);
        add(text.head + (text.bDrawn ? " " + bounds(text) : "") + (text.bCached ? " cached" : "") +
            (text.bUnfilled ? " unfilled" : "") + drawnIn + look);
    }

    // The reference to the drawing's look among those of its key (a skin's
    // name, a text's font and string) in this record: none for the first,
    // " look 2" for the second... A look not seen before is defined on a
    // line of its own first.
    std::string lookReference(const std::string& key, const std::vector<Piece>& pieces)
    {
        std::string look;
        const std::string* lastTexture = nullptr;
        for (const Piece& piece : pieces) {
            if (!look.empty())
                look += "; ";
            // A texture goes on drawing until another is named.
            if (!lastTexture || *lastTexture != piece.texture)
                look += piece.texture + (piece.texels.empty() ? "" : " ");
            look += piece.texels + piece.state;
            lastTexture = &piece.texture;
        }
        std::vector<std::string>& known = looks[key];
        const size_t index = std::find(known.begin(), known.end(), look) - known.begin();
        if (index == known.size()) {
            known.push_back(look);
            add("look " + key + " " + std::to_string(index + 1) + ": " + look);
        }
        return index == 0 ? "" : " look " + std::to_string(index + 1);
    }

    // The texels (u and v times the texture's width and height) the
    // vertices first .. first + count - 1 show; with stripHeight, that of
    // the strips a font's cache texture is cut into from its top, from the
    // top-left corner of the strip the topmost lies in. A quad's (count 4,
    // not listed) are written by corner as the skin is seen turned back
    // upright, a mirrored one flipped top to bottom: the top-left and
    // bottom-right corners' "u v u v" when the other two follow from them,
    // else all four, top-left, top-right, bottom-left, bottom-right. Any
    // other draw's, and those of a skin that lists its vertices, in draw
    // order.
    static std::string texels(const VertexBuffer& buffer, int first, int count, const Texture& texture,
                              bool bInDrawOrder, bool bMirrored, int stripHeight)
    {
        const VertexBuffer::Vertex* v = buffer.vertices + first;
        const float width = static_cast<float>(texture.width), height = static_cast<float>(texture.height);
        float stripTop = 0.0f;
        if (stripHeight > 0 && count > 0) {
            const float top = std::min_element(v, v + count, [](const auto& a, const auto& b) { return a.v < b.v; })->v;
            // Within a hundredth of a texel of a strip's edge a coordinate
            // lies on it.
            stripTop = std::floor((top * height + 0.01f) / static_cast<float>(stripHeight)) *
                       static_cast<float>(stripHeight);
        }
        std::vector<std::string> us, vs;
        std::vector<int> order;
        for (int i = 0; i < count; ++i) {
            us.push_back(number(v[i].u * width));
            vs.push_back(number(v[i].v * height - stripTop));
            order.push_back(i);
        }
        if (count == 4 && !bInDrawOrder) {
            const float cx = (v[0].x + v[1].x + v[2].x + v[3].x) / 4, cy = (v[0].y + v[1].y + v[2].y + v[3].y) / 4;
            std::vector<int> corners(4, -1);
            for (int i = 0; i < 4; ++i) {
                const int corner = ((v[i].y > cy) != bMirrored ? 0 : 2) + (v[i].x > cx ? 1 : 0);
                corners[static_cast<size_t>(corner)] = i;
            }
            // A quad of no width or height has no corners to tell apart.
            if (std::find(corners.begin(), corners.end(), -1) == corners.end())
                order = corners;
            const auto at = [&](size_t corner) { return static_cast<size_t>(order[corner]); };
            if (us[at(1)] == us[at(3)] && vs[at(1)] == vs[at(0)] && us[at(2)] == us[at(0)] && vs[at(2)] == vs[at(3)])
                return us[at(0)] + " " + vs[at(0)] + " " + us[at(3)] + " " + vs[at(3)];
        }
        std::string list;
        for (const int i : order)
            list += (list.empty() ? "" : ", ") + us[static_cast<size_t>(i)] + " " + vs[static_cast<size_t>(i)];
        return list;
    }

    // Whether the matrices draw the skin mirrored (its y axis on the
    // clockwise side of its x axis, as seen).
    static bool mirrored(const Matrix& clip)
    {
        const V3 centre = toView(clip, V3()), across = toView(clip, V3(1.0f, 0.0f, 0.0f)) - centre,
                 up = toView(clip, V3(0.0f, 1.0f, 0.0f)) - centre;
        return across.x * up.y - across.y * up.x < 0.0f;
    }

    // How OpenGL puts the draw on the frame, read from OpenGL as the draw
    // begins, in brackets where it is not the usual: alpha blending (source
    // alpha over the frame) with the alpha test dropping clear texels, and
    // the texture, bound and enabled, tinted by the vertices' colour
    // ("replace" when a colour other than opaque white is not applied).
    static std::string drawState(const VertexBuffer& buffer, int first, int count, const Texture* texture)
    {
        std::vector<std::string> unusual;
        GLint source = 0, destination = 0, test = 0, mode = 0, bound = 0;
        GLfloat reference = 0.0f;
        glGetIntegerv(GL_BLEND_SRC, &source);
        glGetIntegerv(GL_BLEND_DST, &destination);
        glGetIntegerv(GL_ALPHA_TEST_FUNC, &test);
        glGetFloatv(GL_ALPHA_TEST_REF, &reference);
        if (!glIsEnabled(GL_BLEND))
            unusual.push_back("no blend");
        else if (source != GL_SRC_ALPHA || destination != GL_ONE_MINUS_SRC_ALPHA)
            unusual.push_back(format("blend 0x%04x 0x%04x", source, destination));
        if (!glIsEnabled(GL_ALPHA_TEST))
            unusual.push_back("no alpha test");
        else if (test != GL_NOTEQUAL || reference != 0.0f)
            unusual.push_back(format("alpha test 0x%04x %.3f", test, reference));
        if (glIsEnabled(GL_TEXTURE_2D) != (texture != nullptr))
            unusual.push_back(texture ? "texturing off" : "texturing on");
        if (texture) {
            glGetIntegerv(GL_TEXTURE_BINDING_2D, &bound);
            if (static_cast<GLuint>(bound) != texture->glTexHandle)
                unusual.push_back("another texture bound");
            glGetTexEnviv(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, &mode);
            const auto tinted = [](const VertexBuffer::Vertex& v) { return v.color != UColor(255, 255, 255, 255); };
            if (mode == GL_REPLACE && std::any_of(buffer.vertices + first, buffer.vertices + first + count, tinted))
                unusual.push_back("replace");
            else if (mode != GL_REPLACE && mode != GL_MODULATE)
                unusual.push_back(format("texture mode 0x%04x", mode));
        }
        std::string text;
        for (const std::string& token : unusual)
            text += (text.empty() ? " (" : ", ") + token;
        return text.empty() ? text : text + ")";
    }

    // A texture by its key; a cell of a mosaic by its texture's key and its
    // number, row by row from 0 ("hills/1").
    std::string textureName(const Texture& texture)
    {
        if (const std::string& key = nameOf(&texture); !key.empty())
            return key;
        const KivBase* holder = texture.getParent();
        const Texture* whole = dynamic_cast<const Texture*>(holder ? holder->getParent() : nullptr);
        if (!whole || whole->subTextures != holder)
            return "?";
        int index = 0;
        for (const BasicLink* link = holder->pFirstChild; link && link != &texture; link = link->pNext)
            ++index;
        return nameOf(whole) + "/" + std::to_string(index);
    }

    static std::string bounds(const Drawing& drawing)
    {
        return number(drawing.low.x) + " " + number(drawing.low.y) + " " + number(drawing.high.x) + " " +
               number(drawing.high.y);
    }

    // What an object draws without a skin (the screens' fader): each colour
    // of its vertices with the distances from the world origin it is drawn
    // at, inside out: what is opaque and what is clear, and where.
    void addGeometry(const VertexBuffer& buffer, int type, int first, int count, const Texture* texture)
    {
        static const char* const PRIMITIVES[] = {"points", "lines", "line strip", "triangles", "triangle strip",
                                                 "triangle fan"};
        std::vector<std::pair<UColor, std::pair<float, float>>> shades;
        for (int i = first; i < first + count; ++i) {
            const VertexBuffer::Vertex& vertex = buffer.vertices[i];
            const float distance = length(V3(vertex.x, vertex.y, vertex.z));
            auto shade = std::find_if(shades.begin(), shades.end(),
                                      [&](const auto& known) { return known.first == vertex.color; });
            if (shade == shades.end())
                shades.push_back({vertex.color, {distance, distance}});
            else
                shade->second = {std::min(shade->second.first, distance), std::max(shade->second.second, distance)};
        }
        std::sort(shades.begin(), shades.end(), [](const auto& a, const auto& b) { return a.second < b.second; });
        const KivBase* drawer = walk.empty() ? nullptr : walk.back();
        std::string line = "geometry " + (drawer ? className(typeid(*drawer)) : std::string("none")) + " " +
                           PRIMITIVES[type] + " of " + std::to_string(count) + " vertices:";
        for (const auto& [shade, radii] : shades)
            line += " " + colour(shade) + " at radius " + number(radii.first) +
                    (number(radii.first) == number(radii.second) ? "" : " to " + number(radii.second)) + ";";
        add(line + drawState(buffer, first, count, texture));
    }

    static bool isCacheTexture(const FontQuad& font, const Texture* texture)
    {
        for (const BasicLink* link = font.cacheTextures.pFirstChild; link; link = link->pNext)
            if (static_cast<const KivBase*>(link) == texture)
                return true;
        return false;
    }

    static bool inside(const Rect& area, const Rect& outer)
    {
        return area.left >= outer.left && area.top >= outer.top && area.right <= outer.right &&
               area.bottom <= outer.bottom;
    }

    // Whether the texture's texels under the texture coordinates (beyond
    // 0..1 the texture repeats: all of it) were filled in this display's
    // life. A texture made before the recorder was set counts as filled
    // until the display is opened again.
    bool holds(const Texture& texture, float uLow, float vLow, float uHigh, float vHigh) const
    {
        const auto found = textures.find(&texture);
        if (found == textures.end())
            return displayLife == 0;
        if (found->second.life != displayLife)
            return false;
        const float w = static_cast<float>(texture.realWidth), h = static_cast<float>(texture.realHeight);
        // Within a hundredth of a texel of its edge a coordinate lies on it.
        const float edge = 0.01f;
        const bool bWhole = uLow < -edge / w || vLow < -edge / h || uHigh > 1.0f + edge / w || vHigh > 1.0f + edge / h;
        const Rect used = bWhole ? Rect(0, 0, texture.realWidth, texture.realHeight)
                                 : Rect(static_cast<int>(std::floor(uLow * w + edge)),
                                        static_cast<int>(std::floor(vLow * h + edge)),
                                        static_cast<int>(std::ceil(uHigh * w - edge)),
                                        static_cast<int>(std::ceil(vHigh * h - edge)));
        const std::vector<Rect>& filled = found->second.filled;
        return std::any_of(filled.begin(), filled.end(), [&](const Rect& area) { return inside(used, area); });
    }

    // The mode the display was opened in: window or full screen, width x
    // height; then the part of it OpenGL draws into.
    static std::string displayMode()
    {
        const SDL_Surface* surface = SDL_GetVideoSurface();
        if (!surface)
            return "none";
        GLint viewport[4] = {};
        glGetIntegerv(GL_VIEWPORT, viewport);
        const char* kind = (surface->flags & SDL_FULLSCREEN) ? "full screen" : "window";
        return format("%s %dx%d, viewport %d %d %d %d", kind, surface->w, surface->h, viewport[0], viewport[1],
                      viewport[2], viewport[3]);
    }

    template <typename... Args>
    static std::string format(const char* pattern, Args... args)
    {
        char text[256];
        std::snprintf(text, sizeof(text), pattern, args...);
        return text;
    }

    static std::string colour(UColor c) { return format("%02x%02x%02x%02x", c.r, c.g, c.b, c.a); }

    static float length(const V3& v) { return std::sqrt(v.lengthSquared()); }

    // The frame's ends, starts and (drawn) channels still playing.
    void soundLines(const Mixer& mixer, std::vector<std::string>& out)
    {
        for (const auto& [source, why] : ended)
            out.push_back("end " + soundName(source) + " " + why);
        for (const auto& [id, source] : started) {
            const MixerChannel* channel = mixer.getChannel(id);
            if (!channel) {
                out.push_back("sound " + soundName(source) + " gone within its frame");
                continue;
            }
            const float rate = static_cast<float>(source->rate);
            out.push_back("sound " + soundName(source) + " pitch " +
                          faded(mixer, channel->frequency / rate,
                                (channel->frequency + channel->frequencyDelta * channel->frequencyFrames) / rate,
                                channel->frequencyFrames) +
                          " vol " + mixedVolume(mixer, *channel) + " pan " +
                          faded(mixer, channel->pan / 1000,
                                (channel->pan + channel->panDelta * channel->panFrames) / 1000, channel->panFrames));
        }
        if (summary.empty())
            return;
        for (const BasicLink* node = mixer.pFirstChild; node; node = node->pNext) {
            const MixerChannel& channel = *static_cast<const MixerChannel*>(node);
            if (channel.playing && !node->bDead)
                out.push_back("playing " + soundName(channel.pSource) + " vol " + mixedVolume(mixer, channel));
        }
    }

    static std::string mixedVolume(const Mixer& mixer, const MixerChannel& channel)
    {
        return faded(mixer, channel.gainAt(channel.volume),
                     channel.gainAt(channel.volume + channel.volumeDelta * channel.volumeFrames), channel.volumeFrames);
    }

    // A value and, while a fade moves it for frames more output frames,
    // where the fade leads and in how many seconds.
    static std::string faded(const Mixer& mixer, float value, float target, int32_t frames)
    {
        std::string text = number(value, 3);
        if (frames > 0)
            text += ">" + number(target, 3) + " over " + number(frames * mixer.secondsPerSample, 2) + " s";
        return text;
    }

    // The point (x, y) of the drawn object's skin space in view units.
    static V3 toView(const Renderable& drawn, float x, float y)
    {
        Matrix clip;
        pKiv->pGraphics->getProjection(clip.m);
        clip.multiply(drawn.xform);
        return toView(clip, V3(x, y, 0.0f));
    }

    // The point through the projection and model-view matrices (clip =
    // projection x model-view), in view units.
    static V3 toView(const Matrix& clip, const V3& p)
    {
        const float* m = clip.m;
        const float w = m[3] * p.x + m[7] * p.y + m[11] * p.z + m[15];
        const float ndcX = (m[0] * p.x + m[4] * p.y + m[8] * p.z + m[12]) / w;
        const float ndcY = (m[1] * p.x + m[5] * p.y + m[9] * p.z + m[13]) / w;
        return V3((ndcX + 1.0f) * 0.5f * static_cast<float>(pKiv->pGraphics->fovWidth),
                  (ndcY + 1.0f) * 0.5f * static_cast<float>(pKiv->pGraphics->fovHeight), 0.0f);
    }

    // The resource key of the object; within a frame, asked once.
    const std::string& nameOf(const KivBase* object)
    {
        const auto found = names.find(object);
        if (found != names.end())
            return found->second;
        return names[object] = pKiv->pResourceManager->findKey(object);
    }

    // A registered skin by its key; one made from a registered skin by that
    // skin's key in <>; a quad of a texture by the texture's key and frame;
    // any other by the key of the texture it drew in <>.
    std::string skinName(const Skin* skin, const Texture* drawnTexture = nullptr)
    {
        if (const std::string& key = nameOf(skin); !key.empty())
            return key;
        if (const StretchSkin* stretch = dynamic_cast<const StretchSkin*>(skin))
            return "<" + skinName(stretch->source) + ">";
        if (const VStretchSkin* stretch = dynamic_cast<const VStretchSkin*>(skin))
            return "<" + skinName(stretch->source) + ">";
        if (const Quad* quad = dynamic_cast<const Quad*>(skin); quad && quad->pTexture) {
            const std::vector<Skin*>& frames = quad->pTexture->skins;
            for (size_t i = 0; i < frames.size(); ++i) {
                const Quad* frame = dynamic_cast<const Quad*>(frames[i]);
                if (frame && frame->uvRect.left == quad->uvRect.left && frame->uvRect.top == quad->uvRect.top)
                    return nameOf(quad->pTexture) + ":" + std::to_string(i);
            }
            return nameOf(quad->pTexture) + ":?";
        }
        return drawnTexture ? "<" + nameOf(drawnTexture) + ">" : "?";
    }

    static std::string field(const char* name, int value)
    {
        return std::string(" ") + name + "=" + std::to_string(value);
    }
    static std::string flag(const char* name, bool value) { return field(name, value ? 1 : 0); }

    void addSettings(const HSTdata& block)
    {
        std::string line = "file .hst settings" + field("detail", block.detail) +
                           field("resolution", block.resolution) +
                           field("maxFps", block.maxFps) + flag("fullScreen", block.bFullScreen) +
                           flag("bilinearFilter", block.bBilinearFilter) + flag("verticalSync", block.bVerticalSync) +
                           flag("showFps", block.bShowFps) + field("audioQuality", block.audioQuality) +
                           field("soundVolume", block.soundVolume) + field("musicVolume", block.musicVolume) +
                           flag("inGameMusic", block.bInGameMusic) + field("mouseSensitivity", block.mouseSensitivity) +
                           flag("allowCheats", block.bAllowCheats) + flag("inGameHelp", block.bInGameHelp) +
                           field("startingLevel", block.startingLevel) + " keys=";
        for (const auto& pair : block.keys)
            line += std::to_string(pair[0]) + "/" + std::to_string(pair[1]) + ",";
        add(line + " country=" + std::string(block.countryCode, 2));
        for (int table = 0; table < HSTdata::TABLE_COUNT; ++table) {
            std::string rows = "file .hst table " + std::to_string(table) + ":";
            for (const HighScoreEntry& entry : block.highScores[table])
                rows += format(" name=%.15s score=%d houses=%d difficulty=%d;", entry.name, entry.score, entry.value2,
                               entry.value3);
            add(rows);
        }
    }

    void addRoster(const ProfileManager& roster)
    {
        add("file .pro current=" + std::to_string(roster.current) +
            " lastHighScorePosition=" + std::to_string(roster.lastHighScorePosition));
        for (int slot = 0; slot < ProfileManager::PROFILE_COUNT; ++slot) {
            const Profile& player = roster.profiles[slot];
            if (player.name[0] == '\0')
                continue;
            std::string line = format("file .pro player %d %.15s:", slot, player.name);
            for (const SavedGame& game : player.savedGames)
                line += game.housesPlayed == 0 && game.score == 0 && game.coins == 0
                            ? " none;"
                            : format(" houses=%d neighbourhood=%d house=%d score=%d coins=%d lives=%d slots=%d;",
                                     game.housesPlayed, game.neighbourhood, game.houseIndex, game.score,
                                     game.coins, game.lives, game.usedSlots);
            add(line);
        }
    }

    void addConfiguration(const std::string& text)
    {
        std::istringstream in(text);
        std::string section;
        for (std::string line; std::getline(in, line);) {
            if (line.empty())
                continue;
            if (line[0] == '[')
                section = line;
            else
                add("file .cfg " + section + " " + line);
        }
    }

    int frameNumber = 0;
    std::string summary;
    // The frame's lines but its sounds, in order.
    std::vector<std::string> pending;
    // The channels started in the frame, with their sources; the sources of
    // the channels that went, and why.
    std::vector<std::pair<int32_t, const MixerOGG*>> started;
    std::vector<std::pair<const MixerOGG*, std::string>> ended;
    std::unordered_map<const KivBase*, std::string> names;
    // The objects whose render the tree's walk is in, outermost first.
    std::vector<const KivBase*> walk;
    // The skins and texts being drawn, outermost first.
    std::vector<Drawing> open;
    std::unordered_map<const Texture*, TextureTexels> textures;
    // Each key's looks defined so far in the record, in order.
    std::unordered_map<std::string, std::vector<std::string>> looks;
    // Display openings since the recorder was set.
    int displayLife = 0;
    // The next frame line gives the display's mode: the first, and the
    // first after each opening.
    bool bDisplayNews = true;
    std::unordered_map<const MixerOGG*, std::string> soundNames;
};

} // namespace testsupport
