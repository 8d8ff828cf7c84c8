#include "game/GameHelp.h"

#include "ContextManager.h"
#include "Global.h"
#include "Skin.h"
#include "Sound.h"
#include "effects/GameSupport.h"
#include "game/ContextDialogQX.h"
#include "game/ContextMap.h"
#include "game/GameController.h"
#include "rules/HouseProgression.h"
#include "rules/StandardRandom.h"

namespace {

// Each with "%s" for the neighbourhood's name.
const char* const NEIGHBOURHOOD_INTROS[HouseProgression::NEIGHBOURHOOD_COUNT] = {
    "Let's start our|Glimmerdale journey|at a quiet neighborhood|on %s.|~|Smileys living here only|care about "
    "their|eyes and mouths,|so it's easy to find them company!",
    "Let's now visit|the small neighborhood|on %s.|~|Smileys living here hate it|when somebody copies their hair "
    "style,|so make sure you don't match two|with the same hair!|",
    "Great work so far!|Now, let's move on to|the next neighborhood|on %s.|~|Smileys here strive to be "
    "unique|by changing their body color.|Many of them choose the same color,|but they won't notice if you only "
    "match|them in pairs of different colors!|",
    "Let's go to the busy|neighborhood on %s.|~|Smileys living here pride themselves|on their unique eyebrow "
    "expressions!|As long as matched smileys have|different eyebrows, they'll be happy!|",
    "Our next stop is %s.|Here's where things start to..|well... get tricky.|~|Smileys living here want their "
    "friends|to have different hair as well as| different body color!|",
    "We have arrived at the|neighborhood on %s.|~|Smileys here are not so easily pleased,|they want different "
    "body colors|as well as different eyebrows!|",
    "Phew! We have made it to|%s.|~|Smileys now care both about|their hair and their eyebrows,|so things can "
    "certainly get|hairy around here!",
    "Wow! We have finally|reached the %s.|~|You'll find that smileys here|are the hardest of all to "
    "please,|because they want everything to be|different: hair, body color,|and eyebrow expressions!",
};

// The voices a clicked smiley may say, and one click in how many says one.
constexpr int VOICES = 7;
constexpr int CLICKS_PER_VOICE = 6;

void replaceAll(std::string& text, const std::string& what, const std::string& with)
{
    for (size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + with.size()))
        text.replace(at, what.size(), with);
}

}

GameHelp::GameHelp(GameController& owner) : game(owner)
{
}

void GameHelp::showDialog(const std::string& text, const std::string& title, Skin* picture)
{
    ContextDialogQX* dialog = new ContextDialogQX();
    dialog->overGame = true;
    dialog->game = &game;
    dialog->separatorSkin = picture;
    dialog->title = title;
    dialog->text = text;
    dialog->build();
    dialog->pushInReadingOrder();
    GameSupport::resource<Sound>("pop")->play();
}

void GameHelp::showHelpOnce(bool* shownFlag, const std::string& text, const std::string& title, Skin* picture)
{
    if (!pGlobal->hst.bInGameHelp || *shownFlag)
        return;
    showDialog(text, title, picture);
    *shownFlag = true;
}

void GameHelp::introduceNeighbourhood()
{
    const int neighbourhood = game.neighbourhood;
    std::string intro = NEIGHBOURHOOD_INTROS[neighbourhood];
    replaceAll(intro, "%s", HouseProgression::neighbourhoodNames[neighbourhood]);
    showDialog(intro, "", GameSupport::resource<Skin>(formatString("help2:%d", neighbourhood)));
    ContextMap* map = new ContextMap(neighbourhood - 1, neighbourhood);
    map->game = &game;
    pGlobal->pContextManager->pushContext(map);
}

void GameHelp::playRandomVoice()
{
    if (StandardRandom::shared().below(CLICKS_PER_VOICE) == 0)
        GameSupport::resource<Sound>(formatString("voice%d", StandardRandom::shared().below(VOICES)))->play();
}
