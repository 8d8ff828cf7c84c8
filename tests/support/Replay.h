#pragma once
// Replay: a scripted play of the real game on a fixed seed, recorded by a
// ReplayRecorder and compared line by line with its stored record,
// tests/top/replay/records/<name>.txt. Every event (pointer moves, presses,
// keys, focus, quit) is read by the program's own main-loop pass, whose
// frames run with a fixed step, the sound mixed in step and the sound
// device's status recorded as it changes (GameHarness); the
// end of the loop ends the program through its own shutdown, and the web
// page it opens reaches a stand-in opener; no sample of the sound mixed
// may reach full scale, where the mixer clamps. A frame is drawn and recorded
// when the active screen or the game's state has changed, after the display
// has opened anew (a restart), at the end of each pointer move, click, key
// press, typed text and focus change (so that what it did shows), and at
// every SAMPLE_FRAMES-th frame of the play besides (a fixed grid, so that a
// change of timing moves no other sample).
// Each step stands in the record as a comment before its frames; a click
// or a move onto an object or a point names what is under the pointer once
// it is there, as the game finds it (a smiley, a vitamin's row, a menu item,
// a place on the journey map, or nothing and where). An action
// that cannot be done (no such button, a screen that does not come, a
// click meant for an item or object whose pointer lands on another), or
// anything else the play finds wrong (fail), fails the test at once, naming
// the play, the frame, the time and the step before, keeps the run so far
// to look at, and ends the play. A record that differs is reported with its
// first differing pair of lines, marked where they part (FirstDifference.h),
// the step before them and how many lines differ, the whole run kept. A
// play removes what an earlier run of it kept (build/replay-got/<name>.txt),
// so that folder holds only the last run's. With KIV_REWRITE_REPLAYS
// set (scripts/test.sh --rewrite-replays) the record is written instead.
// One play per process (the game starts once; a second play in a process
// fails at once); main thread only.
//
//   Replay play("options", 3);                   // at the main menu, seeded
//   play.click("Options...").waitFor("ContextOptions").click("Graphics");
//   play.next("Detail").previous("Detail").click("Back").wait(1.5);
//   play.check();                                // compare with the record
//   Replay first("first-start", 8, GameHarness::AT_LAUNCH, prepare); // recorded from the loader on
//   if (const GameController* game = play.running()) ...  // or the play fails, saying so
#include "ClassName.h"
#include "EventManager.h"
#include "FirstDifference.h"
#include "GUIitem.h"
#include "GameHarness.h"
#include "MenuEnum.h"
#include "MenuInt.h"
#include "MenuItem.h"
#include "Mixer.h"
#include "RenderableText.h"
#include "ReplayRecorder.h"
#include "board/Apartment.h"
#include "board/Smiley.h"
#include "game/ContextMap.h"
#include "game/Orb.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <map>
#include <sstream>
#include <sys/stat.h>

namespace testsupport {

// The caption of the close button of the game's message boxes and of the
// journey map: the font's cross alone.
inline const std::string CROSS = "\x01";

class Replay {
public:
    static constexpr double DT = 0.01;
    // Frames drawn and recorded while nothing changes: one a second.
    static constexpr int SAMPLE_FRAMES = 100;
    // Differing lines that a failure counts at most (the count is slow beyond).
    static constexpr long MAX_EDITS = 4000;

    // The game at its main menu, at the intro's first frame or before the
    // first frame (from the loader on), started with the seed; prepare
    // leaves in the data folder what a previous run would have, and the game
    // runs in workingFolder when one is named (see GameHarness::Start).
    explicit Replay(const std::string& playName, unsigned seed = 1, GameHarness::Stop from = GameHarness::AT_MENU,
                    const std::function<void(const std::string& dataFolder)>& prepare = {},
                    const std::string& workingFolder = "")
        : name(playName), game(GameHarness::start({DT, from, seed, prepare, workingFolder}))
    {
        // What an earlier run kept goes, so that the folder holds only the
        // failures of the last one.
        std::remove(keptRunPath().c_str());
        static int plays = 0;
        if (++plays > 1 || !pGlobal) {
            fail("a play needs the game fresh: run one play per process (ctest does; by hand, --gtest_filter)");
            return;
        }
        // A play of the menus draws afresh from its seed, so that what the
        // start drew does not reach its record.
        if (from == GameHarness::AT_MENU)
            GameHarness::seed(seed);
        recorder.lines.push_back("# " + name + ": seed " + std::to_string(seed) +
                                 "; units and precision as ReplayRecorder.h says");
        pKiv->pObserver = &recorder;
        InStepAudio& device = game.stepped.audio;
        recorder.device(InStepAudio::name(device.getStatus()));
        device.onChange = [this](InStepAudio::Status status) { recorder.device(InStepAudio::name(status)); };
        game.stepped.drawWhen = [this] { return sampleNow(); };
        startTime = pKiv->getFrameTime();
    }

    ~Replay()
    {
        game.stepped.drawWhen = nullptr;
        game.stepped.audio.onChange = nullptr;
        if (pKiv)
            pKiv->pObserver = nullptr;
    }

    // A click on the menu item or the text with this caption on the active
    // screen (as shown, or without its symbol glyphs and outer spaces); a
    // chooser of no caption ("") is named in the step by what it shows. A
    // failure when the pointer there reaches another item (one drawn over
    // it), or misses it (see reaches): the step cannot be done as written.
    Replay& click(const std::string& caption) { return clickOn("click", caption, 0.0f); }
    // A click on the right or the left arrow of the chooser with this caption.
    Replay& next(const std::string& caption) { return clickOn("next", caption, +1.0f); }
    Replay& previous(const std::string& caption) { return clickOn("previous", caption, -1.0f); }
    // The pointer moved onto the item or text with this caption; a failure
    // as for a click when another is under it there.
    Replay& pointAt(const std::string& caption)
    {
        note("point at " + captionName(caption));
        if (const Renderable* item = find(caption))
            moveTo(viewPoint(item, 0.0f)).reaches(item);
        return *this;
    }
    // A click on an object of the active screen, at the centre of its bounds;
    // a failure when there is none, or when what is under the pointer there
    // is another (one that covers it), naming both.
    Replay& click(const Renderable* object)
    {
        note("click " + describe(object));
        if (!object) {
            fail("nothing to click");
            return *this;
        }
        return moveTo(viewPoint(object, 0.0f), false).reaches(object).pressHere();
    }
    // A click at, or the pointer moved onto, the world point (x, y) at depth
    // 0 of a screen (a smiley's face in the scene, a vitamin's row in the
    // overlay, a place on the journey map), the step naming what is under
    // the pointer there.
    Replay& clickAt(float x, float y, const Context* screen)
    {
        note("click at" + worldPoint(x, y, screen)).moveOnto(x, y, screen, false);
        return nameStep("click", x, y, screen).pressHere();
    }
    Replay& pointAt(float x, float y, const Context* screen)
    {
        note("point at" + worldPoint(x, y, screen)).moveOnto(x, y, screen, true);
        return nameStep("point at", x, y, screen);
    }
    // The pointer moved to the view point (view units from the left and bottom edges).
    Replay& moveTo(float x, float y)
    {
        return note("move to " + ReplayRecorder::number(x) + " " + ReplayRecorder::number(y)).moveTo(V3(x, y, 0.0f));
    }
    Replay& press(int keyCode)
    {
        return note("press " + keyName(keyCode)).act([&] { pressKey(keyCode); }, 1, true);
    }
    // One key press a frame, as the game takes them: a capital's Shift is a
    // press of its own, so the last frame shows the whole text taken.
    Replay& type(const std::string& text)
    {
        note("type " + quoted(text));
        for (size_t i = 0; i < text.size(); ++i) {
            const int presses = std::isupper(static_cast<unsigned char>(text[i])) ? 2 : 1;
            act([&] { feed(typingEvents(text.substr(i, 1))); }, presses, i + 1 == text.size());
        }
        return *this;
    }
    Replay& wait(double seconds)
    {
        return note("wait " + ReplayRecorder::number(seconds, 2) + " s")
            .act([] {}, static_cast<int>(std::lround(seconds / DT)));
    }
    // Frames run until the active screen is of the class named; a failure
    // when it does not come within the time.
    Replay& waitFor(const std::string& screen, double maxSeconds = 30.0)
    {
        return waitUntil(screen, [&] { return activeName() == screen; }, maxSeconds);
    }
    // Frames run until done() holds (checked before each frame); a failure
    // saying what did not come within the time.
    Replay& waitUntil(const std::string& what, const std::function<bool()>& done, double maxSeconds = 30.0)
    {
        note("wait for " + what);
        for (int i = 0; i < std::lround(maxSeconds / DT) && !bBroken && !done(); ++i)
            step();
        if (!bBroken && !done())
            fail("no " + what + " after " + ReplayRecorder::number(maxSeconds, 2) + " s");
        return *this;
    }
    // Frames run until the running game's controller has entered the state
    // (GameController::STATE_PLAY, ...); a failure when it does not within the time.
    Replay& waitForState(int gameState, double maxSeconds = 30.0)
    {
        return waitUntil("game state " + std::to_string(gameState) + stateName(gameState), [&] {
            return pGlobal && game.currentGame() && game.currentGame()->state == gameState;
        }, maxSeconds);
    }
    Replay& focusLost() { return note("focus lost").act([] { feed({focusEvent(false)}); }, 1, true); }
    Replay& focusGained() { return note("focus gained").act([] { feed({focusEvent(true)}); }, 1, true); }
    // The window's close button; the program ends after the next frame.
    Replay& quit() { return note("close the window").act([] { feed({quitEvent()}); }, 1); }
    // Frames run until the program has ended; a failure when it goes on.
    Replay& waitForTheEnd(double maxSeconds = 10.0)
    {
        note("wait for the end of the program");
        for (int i = 0; i < std::lround(maxSeconds / DT) && !bBroken && pGlobal; ++i)
            step();
        if (!bBroken && pGlobal)
            fail("the program did not end within " + ReplayRecorder::number(maxSeconds, 2) + " s");
        return *this;
    }

    // Compares the record with the stored one, or writes it when asked to.
    void check()
    {
        if (bBroken)
            return;
        // The plays bring the game's busiest moments together (mistakes,
        // chains, voices and jingles over the music) at the default
        // volumes: a sample at full scale is one the mixer clamped, heard
        // as a crackle.
        EXPECT_EQ(0, game.stepped.audio.pinnedSamples)
            << "Replay '" << name << "' mixed samples at full scale, where the mixer clamps";
        const std::string path = KIV_SOURCE_DIR "/tests/top/replay/records/" + name + ".txt";
        const char* rewrite = std::getenv("KIV_REWRITE_REPLAYS");
        if (rewrite && *rewrite && std::string(rewrite) != "0") {
            write(path);
            return;
        }
        std::ifstream stored(path);
        if (!stored) {
            ADD_FAILURE() << "Replay '" << name << "' has no record " << path
                          << ". Write it with: bash scripts/test.sh --rewrite-replays";
            return;
        }
        std::vector<std::string> expected;
        for (std::string line; std::getline(stored, line);)
            expected.push_back(line);
        const std::vector<std::string>& got = recorder.lines;
        size_t first = 0;
        while (first < expected.size() && first < got.size() && expected[first] == got[first])
            ++first;
        if (first == expected.size() && first == got.size())
            return;
        const std::string gotPath = keepRun();
        // The frame ("f12 t0.12") and the step over the first difference.
        std::string atFrame = "none", step = "none";
        for (size_t i = std::min(first, got.size() - 1) + 1; i-- > 1 && step == "none";) {
            if (atFrame == "none" && got[i][0] == 'f' && std::isdigit(static_cast<unsigned char>(got[i][1])))
                atFrame = got[i].substr(0, got[i].find(' ', got[i].find(' ') + 1));
            if (got[i][0] == '#' && i < first)
                step = got[i].substr(2);
        }
        const auto [onlyStored, onlyRun] = differingLines(expected, got, first);
        std::ostringstream message;
        message << "Replay '" << name << "' differs from its record in frame " << atFrame << " after the step "
                << step << " (line " << first + 1 << " of " << path << "); ";
        if (onlyStored + onlyRun > MAX_EDITS)
            message << "more than " << MAX_EDITS << " lines differ:\n";
        else
            message << onlyStored << " lines of the record and " << onlyRun << " of the run differ:\n";
        if (first < expected.size() && first < got.size())
            message << markFirstDifference("expected", expected[first], "got", got[first]);
        else
            message << "  expected " << (first < expected.size() ? expected[first] : "(end of the record)")
                    << "\n  got      " << (first < got.size() ? got[first] : "(end of the run)") << "\n";
        const std::pair<const char*, const std::vector<std::string>*> following[] = {{"then expected", &expected},
                                                                                       {"then got     ", &got}};
        for (const auto& [label, lines] : following)
            for (size_t i = first + 1; i < first + 3 && i < lines->size(); ++i)
                message << "  " << (i == first + 1 ? label : "             ") << " "
                        << cutToTheShownWidth((*lines)[i]) << "\n";
        message << "The whole run is in " << gotPath
                << "; after an intended change: bash scripts/test.sh --rewrite-replays";
        ADD_FAILURE() << message.str();
    }

    // The play has failed: what, with the play's name, frame, time and the
    // step before, the run so far kept to look at. The play ends; the steps
    // that follow do nothing, and a later failure is not reported.
    void fail(const std::string& what)
    {
        if (bBroken)
            return;
        bBroken = true;
        ADD_FAILURE() << "Replay '" << name << "' at frame " << frame << ", t " << ReplayRecorder::number(time, 2)
                      << " s, after the step " << lastStep << ": " << what << " (the run so far: " << keepRun()
                      << ")";
    }
    // A step has failed: the play has ended, and the steps that follow do nothing.
    bool broken() const { return bBroken; }

    // The game being played, of the mode asked for; null, the play failed
    // with a message, when there is none (or the play has already failed).
    template <typename Mode = GameController>
    Mode* running()
    {
        if (bBroken)
            return nullptr;
        GameController* current = game.currentGame();
        Mode* mode = dynamic_cast<Mode*>(current);
        if (!mode)
            fail("no " + className(typeid(Mode)) + " being played (" +
                 (current ? className(typeid(*current)) : std::string("none")) + ", on " + activeName() + ")");
        return mode;
    }

    const std::string name;
    GameHarness& game;
    ReplayRecorder recorder;

private:
    // Does the action between two frames, then runs the frames; the last
    // one drawn when the player will want to see what the action did.
    template <typename Action>
    Replay& act(Action action, int frames, bool bShowResult = false)
    {
        if (bBroken)
            return *this;
        if (!pGlobal) {
            fail("the game has ended");
            return *this;
        }
        action();
        // An action may end the program (a quit button): its frames end there.
        for (int i = 0; i < frames && !bBroken && pGlobal; ++i) {
            bSampleDue = bShowResult && i + 1 == frames;
            step();
        }
        return *this;
    }

    // One pass of the program's loop, stamped with the game time its frame
    // ran at (the engine's, from the play's start); then the end of the
    // program when the loop has ended: the files written on the way out and
    // the web page opened.
    void step()
    {
        if (!pGlobal) {
            fail("the game has ended");
            return;
        }
        ++frame;
        recorder.beginFrame(frame);
        const bool bGoesOn = game.pass();
        time = pKiv->getFrameTime() - startTime;
        recorder.endFrame(time);
        if (bGoesOn)
            return;
        recorder.beginFrame(frame + 1);
        recorder.add("the program ends");
        game.opener.forget();
        GameHarness::shutdown();
        std::istringstream calls(game.opener.calls());
        for (std::string call; std::getline(calls, call);)
            recorder.add("the opener opens " + call);
        recorder.endFrame(time);
    }

    // The class of the screen the frames tick and draw.
    std::string activeName() const
    {
        const Context* screen = pGlobal ? static_cast<Context*>(game.stack()->active.get()) : nullptr;
        return screen ? className(typeid(*screen)) : "none";
    }

    // Asked by the engine's frame after its tick: a frame to draw says the screen,
    // the game's state, the music, the masters and the fader on its line.
    bool sampleNow()
    {
        std::string where = activeName();
        if (GameController* controller = game.currentGame())
            where += " state " + std::to_string(controller->state);
        if (where == lastWhere && frame % SAMPLE_FRAMES != 0 && !bSampleDue && !recorder.hasDisplayNews())
            return false;
        lastWhere = where;
        bSampleDue = false;
        const SoundStream* track = pKiv->pAudio->pMusic;
        const Mixer& mixer = *pKiv->pAudio->pMixer;
        recorder.drawn(where + ", music " + (track ? recorder.soundName(track->pSource) : "none") + ", sounds " +
                       ReplayRecorder::number(mixer.soundVolume, 3) + " music " +
                       ReplayRecorder::number(mixer.musicVolume, 3) + ", fader " +
                       ReplayRecorder::number(game.stack()->pFader->coverage, 3));
        return true;
    }

    // The first shown item or text of the active screen with the caption.
    const Renderable* find(const std::string& caption)
    {
        const Renderable* found = nullptr;
        if (!bBroken && pGlobal && game.stack()->active.get())
            found = findIn(game.stack()->active.get(), caption);
        if (!found && !bBroken)
            fail("no \"" + caption + "\" on " + activeName());
        return found;
    }

    static const Renderable* findIn(const KivBase* node, const std::string& caption)
    {
        for (const BasicLink* link = node->pFirstChild; link; link = link->pNext) {
            const KivBase* child = static_cast<const KivBase*>(link);
            const Renderable* shown = dynamic_cast<const Renderable*>(child);
            if (link->bDead || (shown && shown->bHidden))
                continue;
            const MenuItem* item = dynamic_cast<const MenuItem*>(child);
            const RenderableText* text = dynamic_cast<const RenderableText*>(child);
            const UString* shownText = item ? &item->caption : text ? &text->text : nullptr;
            if (shownText && (*shownText == caption || plain(*shownText) == caption))
                return shown;
            if (const Renderable* deeper = findIn(child, caption))
                return deeper;
        }
        return nullptr;
    }

    static std::string plain(const std::string& caption)
    {
        std::string text;
        for (const char c : caption)
            if (static_cast<unsigned char>(c) >= 32)
                text += c;
        const size_t from = text.find_first_not_of(' ');
        return from == std::string::npos ? "" : text.substr(from, text.find_last_not_of(' ') - from + 1);
    }

    // The centre of the object in view units; side -1 or +1 for a chooser's
    // left or right arrow.
    static V3 viewPoint(const Renderable* object, float side)
    {
        V3 point = centreOf(object);
        if (side != 0.0f && object->pSkin)
            point.x += side * (object->pSkin->width / 2 - MenuInt::ARROW_INSET);
        return screenOf(object)->pCamera->world2screen(point.x, point.y, 0.0f);
    }

    // A move shows what it lit up, unless a click follows at once.
    Replay& moveTo(V3 view, bool bShowResult = true)
    {
        return act([&] {
            int x = 0, y = 0;
            pKiv->pInput->viewToWindow(view.x, view.y, x, y);
            feed({motionEvent(x, y, x - pixelX, y - pixelY)});
            pixelX = x;
            pixelY = y;
        }, 1, bShowResult);
    }

    // The step, then the pointer onto the item with the caption (on its
    // side, as viewPoint), a moment for it to light up, and a press and
    // release, unless the pointer there is on another.
    Replay& clickOn(const std::string& action, const std::string& caption, float side)
    {
        note(action + " " + captionName(caption));
        const Renderable* item = find(caption);
        if (!item)
            return *this;
        if (caption.empty())
            renameStep(action + " on " + describe(item));
        return moveTo(viewPoint(item, side), false).reaches(item).pressHere();
    }

    // A step meant for the object cannot be done as written when the
    // pointer, now on it, would reach another object (one drawn over it),
    // or nothing while the object is one objectUnderPointer finds (a smiley,
    // or a skin the pick tests): the play fails, naming both. The item that
    // holds a text reaches the text; nothing reaches a text of no item (the
    // main menu's greeting, whose holder tests the pointer itself), and
    // nothing else there is all a step meant for it can ask.
    Replay& reaches(const KivBase* meant)
    {
        if (bBroken || !pGlobal)
            return *this;
        const KivBase* reached = objectUnderPointer();
        const Renderable* shown = dynamic_cast<const Renderable*>(meant);
        const bool bFindable = dynamic_cast<const Smiley*>(meant) ||
                               (shown && shown->pSkin && shown->bHasInvXform && !shown->bSkipVisibility);
        bool bHeld = false;
        for (const KivBase* holder = meant; holder && !bHeld; holder = holder->getParent())
            bHeld = holder == reached;
        if (!bHeld && (reached || bFindable))
            fail("the pointer meant for " + describe(meant) + " is on " + describe(reached));
        return *this;
    }

    Replay& moveOnto(float x, float y, const Context* screen, bool bShowResult)
    {
        if (!screen && !bBroken)
            fail("no screen to point at");
        return bBroken ? *this : moveTo(screen->pCamera->world2screen(x, y, 0.0f), bShowResult);
    }

    // A press and release where the pointer is.
    Replay& pressHere()
    {
        return act([&] { feed({buttonEvent(true, pixelX, pixelY), buttonEvent(false, pixelX, pixelY)}); }, 2, true);
    }

    // The centre of the object's bounds in its screen's world, or its
    // position while it has no bounds yet.
    static V3 centreOf(const Renderable* object)
    {
        return object->boundsRadius > 0.0f ? object->boundsCentre : object->position;
    }

    // The step in the record, unless the play has ended.
    Replay& note(const std::string& step)
    {
        if (!bBroken) {
            recorder.comment(step);
            stepLine = recorder.lines.size() - 1;
            lastStep = step;
        }
        return *this;
    }

    // The step, its pointer now on the world point of the screen, named by
    // what is under the pointer; its line stays before the frames it ran.
    Replay& nameStep(const std::string& action, float x, float y, const Context* screen)
    {
        return pGlobal ? renameStep(action + " " + underPointer(x, y, screen)) : *this;
    }

    // The last step's line, now that what it reaches is known.
    Replay& renameStep(const std::string& step)
    {
        if (!bBroken) {
            lastStep = step;
            recorder.lines[stepLine] = "# " + step;
        }
        return *this;
    }

    // What a press where the pointer is would reach, found as the game
    // finds it in the frame just run: a smiley whose click area (its halo)
    // holds the scene's pointer, since smileys test each press so and are
    // never picked; else the object the screen stack's pick put under the
    // pointer (a menu item, a vitamin's row); else null.
    const KivBase* objectUnderPointer() const
    {
        if (GameController* controller = game.currentGame(); controller && game.activeScreen() == controller) {
            const Context* scene = controller->scene;
            const V3 pointer(scene->mouseX, scene->mouseY, scene->mouseZ);
            for (Smiley* smiley : childrenOf<Smiley>(controller->smileyLayer))
                if (smiley->state != Smiley::STATE_HIDDEN && smiley->halo.isPointInsideBounds(pointer))
                    return smiley;
        }
        return pKiv->pEventManager->getMouseOver();
    }

    // What is under the pointer (objectUnderPointer); else on the journey
    // map the place whose name it shows there; else nothing, at the world
    // point.
    std::string underPointer(float x, float y, const Context* screen) const
    {
        if (const KivBase* object = objectUnderPointer())
            return describe(object);
        const ContextMap* map = game.active<ContextMap>();
        if (map && !map->nameLabel->text.empty())
            return "the place " + quoted(map->nameLabel->text) + " on " + screenName(map);
        return "nothing at" + worldPoint(x, y, screen);
    }

    // A caption as a step names it: the close cross by that name, any other
    // as the game shows it.
    static std::string captionName(const std::string& caption)
    {
        return caption == CROSS ? "the close cross" : quoted(caption);
    }

    static std::string quoted(const std::string& text) { return ReplayRecorder::quoted(text); }

    // A game state's number as frame lines show it, named as the controller
    // names it: " (play)" for GameController::STATE_PLAY.
    static std::string stateName(int state)
    {
        using G = GameController;
        static const std::map<int, std::string> names = {
            {G::STATE_TITLE, "title"}, {G::STATE_SAVED_GAME, "saved game"}, {G::STATE_STREET, "street"},
            {G::STATE_HOUSE, "house"}, {G::STATE_CAPTION, "caption"}, {G::STATE_PLAY, "play"},
            {G::STATE_MODE_END, "mode end"}, {G::STATE_HOUSE_END, "house end"}, {G::STATE_STATISTICS, "statistics"},
            {G::STATE_NEXT_HOUSE, "next house"}, {G::STATE_GAME_OVER, "game over"},
            {G::STATE_HIGH_SCORES, "high scores"}, {G::STATE_CLOSING, "closing"}, {G::STATE_FINISHED, "finished"}};
        const auto name = names.find(state);
        return name == names.end() ? "" : " (" + name->second + ")";
    }

    // The name the game shows for the key ("ESC"), or SDL's name for a key
    // it shows as a symbol of its font (the arrows: "up").
    static std::string keyName(int code)
    {
        if (code <= 0 || code >= KivInput::KEY_COUNT)
            return std::to_string(code);
        const std::string& shown = pKiv->pInput->keyNames[code];
        if (std::all_of(shown.begin(), shown.end(), [](char c) { return static_cast<unsigned char>(c) >= 32; }))
            return quoted(shown);
        return quoted(SDL_GetKeyName(keyOf(code)));
    }

    // The object's class and where it stands: a smiley's square (column from
    // the left, floor from the bottom), a vitamin's row (from the top) and
    // name, a menu item's caption (the close cross by its name; a list
    // chooser of no caption by the text it shows, any other item of none by
    // its class alone); the smiley a challenge round shows, which stands in
    // no square, as that.
    std::string describe(const KivBase* object) const
    {
        if (!object)
            return "nothing";
        const std::string kind = className(typeid(*object));
        if (const MenuEnum* chooser = dynamic_cast<const MenuEnum*>(object); chooser && chooser->caption.empty())
            return "the chooser showing " + quoted(chooser->shownText());
        if (const MenuItem* item = dynamic_cast<const MenuItem*>(object))
            return item->caption == CROSS ? captionName(CROSS)
                   : item->caption.empty() ? kind
                                           : kind + " " + quoted(item->caption);
        if (const GUIitem* item = dynamic_cast<const GUIitem*>(object))
            return kind + " " + quoted(item->caption);
        if (const Smiley* smiley = dynamic_cast<const Smiley*>(object); smiley && smiley->apartment)
            return kind + " at column " + std::to_string(smiley->apartment->gridX) + ", floor " +
                   std::to_string(smiley->apartment->gridY);
        if (const GameController* controller = game.currentGame(); controller && object == controller->challengeSmiley)
            return kind + " of the challenge round";
        if (const Orb* orb = dynamic_cast<const Orb*>(object)) {
            const std::vector<Orb*> rows = childrenOf<Orb>(orb->getParent());
            const auto row = std::find(rows.begin(), rows.end(), orb) - rows.begin() + 1;
            return kind + " row " + std::to_string(row) + " " + quoted(orb->name);
        }
        return kind;
    }

    std::string worldPoint(float x, float y, const Context* screen) const
    {
        return " " + ReplayRecorder::number(x) + " " + ReplayRecorder::number(y) + " on " + screenName(screen);
    }

    // A screen by its class; a game's scene and overlay (a ContextBlender and
    // a plain Context) by what they are to the game.
    std::string screenName(const Context* screen) const
    {
        const GameController* controller = game.currentGame();
        if (controller && (screen == controller->scene || screen == controller->overlay))
            return className(typeid(*controller)) + (screen == controller->scene ? "'s scene" : "'s overlay");
        return screen ? className(typeid(*screen)) : "no screen";
    }

    // The lines only in a and only in b past their common first lines, in
    // a shortest edit between them (Myers); the search gives up once more
    // than MAX_EDITS lines differ, and their sum is then above it.
    static std::pair<long, long> differingLines(const std::vector<std::string>& a,
                                                const std::vector<std::string>& b, size_t first)
    {
        const long n = static_cast<long>(a.size() - first), m = static_cast<long>(b.size() - first);
        std::vector<long> reach(2 * MAX_EDITS + 3, 0);
        long edits = 0;
        for (bool done = false; !done && edits <= MAX_EDITS; edits += done ? 0 : 1)
            for (long k = -edits; k <= edits && !done; k += 2) {
                long* x = &reach[MAX_EDITS + 1 + k];
                *x = k == -edits || (k != edits && x[-1] < x[1]) ? x[1] : x[-1] + 1;
                while (*x < n && *x - k < m && a[first + *x] == b[first + *x - k])
                    ++*x;
                done = *x >= n && *x - k >= m;
            }
        const long onlyA = (edits + n - m) / 2;
        return {onlyA, edits - onlyA};
    }

    // The run as recorded, for a look at the whole of it; returns its path.
    std::string keepRun() const
    {
        mkdir(KIV_BINARY_DIR "/replay-got", 0755);
        write(keptRunPath());
        return keptRunPath();
    }

    std::string keptRunPath() const { return KIV_BINARY_DIR "/replay-got/" + name + ".txt"; }

    void write(const std::string& path) const
    {
        std::ofstream out(path);
        for (const std::string& line : recorder.lines)
            out << line << "\n";
        if (!out)
            ADD_FAILURE() << "could not write " << path;
    }

    int frame = 0;
    // The engine's frame time at the play's start, and the play's time.
    double startTime = 0.0;
    double time = 0.0;
    std::string lastWhere;
    std::string lastStep = "none";
    // The record's line of the last step.
    size_t stepLine = 0;
    int pixelX = 0, pixelY = 0;
    bool bSampleDue = false;
    bool bBroken = false;
};

} // namespace testsupport
