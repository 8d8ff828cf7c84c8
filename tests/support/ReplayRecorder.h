#pragma once
// ReplayRecorder: what the player would see and hear, as text lines, told
// by the engine through its observer (Kiv::pObserver). Every line starts
// with the frame of the play and its game time ("f120 t1.20"), so that a
// difference says where. It writes:
//   sound    each start of a sound or music track: its key, pitch (a factor
//            of the file's rate), volume and pan as the channel has them at
//            the end of the frame ("vol 0.000>1.000" while a fade runs). A
//            start is often followed by its settings in the same frame, and
//            the frame's sound is mixed only after it (FrameDriver), so the
//            end of the frame holds what the start really plays with;
//   file     each write of the settings and high scores (.hst) and of the
//            roster with its saved games (.pro), as readable fields (a
//            saved game of no house, score or coins as "none");
//   skin     in a drawn frame, each skin in draw order: its kind, its key
//            ("eyes:3"; a frame stretched from a skin shows that skin as
//            <key>), centre x y and size w h in view units (from the view's
//            left and bottom edges, as drawn by the projection of the
//            moment), rotation in degrees and colour RRGGBBAA;
//   text     in a drawn frame, each text but an empty one: font key,
//            string, where it starts (x y) and colour; "shadow" for the
//            shadow printed under a text.
// Lines about the frame as a whole come from the replay (sample).
// Precision: view units and degrees to 0.1, pitch, volume and pan to 0.001,
// seconds to 0.01, colours exact; -0 is written 0. So a move of one unit, a
// colour step or a 1% change of pitch shows, while the rounding error of
// another build or machine does not. Times of the clock (a high score's
// date, the play time) and random identifiers are left out.
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

#include <cmath>
#include <cstdio>
#include <string>
#include <typeinfo>
#include <unordered_map>
#include <utility>
#include <vector>

namespace testsupport {

class ReplayRecorder : public KivObserver {
public:
    // Stamps the lines of the frame about to run.
    void beginFrame(int frame, double time)
    {
        stamp = format("f%d t%.2f ", frame, time);
        names.clear();
    }

    // The sound starts of the frame, as their channels now play them.
    void endFrame()
    {
        Mixer* mixer = KivAudio::getMixer();
        for (const auto& [id, source] : started) {
            const MixerChannel* channel = nullptr;
            for (BasicLink* node = mixer ? mixer->pFirstChild : nullptr; node; node = node->pNext)
                if (static_cast<const MixerChannel*>(node)->id == id)
                    channel = static_cast<const MixerChannel*>(node);
            if (!channel) {
                add("sound " + soundKey(source) + " stopped in the frame it started");
                continue;
            }
            add("sound " + soundKey(source) + " pitch " + number(channel->frequency / source->rate, 3) + " vol " +
                faded(channel->volume, channel->volumeDelta, channel->volumeFrames) + " pan " +
                faded(channel->pan, channel->panDelta, channel->panFrames));
        }
        started.clear();
    }

    void add(const std::string& line) { lines.push_back(stamp + line); }

    void onChannelStarted(const MixerChannel& channel) override { started.emplace_back(channel.id, channel.pSource); }

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
        add("skin " + kindOf(skin) + " " + skinName(&skin) + " " + number(centre.x) + " " + number(centre.y) + " " +
            number(std::sqrt((right - left).lengthSquared())) + " " + number(std::sqrt((up - down).lengthSquared())) +
            " " + number(degrees) + " " + colour(drawn.color));
    }

    void onTextDrawn(const FontQuad& font, const Renderable& at, const std::string& text, bool bShadow) override
    {
        if (text.empty())
            return;
        const V3 start = toView(at, 0, 0);
        add(std::string(bShadow ? "shadow " : "text ") + nameOf(&font) + " \"" + escaped(text) + "\" " +
            number(start.x) + " " + number(start.y) + " " + colour(at.color));
    }

    void onFileSaved(const UString& fileName, const void* data, size_t size) override
    {
        const std::string name = fileName.substr(fileName.find_last_of('.') + 1);
        if (name == "hst" && size == sizeof(HSTdata))
            addSettings(*static_cast<const HSTdata*>(data));
        else if (name == "pro" && size == sizeof(ProfileManager))
            addRoster(*static_cast<const ProfileManager*>(data));
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

    // Bytes outside printable ASCII (the font's symbol glyphs) as \xNN.
    static std::string escaped(const std::string& text)
    {
        std::string out;
        for (const unsigned char c : text)
            out += c >= 32 && c < 127 && c != '"' && c != '\\' ? std::string(1, static_cast<char>(c))
                                                               : format("\\x%02x", c);
        return out;
    }

    // A value on the mixer's 0..1000 scale, and where its fade leads.
    static std::string faded(float value, float delta, int32_t frames)
    {
        std::string text = number(value / 1000.0, 3);
        if (frames > 0)
            text += ">" + number((value + delta * static_cast<float>(frames)) / 1000.0, 3);
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

    // The class of the skin ("Quad", "StretchSkin").
    static std::string kindOf(const Skin& skin) { return className(typeid(skin)); }

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

    // The key of the sound or music track playing the source.
    std::string soundKey(const MixerOGG* source)
    {
        for (const BasicLink* link = pGlobal->pResourceRoot->pFirstChild; link && source; link = link->pNext) {
            const KivBase* resource = static_cast<const KivBase*>(link);
            const Sound* sound = dynamic_cast<const Sound*>(resource);
            const SoundStream* music = dynamic_cast<const SoundStream*>(resource);
            const MixerOGG* played = sound ? static_cast<const MixerOGG*>(sound->pSource)
                                           : music ? static_cast<const MixerOGG*>(music->pSource) : nullptr;
            if (played == source)
                return nameOf(resource);
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

    std::string stamp;
    // The channels started in the frame, with their sources.
    std::vector<std::pair<int32_t, const MixerOGG*>> started;
    std::unordered_map<const KivBase*, std::string> names;
};

} // namespace testsupport
