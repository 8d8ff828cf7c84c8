#pragma once
// GameController: the screen on which one game is played. The mode
// selection screen creates one of the mode subclasses (action, quest,
// puzzle), pushes it on the screen stack and calls startGame; while its game
// runs it is registered as the current game (GameRegistry). It owns
// everything seen during play: a scrolling scene (a ContextBlender child
// whose camera glides from street to house), an overlay screen with the HUD
// and captions, the current House with its smileys, the PlayerData, the
// SmileyGenerator, captions and effects; the objects it makes are handed the
// controller as their BoardHost or GameStage and reach it only that way.
// Its timed state machine drives the game from the title caption through
// the neighbourhoods and their houses to game over; the rules of a mode live
// in the virtual hooks, which the state machine and the smileys call, and
// the numbers of the rules in the rules library. The screen stack ticks and
// draws it and deletes it when finished. Its states are listed in State.
// Main thread only.
//
// The controller keeps its state machine, its hooks and the fields and
// helpers that the modes and the game's objects use; the side jobs are done
// by helpers it owns (HouseSmileys, GameScenery, SavedGameBook, GameHelp,
// MatchRewards, HouseEndShow, HouseTimers, VitaminEffects, ChallengeRound),
// whose calls it keeps as one-line forwards so its interface stays whole.
// That, with the state machine's steps and what it answers as a BoardHost,
// is why its source runs past 500 lines.
#include "Context.h"
#include "UColor.h"
#include "UString.h"
#include "V3.h"
#include "board/BoardHost.h"
#include "effects/ViewBox.h"
#include "rules/HouseProgression.h"
#include "rules/VitaminKind.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class Apartment;
class ArrowMessage;
class ChallengeRound;
class ContextBlender;
class GameHelp;
class GameScenery;
class House;
class HouseEndShow;
class HouseSmileys;
class HouseTimers;
class MatchRewards;
class PlayerData;
class PlayerHUD;
class RenderableText;
class SavedGameBook;
class Skin;
class Smiley;
class SmileyGenerator;
class Sound;
class SoundStream;
class VitaminEffects;

class GameController : public Context, public BoardHost {
public:
    // The state machine's states; 0 is the idle state of a controller not
    // yet started.
    enum State {
        STATE_TITLE = 1,
        STATE_SAVED_GAME = 2,
        STATE_STREET = 3,
        STATE_HOUSE = 4,
        STATE_CAPTION = 5,
        STATE_PLAY = 6,
        // The mode finishes the house itself (quest: leftovers dissolving).
        STATE_MODE_END = 7,
        STATE_HOUSE_END = 8,
        STATE_STATISTICS = 9,
        STATE_NEXT_HOUSE = 10,
        STATE_GAME_OVER = 11,
        STATE_HIGH_SCORES = 12,
        STATE_CLOSING = 13,
        STATE_FINISHED = 14,
    };
    // Builds the scene, the overlay, the player data and the generator; the
    // state machine is not started. Needs the loaded fonts and skins.
    GameController();
    // Deletes the match history and the generator and forgets the roster's
    // last high-score position; the Context part deletes the tree.
    ~GameController() override;
    GameController(const GameController&) = delete;
    GameController& operator=(const GameController&) = delete;

    // closing: the screen leaves the stack (the game is no longer current,
    // the menu music returns); otherwise merely covered.
    void deactivate(bool closing) override;
    // The contents update, then the game's per-frame rules (updateGame, or
    // onTimeOut in a challenge round) and the impatience and bubble timers.
    void tickContents(double t, double dt) override;
    // The game's state machine (see the states above).
    void onStateChange() override;

    // Becomes the current game, opens the view and enters state 1. Modes
    // call it first, then give the HUD their vitamins.
    virtual void startGame();
    // Per-frame rules outside a challenge round (t, dt in seconds).
    virtual void updateGame(double t, double dt);
    // Per-frame rules of a challenge round: the drain and the time-out.
    virtual void onTimeOut(double t, double dt);
    // Appends the house's new smileys to list (owned by the caller).
    virtual void generateSmileys(KivBase* list);
    // Appends a challenge round's smileys to list; makes challengeSmiley.
    virtual void fillHouse(KivBase* list);
    // Moves the smileys of list into free apartments and the smiley layer;
    // smileys left over stay in list.
    virtual void placeSmileys(KivBase* list);
    // A smiley (not null) reports a click on itself.
    virtual void onSmileyClicked(Smiley* smiley);
    // Vitamin kind (VitaminKind) activated; true when used (the vitamin then
    // takes its coins), false when refused.
    virtual bool useVitamin(int kind);
    // The neighbourhood's parameters (and, in the modes, its help and music).
    virtual void showHowToPlay();
    // Size of the next house; introduces a new neighbourhood.
    virtual void beginNeighbourhood();
    // The mode's rules for a house that starts being played.
    virtual void beginPlay();
    // The mode's selection rule for a clicked smiley (not null).
    virtual void onSmileySelected(Smiley* smiley);
    // Judges a challenge round's answer (not null); ends the house.
    virtual void onChallengeAnswer(Smiley* smiley);
    // A matched pair (not null); counts the match.
    virtual void onMatch(Smiley* a, Smiley* b);
    // A refused pair (either may be null); restarts the chain, counts it.
    virtual void onMistake(Smiley* a, Smiley* b);
    // A smiley (not null) whose breath ran out has left.
    virtual void onSmileyBreathOut(Smiley* smiley);

    // Restores the current player's saved game of this mode into the
    // counters and the player data (no multiplier), with a caption.
    void loadGame();
    // Writes the current player's saved game of this mode.
    void saveGame();
    // Marks the current player's saved game of this mode as absent.
    void clearSavedGame();
    // n coins collected: counted for the house and added to the player data.
    void creditCoins(int n);
    // n coins paid for a vitamin (not counted for the house).
    void spendCoins(int n);
    // The last house of the last neighbourhood is done: the game ends as a
    // lost one does (high score, saved game cleared, high-score table, iris)
    // under a caption of its own.
    void finishJourney();
    // Marks dead the scenery, flowers and houses wholly left of the view.
    void cullScenery();

    // What the game's objects may ask of it (BoardHost, GameStage); the
    // player data is written only here and by the controller's own rules.
    int stageDifficulty() const override;
    void creditPoints(int points) override;
    int scoreMultiplier() const override;
    void creditPointsAsShown(int points) override;
    float fillThermometer(float amount) override;
    float sceneDepthScale() const override;
    void smileyClicked(Smiley* smiley) override;
    void smileyBreathedOut(Smiley* smiley) override;
    int32_t newSmileyValue() const override;
    void chargeLeftover(const V3& at) override;
    float coinDropChance() const override;
    void collectCoins(int n) override;
    void breakChain() override;
    void addCoin(KivBase* coin) override;
    void addSceneEffect(KivBase* effect) override;
    void addOverlayEffect(KivBase* effect) override;
    Camera::VisibleRect sceneView() const override;
    const PlayerData& player() const override;
    bool multiplierBadgeShown() const override;

    // What the overlay draws over the scene, in view units (from the view's
    // left and bottom edges): the HUD's panels where they rest while shown,
    // and the big caption while it shows, as they stand now. The captions of
    // the game's arrows in the scene ask for it each frame and keep clear of
    // it.
    std::vector<ViewBox> overlayViewBoxes() const;
    // The arrow's caption keeps clear of overlayViewBoxes as they stand in
    // each frame it is drawn; the arrow must not outlive the game.
    void keepCaptionClearOfOverlay(ArrowMessage& arrow) const;

    // Smileys not leaving that s (not null) can match.
    int countPartners(Smiley* s) const;
    // The present non-clown smiley with the fewest partners (the first on
    // ties), or null; the count goes to partners when not null (1000 when
    // there is no candidate).
    Smiley* findHardestSmiley(int* partners) const;
    // Some pair of smileys of the layer can still be matched.
    bool anyMatchLeft() const;
    // Smileys present in the house (state 2).
    int countWaitingSmileys() const;
    // The first selected smiley, or null.
    Smiley* getSelectedSmiley() const;
    void deselectAll();
    // The first smiley living in apartment, or null.
    Smiley* getSmileyInApartment(const Apartment* apartment) const;
    // A random present smiley, or null after 100 misses (or an empty draw).
    Smiley* findPlayableSmiley() const;

    // A message box over the game with "pop"; picture may be null.
    void showDialog(const std::string& text, const std::string& title, Skin* picture);
    // showDialog when the in-game help setting is on and *shownFlag is
    // false; then sets *shownFlag. shownFlag must not be null.
    void showHelpOnce(bool* shownFlag, const std::string& text, const std::string& title, Skin* picture);
    // Now and then, a clicked smiley's voice.
    void playRandomVoice();
    // The statistics lines of the house that ended.
    void showStatistics();
    // The end-of-house bonus popups that are due.
    void awardHouseBonuses();
    // Pays the chain of compatible matches ending with a and b (not null).
    void checkChainBonus(Smiley* a, Smiley* b);
    // Pays the circus bonus when a and b (not null) are both clowns.
    void checkCircusBonus(Smiley* a, Smiley* b);
    // The red "-n" of a penalty (points below 0), rising and fading over the
    // foot point at of a smiley, in the effect layer.
    void showPenalty(const V3& at, int points);

    // The smiley shown in a challenge round (lives in smileyLayer); else null.
    Smiley* challengeSmiley = nullptr;
    // The following objects are owned through the object tree unless said.
    // HUD and captions in screen coordinates; child after scene.
    Context* overlay = nullptr;
    // The scrolling world; its camera is a CameraBlender.
    ContextBlender* scene = nullptr;
    // Trees, poles, signs, the Exit button.
    KivBase* sceneryLayer = nullptr;
    // The apartments' back pieces; emptied at every house build.
    KivBase* houseBackLayer = nullptr;
    // The smileys of the current house (and the challenge smiley).
    KivBase* smileyLayer = nullptr;
    // Owned, not in the tree: matched smileys, oldest first.
    KivBase* matchHistory = nullptr;
    // The houses (the previous one until it has scrolled away).
    KivBase* houseLayer = nullptr;
    KivBase* coinLayer = nullptr;
    KivBase* flowerLayer = nullptr;
    // Arrows, score texts and other short-lived effects.
    KivBase* effectLayer = nullptr;
    // The current house (lives in houseLayer).
    House* house = nullptr;
    PlayerHUD* hud = nullptr;
    PlayerData* playerData = nullptr;
    // The big caption; restarted by each caption, never removed.
    RenderableText* captionText = nullptr;
    // End-of-house bonus popups and the "Game loaded!" caption.
    KivBase* bonusLayer = nullptr;
    // End-of-house statistics lines.
    KivBase* statsLayer = nullptr;
    // Caption shown first; set by the modes.
    UString modeName;
    // Caption shown when a house ends.
    UString endCaption;
    UString gameOverCaption = "game over!";
    // 0..3, from the persistent block; written into high-score entries.
    int32_t difficulty = 0;
    // Houses finished in this game; above 0 marks a saved game as present.
    int32_t housesPlayed = 0;
    // 0-based house within the neighbourhood.
    int32_t houseIndex = 0;
    // Houses of the neighbourhood, challenge round included.
    int32_t housesInNeighbourhood = 0;
    // 0..7.
    int32_t neighbourhood = 0;
    // Grid size of the next house, in apartments.
    int32_t sizeX = 0;
    int32_t sizeY = 0;
    bool retryHouse = false;
    bool showNeighbourhoodIntro = true;
    bool challengeRound = false;
    bool eagleEyeEarned = false;
    bool matchBonusEarned = false;
    bool extraBonusEarned = false;
    bool clearBonusEarned = false;
    // Leftover smileys cost 100 points each when a house ends.
    bool leftoverPenalty = false;
    // Leftover smileys' apartments get away notes when a house ends.
    bool leftoverAwayNotes = false;
    bool showStatisticsPage = false;
    // 0..1, shown on the HUD.
    float thermometer = 0.0f;
    // Thermometer units lost per second of play.
    float drainSpeed = 0.0f;
    // Thermometer gain per match and loss per mistake (action mode).
    float matchGain = 0.0f;
    float mistakeLoss = 0.0f;
    // Chances 0..1: a generated partner is a clown; a match drops a coin.
    float clownChance = 0.0f;
    float coinChance = 0.0f;
    // Seconds of scene time.
    double nextImpatience = 0.0;
    double impatienceMin = 999999.0;
    double impatienceMax = 9999999.0;
    double breathHoldTime = 0.0;
    double nextBubble = 0.0;
    double bubbleMin = 999999.0;
    double bubbleMax = 9999999.0;
    double bubbleTime = 0.0;
    // 0..1, given to the generator at each house build.
    float houseHardness = 0.0f;
    // Thermometer colour when play begins.
    UColor modeColour = UColor(255, 255, 255, 255);
    // Played when a house ends; not owned (a resource); may be null.
    Sound* endSound = nullptr;
    // The neighbourhood's track; not owned (a resource); may be null.
    SoundStream* music = nullptr;
    // Bit 0 hair varies, bit 1 body, bit 2 brows.
    int32_t featureFlags = 0;
    // Owned, not in the tree.
    SmileyGenerator* generator = nullptr;
    // A GameMode: the saved-game record and high-score table.
    int32_t modeIndex = MODE_ACTION;
    // World x of the scene or house view being built.
    float sceneX = 0.0f;
    // Frequency factor of the modes' match sounds.
    float matchPitch = 1.0f;
    // One-time help dialogs already shown.
    bool mistakeTipShown = false;
    bool challengeTipShown = false;
    bool impatienceTipShown = false;
    // Scene time (seconds) when play began and when the house ended.
    float houseStartTime = 0.0f;
    float houseEndTime = 0.0f;
    int32_t coinsThisHouse = 0;
    int32_t scoreAtHouseStart = 0;
    // Counts of the current house.
    int32_t matches = 0;
    int32_t mistakes = 0;
    // Per vitamin kind: its help was shown; its not-enough-coins note was
    // shown.
    bool vitaminHelpShown[VITAMIN_KIND_COUNT] = {};
    bool vitaminNoCoinsShown[VITAMIN_KIND_COUNT] = {};
    // Thermometer slots a saved game of this mode may fill (set by the modes
    // that have slots); 0: none.
    int32_t savedGameSlots = 0;
    // The last house of the last neighbourhood was completed: the ending
    // plays before the high-score table.
    bool bJourneyComplete = false;

protected:
    // Moves smiley (in the caller's list) into the apartment's cell and the
    // smiley layer.
    void placeSmiley(Smiley* smiley, Apartment* apartment);
    // The house hardness that rises over a neighbourhood's ordinary houses
    // from 0.15 per difficulty step to 0.5 plus lastPerLevel per step.
    float risingHardness(float lastPerLevel) const;
    // Credits a matched pair's rewards (a's collected first, then b's).
    void payMatch(Smiley* a, Smiley* b);
    // A second smiley picked while another is selected (quest and action):
    // both are let go, and the pair is a match or a mistake by the match rule.
    void judgePair(Smiley* selected, Smiley* smiley);

private:
    // Where the game stands, for the journey's rules.
    HouseProgression::Position position() const;
    void buildScene();
    void buildHouse();
    void beginHousePlay();
    void endHouse();
    void nextHouse();
    void gameOver();
    // The high score, the end of the saved game and the vitamins of a game
    // that is over, won or lost.
    void closeGame();
    // The helpers that do the controller's jobs beside its state machine
    // and hooks; each refers back to the controller.
    std::unique_ptr<HouseSmileys> smileys;
    std::unique_ptr<GameScenery> scenery;
    std::unique_ptr<SavedGameBook> book;
    std::unique_ptr<GameHelp> help;
    std::unique_ptr<MatchRewards> rewards;
    std::unique_ptr<HouseEndShow> endShow;
    std::unique_ptr<HouseTimers> timers;
    std::unique_ptr<VitaminEffects> vitamins;
    std::unique_ptr<ChallengeRound> challenge;
};
