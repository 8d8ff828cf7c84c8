#pragma once
// ReplayRecorder: what the player would see and hear, as text lines, told
// by the engine through its observer (Kiv::pObserver). The whole record
// format:
//   # ...     a comment: the first line names the play and its seed, every
//             other one a step of the play (Replay), written before the
//             frames the step runs: # click "Quest", # wait 1.5 s.
//   f120 t1.20 ...
//             a frame line: the frame of the play and its game time (the
//             engine's frame time since the play began, which stands still
//             while the window has no focus), the only stamp of the record. A frame with anything to say has
//             one; the lines after it, up to the next frame line or step,
//             are that frame's. A drawn frame's line goes on with the
//             replay's summary: the active screen (with the game's state),
//             the current music's key and file, the master volumes of
//             sounds and of music, the fader's coverage.
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
//   file      each write of the settings and high scores (.hst), of the
//             roster with its saved games (.pro; a saved game of no house,
//             score or coins as "none") and of the engine configuration
//             (.cfg, one "[section] key=value" line each), as named fields;
//   skin      in a drawn frame, each skin in draw order: the class of the
//             object that drew it ("Smiley"; for a plain Renderable, such as
//             a background tile, the object drawing it or its owner),
//             the skin's key ("eyes:3": a texture's key and frame; a skin
//             stretched from another shows that one's key in <>), centre x
//             y and size w h in view units (from the view's left and bottom
//             edges, as drawn by the projection of the moment), rotation in
//             degrees, colour RRGGBBAA;
//   text      in a drawn frame, each text but an empty one: font key, the
//             string, where it starts (x y), its scale (view units per font
//             unit) and colour; "shadow" for the shadow printed under a text;
//   geometry  in a drawn frame, what an object draws without a skin (the
//             screens' fader): its class, the primitive and vertex count,
//             and each colour of its vertices with the distances from the
//             world origin it is drawn at, inside out;
//   the program ends
//             the program has shut down; the files it wrote on its way out
//             follow, then the web page it opened at its end, if any, as
//             the opener got it ("the opener opens [address]").
// Volumes are as mixed: the channel's own volume times the master volume
// of its kind (sounds, or music for a music track). A value that a fade is
// moving shows where the fade leads and the seconds it has left ("vol
// 0.000>0.625 over 1.00 s"; on a start line the fade's whole length).
// Precision: view units and degrees to 0.1, pitch, volume, pan and scale to
// 0.001 or 0.01, seconds to 0.01, colours exact; -0 is written 0. So a move
// of one unit, a colour step or a 1% change of pitch shows, while the
// rounding error of another build or machine does not. Times of the clock
// (a high score's date, the play time), random identifiers and the data
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
#include "ResourceManager.h"
#include "Sound.h"
#include "SoundStream.h"
#include "StretchSkin.h"
#include "Texture.h"
#include "VStretchSkin.h"
#include "VertexBuffer.h"

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
        lines.push_back(summary.empty() ? stamp : stamp + " " + summary);
        lines.insert(lines.end(), sounds.begin(), sounds.end());
        lines.insert(lines.end(), pending.begin(), pending.end());
        pending.clear();
    }

    void add(const std::string& line) { pending.push_back(line); }
    // A line of its own between frames (a step of the play).
    void comment(const std::string& text) { lines.push_back("# " + text); }

    void onChannelStarted(const MixerChannel& channel) override { started.emplace_back(channel.id, channel.pSource); }

    void onChannelEnded(const MixerChannel& channel, const char* why) override
    {
        if (channel.playing)
            ended.emplace_back(channel.pSource, why);
    }

    void onSkinDrawn(const Renderable& drawn) override
    {
        const Skin& skin = *drawn.pSkin;
        const float w = skin.width / 2, h = skin.height / 2;
        const V3 centre = toView(drawn, 0, 0), right = toView(drawn, w, 0), left = toView(drawn, -w, 0);
        const V3 up = toView(drawn, 0, h), down = toView(drawn, 0, -h), across = toView(drawn, 1, 0) - centre;
        // -180 and 180 are one turn; one spelling.
        float degrees = std::atan2(across.y, across.x) * 57.29578f;
        if (degrees < -179.95f)
            degrees += 360.0f;
        add("skin " + drawerName(drawn) + " " + skinName(&skin) + " " + number(centre.x) + " " + number(centre.y) +
            " " + number(length(right - left)) + " " + number(length(up - down)) + " " + number(degrees) + " " +
            colour(drawn.color));
    }

    void onTextDrawn(const FontQuad& font, const Renderable& at, const std::string& text, bool bShadow) override
    {
        if (text.empty())
            return;
        const V3 start = toView(at, 0, 0);
        add(std::string(bShadow ? "shadow " : "text ") + nameOf(&font) + " " + quoted(text) + " " +
            number(start.x) + " " + number(start.y) + " " + number(length(toView(at, 1, 0) - start), 2) + " " +
            colour(at.color));
    }

    void onGeometryDrawn(const Renderable& drawer, const VertexBuffer& buffer, int type) override
    {
        static const char* const PRIMITIVES[] = {"points", "lines", "line strip", "triangles", "triangle strip",
                                                 "triangle fan"};
        // Each colour with the distances from the world origin it is drawn
        // at, inside out: what is opaque and what is clear, and where.
        std::vector<std::pair<UColor, std::pair<float, float>>> shades;
        for (int i = 0; i < buffer.vertexCount; ++i) {
            const VertexBuffer::Vertex& vertex = buffer.vertices[i];
            const float distance = length(V3(vertex.x, vertex.y, vertex.z));
            auto shade = std::find_if(shades.begin(), shades.end(), [&](const auto& known) {
                return colour(known.first) == colour(vertex.color);
            });
            if (shade == shades.end())
                shades.push_back({vertex.color, {distance, distance}});
            else
                shade->second = {std::min(shade->second.first, distance), std::max(shade->second.second, distance)};
        }
        std::sort(shades.begin(), shades.end(), [](const auto& a, const auto& b) { return a.second < b.second; });
        std::string line = "geometry " + className(typeid(drawer)) + " " + PRIMITIVES[type] + " of " +
                           std::to_string(buffer.vertexCount) + " vertices:";
        for (const auto& [shade, radii] : shades)
            line += " " + colour(shade) + " at radius " + number(radii.first) +
                    (number(radii.first) == number(radii.second) ? "" : " to " + number(radii.second)) + ";";
        add(line);
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
            add("file " + fileName + " " + std::to_string(size) + " bytes");
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
    static std::string drawerName(const Renderable& drawn)
    {
        const auto plain = [](const KivBase* object) {
            return typeid(*object) == typeid(Renderable) || typeid(*object) == typeid(KivBase);
        };
        const KivBase* drawer = &drawn;
        if (plain(drawer)) {
            const KivBase* drawing = KivBase::drawingNow();
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
        const float* m = clip.m;
        const float w = m[3] * x + m[7] * y + m[15];
        const float ndcX = (m[0] * x + m[4] * y + m[12]) / w, ndcY = (m[1] * x + m[5] * y + m[13]) / w;
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
    // skin's key in <>; a quad of a texture by the texture's key and frame.
    std::string skinName(const Skin* skin)
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
        return "?";
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
    std::unordered_map<const MixerOGG*, std::string> soundNames;
};

} // namespace testsupport
